#pragma once

#include <cstdint>
#include <string>

// Milliseconds since 1970-01-01 00:00 UTC, from the system's wall clock.
int64_t SystemUtcMilliseconds();

// "2026-12-07 12:31:34" in UTC: sorts as text and reads the same everywhere.
std::string FormatUtcTime(int64_t timeUtcMs);
