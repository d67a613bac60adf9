#include "app/DirectoryListCommand.h"

#include "common/DataFolderResolver.h"
#include "common/QuietPresenter.h"
#include "common/TextCatalogue.h"
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
        err << "kestrine: "
            << FillIn(KESTRINE_TEXT("CommandLine", "your directories cannot be changed here: %1"),
                      {folder.problem})
            << '\n';
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
            out << FillIn(KESTRINE_TEXT("CommandLine", "added: %1"), {name}) << '\n';
            break;
        case ImportAction::Replace:
            out << FillIn(candidate.accepted
                              ? KESTRINE_TEXT("CommandLine", "replaced: %1")
                              : KESTRINE_TEXT("CommandLine",
                                              "kept yours (--replace takes the list's): %1"),
                          {name})
                << '\n';
            break;
        case ImportAction::Leave:
            out << FillIn(KESTRINE_TEXT("CommandLine", "already there: %1"), {name}) << '\n';
            break;
        case ImportAction::Refuse:
            out << FillIn(KESTRINE_TEXT("CommandLine", "refused: %1 (%2)"),
                          {name, candidate.problem})
                << '\n';
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
            err << "kestrine: "
                << FillIn(KESTRINE_TEXT("CommandLine", "cannot save %1: %2"),
                          {folder->UserDirectoriesFile(), written.error})
                << '\n';
            return 1;
        }
    }
    PrintCandidates(import, out);
    // Each count in a text of its own, so that each carries its own grammatical number.
    const auto counted = [](CountedText text, size_t count) {
        return TranslatedText(text, static_cast<int>(count));
    };
    out << counted(KESTRINE_COUNT_TEXT("CommandLine", "%n added"), import.Count(ImportAction::Add))
        << ", "
        << counted(KESTRINE_COUNT_TEXT("CommandLine", "%n replaced"),
                   replace ? import.Count(ImportAction::Replace) : 0)
        << ", "
        << counted(KESTRINE_COUNT_TEXT("CommandLine", "%n already there"),
                   import.Count(ImportAction::Leave))
        << ", "
        << counted(KESTRINE_COUNT_TEXT("CommandLine", "%n kept yours"),
                   replace ? 0 : import.Count(ImportAction::Replace))
        << ", "
        << counted(KESTRINE_COUNT_TEXT("CommandLine", "%n refused"),
                   import.Count(ImportAction::Refuse))
        << '\n';
    return 0;
}

int ExportDirectoriesAndExit(const std::string& listFile, const std::string& chosenDataFolder,
                             std::ostream& out, std::ostream& err)
{
    const DataFolder folder =
        CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(chosenDataFolder));
    if (folder.path.empty()) {
        err << "kestrine: "
            << FillIn(
                   KESTRINE_TEXT("CommandLine", "no data folder to read your directories from: %1"),
                   {folder.problem})
            << '\n';
        return 1;
    }
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    database.LoadFile(folder.databaseFile, folder.UserDirectoriesFile());
    const std::vector<DirectoryRecord> mine = UserDirectoryRecords(database);
    if (mine.empty()) {
        err << "kestrine: "
            << KESTRINE_TEXT("CommandLine", "you have no directories of your own to export yet")
            << '\n';
        return 1;
    }
    CAtomicFileWriter writer(LinkTrust::AsTheKernel);
    const WriteOutcome written = ExportDirectories(mine, listFile, writer);
    if (!written.ok) {
        err << "kestrine: "
            << FillIn(KESTRINE_TEXT("CommandLine", "cannot write %1: %2"),
                      {listFile, written.error})
            << '\n';
        return 1;
    }
    out << FillIn(TranslatedText(
                      KESTRINE_COUNT_TEXT("CommandLine", "%n of your directories written to %1"),
                      static_cast<int>(mine.size())),
                  {listFile})
        << '\n';
    return 0;
}
