#pragma once

#include "common/ExecutablePath.h"

#include <QDialog>
#include <QUrl>
#include <string>

class CBrowserCtrl;
class QLabel;

// The About box: the icon, the product name and version, and a one-line page from the
// program's resources that links to the vendor's home page.
class CAboutDlg final : public QDialog
{
    Q_OBJECT

public:
    // `modulePath` is the running program's path, from which the page's address is built.
    explicit CAboutDlg(QWidget* parent = nullptr,
                       const std::string& modulePath = ExecutableFilePath());

    // "res://<modulePath>/home_link.html" (see ResourcePageAddress).
    static QUrl HomeLinkAddress(std::string modulePath);

    // Adds a line that says where the program keeps the user's files, so that the user can
    // find them to back them up or move them.
    void ShowDataFolder(const std::string& folder);

private:
    void CreateControls();

    CBrowserCtrl* m_browser = nullptr;
    QLabel* m_dataFolder = nullptr;
};
