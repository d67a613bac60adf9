#include "history/HistorySchema.h"

#include "common/TextCatalogue.h"
#include "history/HistoryStore.h"
#include "history/SqliteFailure.h"
#include "history/SqliteStatement.h"

#include <array>
#include <string>

namespace history_schema {
namespace {

struct Migration
{
    int toVersion;
    const char* sql;
};

// Append a step to change the layout; never edit one that has shipped.
constexpr std::array kMigrations{
    Migration{1, R"sql(
        CREATE TABLE events (
            id INTEGER PRIMARY KEY,
            time_ms INTEGER NOT NULL,
            profile BLOB NOT NULL,
            directory BLOB NOT NULL,
            kind TEXT NOT NULL,
            fields_set INTEGER,
            fields_total INTEGER,
            address TEXT NOT NULL
        );
        CREATE INDEX events_by_pair ON events (profile, directory, time_ms, id);
    )sql"},
    // The last check of each directory's address and form; missing_fields holds the names,
    // each ended by a zero byte.
    Migration{2, R"sql(
        CREATE TABLE directory_checks (
            directory BLOB PRIMARY KEY,
            time_ms INTEGER NOT NULL,
            status TEXT NOT NULL,
            http_status INTEGER NOT NULL,
            address TEXT NOT NULL,
            final_address TEXT NOT NULL,
            missing_fields BLOB NOT NULL,
            message TEXT NOT NULL
        );
    )sql"},
    // A check's message is kept as its finding's name and number, put into words when shown;
    // message keeps the words of the rows written before, finding is empty in those.
    Migration{3, R"sql(
        ALTER TABLE directory_checks ADD COLUMN finding TEXT NOT NULL DEFAULT '';
        ALTER TABLE directory_checks ADD COLUMN finding_number INTEGER NOT NULL DEFAULT 0;
    )sql"},
    // The option the user picked by hand on a directory's category list, for the profiles of
    // one category and subcategory; list is the select's name (else its id), as a page may hold
    // more than one category list.
    Migration{4, R"sql(
        CREATE TABLE category_choices (
            directory BLOB NOT NULL,
            category BLOB NOT NULL,
            subcategory BLOB NOT NULL,
            list TEXT NOT NULL,
            option_value TEXT NOT NULL,
            option_text TEXT NOT NULL,
            option_group TEXT NOT NULL,
            PRIMARY KEY (directory, category, subcategory, list)
        );
    )sql"},
};
static_assert(kMigrations.back().toVersion == kCurrentVersion);

HistoryOutcome Execute(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        return SqliteFailure(db);
    return {};
}

HistoryOutcome ReadVersion(sqlite3* db, int& version)
{
    CSqliteStatement statement;
    if (!statement.Prepare(db, "PRAGMA user_version") || statement.Step() != SQLITE_ROW)
        return SqliteFailure(db);
    version = static_cast<int>(statement.ColumnInt(0));
    return {};
}

HistoryOutcome WrittenByANewerVersion(int version)
{
    return HistoryOutcome::Failed(
        FillIn(KESTRINE_TEXT("HistoryStore", "it was written by a newer version of the program "
                                             "(layout %1, this one knows up to %2)"),
               {std::to_string(version), std::to_string(kCurrentVersion)}));
}

HistoryOutcome ApplyFrom(sqlite3* db, int version)
{
    if (version > kCurrentVersion)
        return WrittenByANewerVersion(version);
    for (const Migration& migration : kMigrations) {
        if (migration.toVersion <= version)
            continue;
        if (HistoryOutcome step = Execute(db, migration.sql); !step.ok)
            return step;
        const std::string setVersion =
            "PRAGMA user_version = " + std::to_string(migration.toVersion);
        if (HistoryOutcome step = Execute(db, setVersion.c_str()); !step.ok)
            return step;
    }
    return {};
}

} // namespace

HistoryOutcome Migrate(sqlite3* db)
{
    int version = 0;
    if (HistoryOutcome read = ReadVersion(db, version); !read.ok)
        return read;
    if (version == kCurrentVersion)
        return {};
    if (HistoryOutcome begin = Execute(db, "BEGIN IMMEDIATE"); !begin.ok)
        return begin;
    // Read again under the write lock: another instance may have migrated in between.
    HistoryOutcome outcome = ReadVersion(db, version);
    if (outcome.ok)
        outcome = ApplyFrom(db, version);
    if (outcome.ok)
        outcome = Execute(db, "COMMIT");
    if (!outcome.ok)
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return outcome;
}

HistoryOutcome CheckReadable(sqlite3* db, int oldestReadable)
{
    int version = 0;
    if (HistoryOutcome read = ReadVersion(db, version); !read.ok)
        return read;
    if (version > kCurrentVersion)
        return WrittenByANewerVersion(version);
    if (version < oldestReadable)
        return HistoryOutcome::Failed(KESTRINE_TEXT(
            "HistoryStore", "it has the layout of an older version of the program, and cannot be "
                            "written to bring it up to date"));
    return {};
}

HistoryOutcome OpenFile(const std::string& path, int oldestReadable, SqliteConnection& db)
{
    sqlite3* opened = nullptr;
    const int result =
        sqlite3_open_v2(path.c_str(), &opened, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db.reset(opened);
    if (!db)
        return HistoryOutcome::Failed(sqlite3_errstr(SQLITE_NOMEM));
    HistoryOutcome outcome = result == SQLITE_OK ? HistoryOutcome{} : SqliteFailure(opened);
    if (outcome.ok) {
        sqlite3_busy_timeout(opened, CHistoryStore::kBusyTimeoutMs);
        outcome = Migrate(opened);
    }
    if (!outcome.ok && sqlite3_db_readonly(opened, "main") == 1)
        outcome = CheckReadable(opened, oldestReadable);
    if (!outcome.ok)
        db.reset();
    return outcome;
}

} // namespace history_schema
