#pragma once

#include <cstdint>
#include <string>

// "2026-12-07T13:31:34+01:00": the moment in the user's time zone (TZ, or the system's), in
// ISO 8601 with the zone's offset at that moment, so that it reads as the user's own time and
// still names one instant everywhere.
std::string FormatIsoLocalTime(int64_t timeUtcMs);
