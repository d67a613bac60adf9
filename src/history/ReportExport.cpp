#include "history/ReportExport.h"

#include "directory_db/DirectoryDatabase.h"
#include "history/HistoryStore.h"
#include "history/ReportCsv.h"
#include "profiles/ProfileRecord.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

#include <filesystem>
#include <system_error>

namespace {

std::vector<ReportDirectory> ReportDirectories(const CDirectoryDatabase& database,
                                               const ProfileRecord* current)
{
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

HistoryOutcome ReadLastEvents(const std::string& historyPath, std::vector<HistoryEvent>& events)
{
    std::error_code ignored;
    if (!std::filesystem::exists(historyPath, ignored))
        return {};
    CHistoryStore store;
    HistoryOutcome outcome = store.Open(historyPath);
    if (outcome.ok)
        outcome = store.ReadLastEvents(events);
    return outcome;
}

} // namespace

ReportExportOutcome ExportReport(const std::string& csvPath, const CDirectoryDatabase& database,
                                 const CProfileStore& profiles, const ProfileRecord* current,
                                 const std::string& historyPath)
{
    ReportExportOutcome outcome;
    std::vector<HistoryEvent> lastEvents;
    if (HistoryOutcome read = ReadLastEvents(historyPath, lastEvents); !read.ok) {
        outcome.historyError = read.error;
        lastEvents.clear();
    }
    const std::string csv =
        ComposeReportCsv(ReportDirectories(database, current), profiles, lastEvents);
    outcome.written = CAtomicFileWriter().Write(csvPath, csv);
    return outcome;
}

ReportExportOutcome ExportReportFromFolder(const std::string& csvPath,
                                           const std::string& dataFolder,
                                           MessagePresenter& databaseMessages)
{
    std::string currentName;
    CProfileStore profiles;
    state_file::Load(dataFolder + "sv.dat", currentName, profiles);
    CDirectoryDatabase database(databaseMessages);
    database.LoadFile(dataFolder + "dirdata.xml");
    ProfileRecord current;
    const bool hasCurrent = profiles.GetProfile(currentName, current);
    return ExportReport(csvPath, database, profiles, hasCurrent ? &current : nullptr,
                        dataFolder + "history.sqlite");
}
