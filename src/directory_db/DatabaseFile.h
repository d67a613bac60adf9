#pragma once

#include <optional>
#include <string>

// The whole content of the database file at `path`; nullopt when it cannot be read or is larger
// than any database the program accepts.
std::optional<std::string> ReadDatabaseFile(const std::string& path);
