#pragma once

#include <string>

// What became of a history operation: on failure, `error` is SQLite's own account of it
// ("database is locked", "file is not a database", "database or disk is full").
struct HistoryOutcome
{
    bool ok = true;
    std::string error;
    // Another connection held the file's lock for longer than the busy timeout: the same
    // operation may well succeed once it lets go.
    bool busy = false;

    static HistoryOutcome Failed(std::string error) { return {false, std::move(error)}; }
};
