#pragma once

#include "history/HistoryOutcome.h"
#include "history/SqliteStatement.h"

#include <sqlite3.h>
#include <string>

// The layout of history.sqlite. Its version lives in PRAGMA user_version: 0 is a new, empty
// file; every later version is reached from the one before by one step of the migration list.
namespace history_schema {

inline constexpr int kCurrentVersion = 4;

// Brings the database to kCurrentVersion in one transaction, so another instance of the program
// starting at the same moment sees either the old layout or the finished new one. A file written
// by a newer version is left alone and reported: this version does not know its layout.
HistoryOutcome Migrate(sqlite3* db);

// The events table is as it is now since this layout: the later steps changed other tables.
inline constexpr int kEventsUnchangedSince = 1;
// The layout that first kept directory checks.
inline constexpr int kChecksKeptSince = 2;
// The layout that first kept the user's own category choices.
inline constexpr int kCategoryChoicesKeptSince = 4;

// For a file that cannot be written, and so cannot be migrated: fails unless its layout is
// `oldestReadable` or later, up to the current one; the reader needs none of the later steps.
HistoryOutcome CheckReadable(sqlite3* db, int oldestReadable);

// Opens or creates the file, shared with the recorder and perhaps another instance of the
// program, and brings its layout up to date. A file that cannot be written is read as it
// stands, when its layout is `oldestReadable` or later; sqlite3_db_readonly tells it then.
// `db` is empty on failure.
HistoryOutcome OpenFile(const std::string& path, int oldestReadable, SqliteConnection& db);

} // namespace history_schema
