#include "history/ReportExport.h"

#include "common/DataFolder.h"
#include "common/QuietPresenter.h"
#include "directory_db/DirectoryDatabase.h"
#include "history/HistoryReading.h"
#include "history/ReportCsv.h"
#include "profiles/ProfileRecord.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

namespace {

std::vector<ReportDirectory> ReportDirectories(const ReportSources& sources,
                                               const ProfileRecord* current)
{
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    database.LoadFile(sources.databaseFile, sources.userDirectoriesFile);
    std::vector<std::string> names;
    database.GetDirectoryNames(names);
    const std::string category = current ? current->cat : std::string();
    const std::string subcategory = current ? current->subcat : std::string();
    std::vector<ReportDirectory> directories;
    directories.reserve(names.size());
    for (std::string& name : names) {
        std::string address = database.GetDirectorySubmitPage(name, category, subcategory);
        directories.push_back({std::move(name), std::move(address)});
    }
    return directories;
}

} // namespace

ReportExportOutcome ExportReport(const std::string& csvPath, const ReportSources& sources,
                                 const CProfileStore& profiles, const ProfileRecord* current)
{
    ReportExportOutcome outcome;
    std::vector<HistoryEvent> lastEvents;
    const HistoryOutcome read =
        ReadHistoryFile(sources.historyFile, HistorySelection::LastOfEachPair, lastEvents);
    if (!read.ok)
        outcome.historyError = read.error;
    const std::string csv =
        ComposeReportCsv(ReportDirectories(sources, current), profiles, lastEvents);
    // The user names the file, maybe in a folder others share.
    outcome.written = CAtomicFileWriter(LinkTrust::AsTheKernel).Write(csvPath, csv);
    return outcome;
}

ReportExportOutcome ExportReportFromFiles(const std::string& csvPath, const DataFolder& folder)
{
    std::string currentName;
    CProfileStore profiles;
    state_file::Load(folder.StateFile(), currentName, profiles);
    ProfileRecord current;
    const bool hasCurrent = profiles.GetProfile(currentName, current);
    return ExportReport(csvPath,
                        {folder.databaseFile, folder.UserDirectoriesFile(), folder.HistoryFile()},
                        profiles, hasCurrent ? &current : nullptr);
}
