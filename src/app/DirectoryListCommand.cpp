#include "app/DirectoryListCommand.h"

#include "common/DataFolderResolver.h"
#include "common/QuietPresenter.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectoryExport.h"
#include "directory_db/DirectoryImport.h"
#include "directory_db/UserDirectoryFile.h"

#include <ostream>

namespace {

// The data folder, or nullopt after saying why there is none to work in.
std::optional<DataFolder> WorkingFolder(const std::string& chosenDataFolder, std::ostream& err)
{
    DataFolder folder =
        CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(chosenDataFolder));
    if (folder.path.empty() || !folder.problem.empty()) {
        err << "kestrine: your directories cannot be changed here: " << folder.problem << '\n';
        return std::nullopt;
    }
    return folder;
}

void PrintCandidates(const DirectoryImport& import, std::ostream& out)
{
    for (const ImportCandidate& candidate : import.candidates) {
        const std::string& name = candidate.record.name;
        switch (candidate.action) {
        case ImportAction::Add:
            out << "added: " << name << '\n';
            break;
        case ImportAction::Replace:
            out << (candidate.accepted ? "replaced: " : "kept yours (--replace takes the list's): ")
                << name << '\n';
            break;
        case ImportAction::Leave:
            out << "already there: " << name << '\n';
            break;
        case ImportAction::Refuse:
            out << "refused: " << name << " (" << candidate.problem << ")\n";
            break;
        }
    }
}

} // namespace

int ImportDirectoriesAndExit(const std::string& listFile, const std::string& chosenDataFolder,
                             bool replace, std::ostream& out, std::ostream& err)
{
    const std::optional<DataFolder> folder = WorkingFolder(chosenDataFolder, err);
    if (!folder)
        return 1;
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    database.LoadFile(folder->databaseFile, folder->UserDirectoriesFile());
    const DirectoryImport import = ReadDirectoryImport(listFile, database, replace);
    if (!import.error.empty()) {
        err << "kestrine: " << import.error << '\n';
        return 1;
    }
    CUserDirectoryFile file(folder->UserDirectoriesFile());
    if (!file.Load()) {
        err << "kestrine: " << file.Error() << '\n';
        return 1;
    }
    const size_t taken = ApplyDirectoryImport(import, file);
    if (taken > 0) {
        CAtomicFileWriter writer;
        const WriteOutcome written = file.Save(writer);
        if (!written.ok) {
            err << "kestrine: cannot save " << folder->UserDirectoriesFile() << ": "
                << written.error << '\n';
            return 1;
        }
    }
    PrintCandidates(import, out);
    out << import.Count(ImportAction::Add) << " added, "
        << (replace ? import.Count(ImportAction::Replace) : 0) << " replaced, "
        << import.Count(ImportAction::Leave) << " already there, "
        << (replace ? 0 : import.Count(ImportAction::Replace)) << " kept yours, "
        << import.Count(ImportAction::Refuse) << " refused\n";
    return 0;
}

int ExportDirectoriesAndExit(const std::string& listFile, const std::string& chosenDataFolder,
                             std::ostream& out, std::ostream& err)
{
    const DataFolder folder =
        CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(chosenDataFolder));
    if (folder.path.empty()) {
        err << "kestrine: no data folder to read your directories from: " << folder.problem << '\n';
        return 1;
    }
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    database.LoadFile(folder.databaseFile, folder.UserDirectoriesFile());
    const std::vector<DirectoryRecord> mine = UserDirectoryRecords(database);
    if (mine.empty()) {
        err << "kestrine: you have no directories of your own to export yet\n";
        return 1;
    }
    CAtomicFileWriter writer(LinkTrust::AsTheKernel);
    const WriteOutcome written = ExportDirectories(mine, listFile, writer);
    if (!written.ok) {
        err << "kestrine: cannot write " << listFile << ": " << written.error << '\n';
        return 1;
    }
    out << mine.size() << " of your directories written to " << listFile << '\n';
    return 0;
}
