#pragma once

#include <cstdint>

// Milliseconds since 1970-01-01 00:00 UTC, from the system's wall clock.
int64_t SystemUtcMilliseconds();
