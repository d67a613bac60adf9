#include "directory_check/DirectoryCheckStore.h"

#include "history/HistorySchema.h"

namespace {

constexpr const char* kReplace =
    "INSERT OR REPLACE INTO directory_checks (directory, time_ms, status, http_status, address,"
    " final_address, missing_fields, message, finding, finding_number)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)";
constexpr const char* kSelectAll =
    "SELECT directory, time_ms, status, http_status, address, final_address, missing_fields,"
    " message, finding, finding_number FROM directory_checks";
// A file that could not be brought up to date keeps the words of its checks.
constexpr const char* kSelectBeforeFindings =
    "SELECT directory, time_ms, status, http_status, address, final_address, missing_fields,"
    " message, '', 0 FROM directory_checks";

// Each name ended by a zero byte, which no attribute value can hold.
std::string PackNames(const std::vector<std::string>& names)
{
    std::string packed;
    for (const std::string& name : names)
        packed.append(name).push_back('\0');
    return packed;
}

std::vector<std::string> UnpackNames(const std::string& packed)
{
    std::vector<std::string> names;
    for (size_t start = 0; start < packed.size();) {
        const size_t end = packed.find('\0', start);
        names.push_back(packed.substr(start, end - start));
        start = end == std::string::npos ? packed.size() : end + 1;
    }
    return names;
}

} // namespace

HistoryOutcome CDirectoryCheckStore::Open(const std::string& path)
{
    m_replace = {};
    m_selectAll = {};
    HistoryOutcome outcome = history_schema::OpenFile(path, history_schema::kChecksKeptSince, m_db);
    sqlite3* db = m_db.get();
    // A write-protected file cannot be brought up to date: it is read as it stands, and Save
    // fails.
    const bool readOnly = db && sqlite3_db_readonly(db, "main") == 1;
    if (outcome.ok && !m_selectAll.Prepare(db, kSelectAll) &&
        !(readOnly && m_selectAll.Prepare(db, kSelectBeforeFindings)))
        outcome = Failure();
    if (outcome.ok && !readOnly && !m_replace.Prepare(db, kReplace))
        outcome = Failure();
    if (!outcome.ok) {
        m_replace = {};
        m_selectAll = {};
        m_db.reset();
    }
    return outcome;
}

HistoryOutcome CDirectoryCheckStore::Save(const std::vector<DirectoryCheckResult>& results)
{
    if (!m_db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_MISUSE));
    if (HistoryOutcome begin = Execute("BEGIN IMMEDIATE"); !begin.ok)
        return begin;
    for (const DirectoryCheckResult& result : results) {
        m_replace.BindBytes(1, result.name);
        m_replace.BindInt(2, result.checkedUtcMs);
        m_replace.BindText(3, StatusName(result.status));
        m_replace.BindInt(4, result.httpStatus);
        m_replace.BindText(5, result.address);
        m_replace.BindText(6, result.finalAddress);
        m_replace.BindBytes(7, PackNames(result.missingFields));
        // The words are left to the moment they are shown, in the language of that moment.
        m_replace.BindText(8, result.storedMessage);
        m_replace.BindText(9, FindingName(result.finding));
        m_replace.BindInt(10, result.findingNumber);
        const int stepped = m_replace.Step();
        m_replace.Reset();
        if (stepped != SQLITE_DONE) {
            HistoryOutcome failure = Failure();
            Execute("ROLLBACK");
            return failure;
        }
    }
    return Execute("COMMIT");
}

HistoryOutcome CDirectoryCheckStore::ReadAll(std::vector<DirectoryCheckResult>& results)
{
    if (!m_db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_MISUSE));
    results.clear();
    int stepped = SQLITE_ROW;
    while ((stepped = m_selectAll.Step()) == SQLITE_ROW) {
        const std::optional<DirectoryCheckStatus> status =
            StatusFromName(m_selectAll.ColumnBytes(2));
        if (!status)
            continue;
        DirectoryCheckResult& result = results.emplace_back();
        result.name = m_selectAll.ColumnBytes(0);
        result.checkedUtcMs = m_selectAll.ColumnInt(1);
        result.status = *status;
        result.httpStatus = static_cast<long>(m_selectAll.ColumnInt(3));
        result.address = m_selectAll.ColumnBytes(4);
        result.finalAddress = m_selectAll.ColumnBytes(5);
        result.missingFields = UnpackNames(m_selectAll.ColumnBytes(6));
        result.storedMessage = m_selectAll.ColumnBytes(7);
        // A finding this version does not know is shown as its status alone.
        result.finding =
            FindingFromName(m_selectAll.ColumnBytes(8)).value_or(DirectoryCheckFinding::None);
        result.findingNumber = m_selectAll.ColumnInt(9);
    }
    m_selectAll.Reset();
    return stepped == SQLITE_DONE ? HistoryOutcome{} : Failure();
}

HistoryOutcome CDirectoryCheckStore::Failure() const
{
    return HistoryOutcome::Failed(m_db ? sqlite3_errmsg(m_db.get()) : sqlite3_errstr(SQLITE_NOMEM));
}

HistoryOutcome CDirectoryCheckStore::Execute(const char* sql) const
{
    return sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK ? HistoryOutcome{}
                                                                                 : Failure();
}
