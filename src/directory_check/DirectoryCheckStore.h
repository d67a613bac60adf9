#pragma once

#include "directory_check/DirectoryCheckResult.h"
#include "history/HistoryOutcome.h"
#include "history/SqliteStatement.h"

#include <string>
#include <vector>

// The last check of each directory, kept in history.sqlite beside the events: one row per
// directory, replaced by a later check. One instance per thread, like CHistoryStore.
class CDirectoryCheckStore final
{
public:
    // Opens or creates the file and brings its layout up to date.
    HistoryOutcome Open(const std::string& path);
    bool IsOpen() const { return m_db != nullptr; }

    // Replaces the rows of the results' directories, all in one transaction.
    HistoryOutcome Save(const std::vector<DirectoryCheckResult>& results);
    // Every directory's last check, in no particular order. A status this version does not
    // know is left out.
    HistoryOutcome ReadAll(std::vector<DirectoryCheckResult>& results);

private:
    HistoryOutcome Failure() const;
    HistoryOutcome Execute(const char* sql) const;

    SqliteConnection m_db; // declared first: closed after the statements
    CSqliteStatement m_replace;
    CSqliteStatement m_selectAll;
};
