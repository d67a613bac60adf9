#include "history/HistoryStore.h"

#include "common/TextCatalogue.h"
#include "history/HistorySchema.h"
#include "history/SqliteFailure.h"

#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace {

constexpr const char* kInsert =
    "INSERT INTO events (time_ms, profile, directory, kind, fields_set, fields_total, address) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)";
constexpr const char* kColumns =
    "time_ms, profile, directory, kind, fields_set, fields_total, address";

std::string SelectAll()
{
    return std::string("SELECT ") + kColumns + " FROM events ORDER BY time_ms DESC, id DESC";
}

// The newest event of each pair first; then, where it is not that one, the pair's newest
// confirmation by e-mail, which the report has a column of its own for.
std::string SelectLast()
{
    return std::string("SELECT ") + kColumns +
           " FROM (SELECT *, row_number() OVER (PARTITION BY profile, directory"
           " ORDER BY time_ms DESC, id DESC) AS newness, row_number() OVER (PARTITION BY"
           " profile, directory, kind ORDER BY time_ms DESC, id DESC) AS kind_newness"
           " FROM events) WHERE newness = 1 OR (kind = 'confirmed_by_email' AND"
           " kind_newness = 1) ORDER BY newness";
}

bool CannotBeWritten(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return access(path.c_str(), W_OK) != 0 ||
           access(folder.empty() ? "." : folder.c_str(), W_OK) != 0;
}

// The file as an SQLite address that promises it will not change while it is open.
std::string ImmutableAddress(const std::string& path)
{
    constexpr std::string_view kPlain = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                        "0123456789-._~/";
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string address = "file:";
    for (const char c : path) {
        if (kPlain.find(c) != std::string_view::npos) {
            address += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        address += '%';
        address += kHex[byte >> 4];
        address += kHex[byte & 0xF];
    }
    return address + "?immutable=1";
}

} // namespace

HistoryOutcome CHistoryStore::Open(const std::string& path, const char* vfs)
{
    return OpenWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, vfs,
                    &CHistoryStore::Configure);
}

HistoryOutcome CHistoryStore::OpenToRead(const std::string& path)
{
    HistoryOutcome outcome =
        OpenWith(path, SQLITE_OPEN_READWRITE, nullptr, &CHistoryStore::Configure);
    if (outcome.ok || !CannotBeWritten(path))
        return outcome;
    // In write-ahead logging SQLite writes beside the file even to read it. Nothing can write
    // this file, so it cannot change while it is read either.
    return OpenWith(ImmutableAddress(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr,
                    &CHistoryStore::CheckLayout);
}

HistoryOutcome CHistoryStore::OpenWith(const std::string& target, int flags, const char* vfs,
                                       Settle settle)
{
    Close();
    sqlite3* db = nullptr;
    const int result = sqlite3_open_v2(target.c_str(), &db, flags, vfs);
    m_db.reset(db);
    if (result != SQLITE_OK) {
        HistoryOutcome failure = Failure();
        Close();
        return failure;
    }
    sqlite3_busy_timeout(m_db.get(), kBusyTimeoutMs);
    HistoryOutcome outcome = (this->*settle)();
    if (outcome.ok)
        outcome = Prepare(m_insert, kInsert);
    if (outcome.ok)
        outcome = Prepare(m_selectAll, SelectAll().c_str());
    if (outcome.ok)
        outcome = Prepare(m_selectLast, SelectLast().c_str());
    if (!outcome.ok)
        Close();
    return outcome;
}

void CHistoryStore::Close()
{
    m_insert = {};
    m_selectAll = {};
    m_selectLast = {};
    m_db.reset();
}

bool CHistoryStore::HasMoved() const
{
    int moved = 0;
    return m_db &&
           sqlite3_file_control(m_db.get(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
           moved != 0;
}

HistoryOutcome CHistoryStore::CloseMoved()
{
    if (!m_db)
        return {};
    CSqliteStatement checkpoint;
    if (!checkpoint.Prepare(m_db.get(), "PRAGMA wal_checkpoint(TRUNCATE)") ||
        checkpoint.Step() != SQLITE_ROW)
        return Failure();
    // A reader of the old file keeps its log from being emptied, though not from being written
    // into the file. The log left then is harmless only where a new file is to be started:
    // SQLite disregards a log beside an empty file.
    const bool emptied = checkpoint.ColumnInt(0) == 0;
    const bool written = checkpoint.ColumnInt(1) == checkpoint.ColumnInt(2);
    std::error_code error;
    const bool pathFree =
        !std::filesystem::exists(sqlite3_db_filename(m_db.get(), "main"), error) && !error;
    if (!emptied && !(written && pathFree))
        return {false, sqlite3_errstr(SQLITE_BUSY), true};
    checkpoint = {};
    Close();
    return {};
}

HistoryOutcome CHistoryStore::Configure()
{
    sqlite3* db = m_db.get();
    // A write-protected file opens read-only without complaint; find out now, not at the first
    // event.
    if (sqlite3_db_readonly(db, "main") == 1)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_READONLY));
    // Settled before anything is written, so that a file that is not SQLite, or one of a newer
    // layout, is left exactly as it was.
    if (HistoryOutcome layout = history_schema::Migrate(db); !layout.ok)
        return layout;
    CSqliteStatement journal;
    if (!journal.Prepare(db, "PRAGMA journal_mode = WAL") || journal.Step() != SQLITE_ROW)
        return Failure();
    if (journal.ColumnBytes(0) != "wal")
        return HistoryOutcome::Failed(
            KESTRINE_TEXT("HistoryStore", "the file cannot be switched to write-ahead logging"));
    journal = {};
    // In WAL mode NORMAL still never corrupts the file; a power cut may only lose the last
    // events, and sv.dat, not the history, holds the sent marks.
    if (sqlite3_exec(db, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Failure();
    return {};
}

HistoryOutcome CHistoryStore::CheckLayout()
{
    return history_schema::CheckReadable(m_db.get(), history_schema::kEventsUnchangedSince);
}

HistoryOutcome CHistoryStore::Prepare(CSqliteStatement& statement, const char* sql)
{
    return statement.Prepare(m_db.get(), sql) ? HistoryOutcome{} : Failure();
}

HistoryOutcome CHistoryStore::Failure()
{
    return m_db ? SqliteFailure(m_db.get()) : HistoryOutcome::Failed(sqlite3_errstr(SQLITE_NOMEM));
}

HistoryOutcome CHistoryStore::Append(const HistoryEvent& event)
{
    if (!m_db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_MISUSE));
    m_insert.BindInt(1, event.timeUtcMs);
    m_insert.BindBytes(2, event.profile);
    m_insert.BindBytes(3, event.directory);
    m_insert.BindText(4, KindName(event.kind));
    if (event.kind == HistoryEventKind::Filled) {
        m_insert.BindInt(5, event.fieldsSet);
        m_insert.BindInt(6, event.fieldsTotal);
    }
    m_insert.BindText(7, event.pageAddress);
    const int result = m_insert.Step();
    m_insert.Reset();
    return result == SQLITE_DONE ? HistoryOutcome{} : Failure();
}

HistoryOutcome CHistoryStore::AppendAll(const std::vector<HistoryEvent>& events)
{
    if (HistoryOutcome begin = Execute("BEGIN IMMEDIATE"); !begin.ok)
        return begin;
    for (const HistoryEvent& event : events) {
        if (HistoryOutcome appended = Append(event); !appended.ok) {
            Execute("ROLLBACK");
            return appended;
        }
    }
    HistoryOutcome committed = Execute("COMMIT");
    if (!committed.ok)
        Execute("ROLLBACK");
    return committed;
}

HistoryOutcome CHistoryStore::Execute(const char* sql)
{
    if (!m_db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_MISUSE));
    return sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK ? HistoryOutcome{}
                                                                                 : Failure();
}

HistoryOutcome CHistoryStore::ReadEvents(std::vector<HistoryEvent>& events)
{
    return ReadAll(m_selectAll, events);
}

HistoryOutcome CHistoryStore::ReadLastEvents(std::vector<HistoryEvent>& events)
{
    return ReadAll(m_selectLast, events);
}

HistoryOutcome CHistoryStore::ReadAll(CSqliteStatement& statement,
                                      std::vector<HistoryEvent>& events)
{
    if (!m_db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_MISUSE));
    events.clear();
    int result = SQLITE_ROW;
    while ((result = statement.Step()) == SQLITE_ROW) {
        // A kind this version does not know (written by hand, or by a tool) is skipped rather
        // than shown as something it is not.
        const std::optional<HistoryEventKind> kind = KindFromName(statement.ColumnBytes(3));
        if (!kind)
            continue;
        events.push_back({statement.ColumnInt(0), statement.ColumnBytes(1),
                          statement.ColumnBytes(2), *kind, static_cast<int>(statement.ColumnInt(4)),
                          static_cast<int>(statement.ColumnInt(5)), statement.ColumnBytes(6)});
    }
    statement.Reset();
    return result == SQLITE_DONE ? HistoryOutcome{} : Failure();
}
