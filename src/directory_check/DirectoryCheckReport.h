#pragma once

#include "directory_check/DirectoryCheckResult.h"

#include <string>
#include <vector>

// The results as a table for people: one line per directory (status, HTTP status, name, what
// was found), then a line counting each status.
std::string DirectoryCheckTable(const std::vector<DirectoryCheckResult>& results);

// The results as one JSON object for scripts:
// {"directories": [{"name", "address", "status", "httpStatus", "finalAddress", "missingFields",
// "message"}, …], "summary": {"ok": n, …}} with every status in the summary.
std::string DirectoryCheckJson(const std::vector<DirectoryCheckResult>& results);
