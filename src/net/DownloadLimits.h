#pragma once

#include <chrono>
#include <cstdint>

// How long and how much a transfer may take before it is given up. Each use has its own
// deadline; tests shorten any of them.
struct DownloadLimits
{
    std::chrono::milliseconds connectTimeout{std::chrono::seconds(15)};
    // The whole transfer, connection included, however steadily the bytes arrive: a server that
    // drips a few bytes a second must not keep a check or an update alive for ever.
    std::chrono::milliseconds deadline{std::chrono::seconds(120)};
    // A transfer slower than `lowSpeedBytesPerSecond` for `lowSpeedTime` has stalled. Even a
    // poor mobile link brings several kilobytes a second.
    long lowSpeedBytesPerSecond = 512;
    std::chrono::seconds lowSpeedTime{15};
    uint64_t maxBytes = uint64_t{64} * 1024 * 1024;
    // False: an answer that announces more than maxBytes is refused before it starts. True: its
    // first maxBytes are read and the rest is left, whatever length it announces; the receiver
    // stops it there.
    bool firstBytesWillDo = false;

    // The directory database download.
    static DownloadLimits ForUpdate() { return {}; }

    // A feed is small, and the user (or a script) waits for the answer.
    static DownloadLimits ForFeedCheck()
    {
        DownloadLimits limits;
        limits.deadline = std::chrono::seconds(30);
        return limits;
    }

    // One directory's submission page, of the many a check fetches at once.
    static DownloadLimits ForDirectoryCheck()
    {
        DownloadLimits limits = ForFeedCheck();
        limits.maxBytes = uint64_t{4} * 1024 * 1024;
        // A page's form is in its first megabytes.
        limits.firstBytesWillDo = true;
        return limits;
    }
};
