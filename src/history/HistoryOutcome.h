#pragma once

#include <string>

// What became of a history operation: on failure, `error` is SQLite's own account of it
// ("database is locked", "file is not a database", "database or disk is full").
struct HistoryOutcome
{
    bool ok = true;
    std::string error;

    static HistoryOutcome Failed(std::string error) { return {false, std::move(error)}; }
};
