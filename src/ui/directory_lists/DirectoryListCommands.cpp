#include "ui/directory_lists/DirectoryListCommands.h"

#include "common/AtomicFileWriter.h"
#include "common/MessagePresenter.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectoryExport.h"
#include "directory_db/DirectoryImport.h"
#include "ui/directory_lists/ExportDirectoriesDlg.h"
#include "ui/directory_lists/ImportDirectoriesDlg.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace {

// "1 directory", "2 directories".
QString Directories(size_t count)
{
    const int n = static_cast<int>(count);
    return n == 1 ? CDirectoryListCommands::tr("%n directory", nullptr, n)
                  : CDirectoryListCommands::tr("%n directories", nullptr, n);
}

QString ListFilter()
{
    return CDirectoryListCommands::tr("Directory lists (*.xml);;All files (*)");
}

std::string FileSystemName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

CDirectoryListCommands::CDirectoryListCommands(DatabaseAccess database,
                                               UserDirectoriesChange changeUserDirectories,
                                               MessagePresenter& presenter, QWidget* window)
    : QObject(window), m_database(std::move(database)),
      m_changeUserDirectories(std::move(changeUserDirectories)), m_presenter(presenter),
      m_window(window)
{}

void CDirectoryListCommands::AddTo(QMenu* fileMenu)
{
    m_import =
        fileMenu->addAction(tr("&Import Directories…"), this, &CDirectoryListCommands::OnImport);
    fileMenu->addAction(tr("Export &My Directories…"), this, &CDirectoryListCommands::OnExport);
}

void CDirectoryListCommands::OnImport()
{
    const QString path =
        QFileDialog::getOpenFileName(m_window, tr("Import Directories"), {}, ListFilter());
    if (!path.isEmpty())
        ImportFrom(path);
}

void CDirectoryListCommands::ImportFrom(const QString& path)
{
    DirectoryImport import = ReadDirectoryImport(FileSystemName(path), m_database(), false);
    if (!import.error.empty()) {
        Tell(QString::fromStdString(import.error), true);
        return;
    }
    if (import.Count(ImportAction::Add) + import.Count(ImportAction::Replace) == 0) {
        Tell(tr("%1 holds no directory you do not have already.").arg(QFileInfo(path).fileName()),
             false);
        return;
    }
    CImportDirectoriesDlg dialog(std::move(import), QFileInfo(path).fileName(), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    size_t taken = 0;
    if (m_changeUserDirectories(
            [&](CUserDirectoryFile& file) { taken = ApplyDirectoryImport(dialog.Import(), file); }))
        Tell(tr("%1 imported.").arg(Directories(taken)), false);
}

void CDirectoryListCommands::OnExport()
{
    ChooseAndExportTo([this] {
        return QFileDialog::getSaveFileName(m_window, tr("Export My Directories"),
                                            QStringLiteral("my-directories.xml"), ListFilter());
    });
}

void CDirectoryListCommands::ChooseAndExportTo(const std::function<QString()>& chooseFile)
{
    std::vector<DirectoryRecord> mine = UserDirectoryRecords(m_database());
    if (mine.empty()) {
        Tell(tr("You have no directories of your own yet. Directory > Add This Page… makes one "
                "from a directory's submission page."),
             false);
        return;
    }
    CExportDirectoriesDlg dialog(std::move(mine), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = chooseFile();
    if (path.isEmpty())
        return;
    const std::vector<DirectoryRecord> chosen = dialog.Chosen();
    CAtomicFileWriter writer(LinkTrust::AsTheKernel);
    const WriteOutcome written = ExportDirectories(chosen, FileSystemName(path), writer);
    if (!written.ok) {
        Tell(
            tr("Kestrine could not write %1: %2.").arg(path, QString::fromStdString(written.error)),
            true);
        return;
    }
    Tell(tr("%1 written to %2.").arg(Directories(chosen.size()), path), false);
}

void CDirectoryListCommands::Tell(const QString& text, bool problem)
{
    m_presenter.ShowMessage(text.toStdString(), tr("Directory Lists").toStdString(),
                            problem ? MessageIcon::Exclamation : MessageIcon::None);
}
