#pragma once

#include "directory_db/DirectoryImport.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Shows what importing a directory list would do, directory by directory: add (ticked), replace
// one of the user's that says something else (not ticked unless the user ticks it), leave one
// the user has already, or refuse one that cannot be used, with the reason. Import takes the
// ticked ones.
class CImportDirectoriesDlg final : public QDialog
{
    Q_OBJECT

public:
    CImportDirectoriesDlg(DirectoryImport import, const QString& fileName,
                          QWidget* parent = nullptr);

    // The import with the user's ticks in `accepted`.
    const DirectoryImport& Import() const { return m_import; }

private:
    void AddRow(const ImportCandidate& candidate);
    void OnItemChanged(QTreeWidgetItem* item);
    void ShowSummary();

    DirectoryImport m_import;
    QTreeWidget* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_importButton = nullptr;
};
