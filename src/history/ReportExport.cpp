#include "history/ReportExport.h"

#include "common/QuietPresenter.h"
#include "directory_db/DirectoryDatabase.h"
#include "history/HistoryStore.h"
#include "history/ReportCsv.h"
#include "profiles/ProfileRecord.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

#include <filesystem>
#include <system_error>

namespace {

std::vector<ReportDirectory> ReportDirectories(const std::string& databasePath,
                                               const ProfileRecord* current)
{
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    database.LoadFile(databasePath);
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

ReportExportOutcome ExportReport(const std::string& csvPath, const std::string& databasePath,
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
        ComposeReportCsv(ReportDirectories(databasePath, current), profiles, lastEvents);
    outcome.written = CAtomicFileWriter().Write(csvPath, csv);
    return outcome;
}

ReportExportOutcome ExportReportFromFiles(const std::string& csvPath, const std::string& stateFile,
                                          const std::string& databaseFile,
                                          const std::string& historyFile)
{
    std::string currentName;
    CProfileStore profiles;
    state_file::Load(stateFile, currentName, profiles);
    ProfileRecord current;
    const bool hasCurrent = profiles.GetProfile(currentName, current);
    return ExportReport(csvPath, databaseFile, profiles, hasCurrent ? &current : nullptr,
                        historyFile);
}
