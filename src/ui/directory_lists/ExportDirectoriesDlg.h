#pragma once

#include "directory_db/DirectoryRecord.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

// Lets the user tick which of their own directories go into a list for others; all are ticked
// at first.
class CExportDirectoriesDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CExportDirectoriesDlg(std::vector<DirectoryRecord> directories,
                                   QWidget* parent = nullptr);

    // The ticked directories, in list order.
    std::vector<DirectoryRecord> Chosen() const;

private:
    std::vector<DirectoryRecord> m_directories;
    QListWidget* m_list = nullptr;
    QPushButton* m_exportButton = nullptr;
};
