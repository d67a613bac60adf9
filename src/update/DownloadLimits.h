#pragma once

#include <chrono>
#include <cstdint>

// How long and how much an update may take before it is given up. The defaults are the
// program's; tests shorten them.
struct DownloadLimits
{
    std::chrono::milliseconds connectTimeout{std::chrono::seconds(15)};
    // A transfer slower than `lowSpeedBytesPerSecond` for `lowSpeedTime` has stalled.
    long lowSpeedBytesPerSecond = 1;
    std::chrono::seconds lowSpeedTime{30};
    uint64_t maxBytes = uint64_t{64} * 1024 * 1024;
};
