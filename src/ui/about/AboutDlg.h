#pragma once

#include "common/ExecutablePath.h"

#include <QDialog>
#include <QUrl>
#include <string>

class CBrowserCtrl;

// The About box: the icon, the product name and version, and a one-line page from the
// program's resources that links to the vendor's home page.
class CAboutDlg final : public QDialog
{
    Q_OBJECT

public:
    // `modulePath` is the running program's path, from which the page's address is built.
    explicit CAboutDlg(QWidget* parent = nullptr,
                       const std::string& modulePath = ExecutableFilePath());

    // "res://<modulePath>/home_link.html". A path given in double quotes loses them; the path
    // is percent-encoded, so that spaces, '#', '?' or '%' in it cannot cut the address short.
    static QUrl HomeLinkAddress(std::string modulePath);

private:
    void CreateControls();

    CBrowserCtrl* m_browser = nullptr;
};
