#pragma once

#include "directory_check/DirectoryCheckResult.h"
#include "directory_check/DirectoryCheckTarget.h"
#include "net/CurlLibrary.h"
#include "net/DownloadLimits.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

struct DirectoryCheckOptions
{
    size_t maxTransfers = 16;
    // Directory sites are often small servers sharing one machine; more would look like an
    // attack.
    size_t maxPerHost = 2;
    DownloadLimits limits = DownloadLimits::ForDirectoryCheck();
};

// Fetches many directories' submission addresses at once over libcurl's multi interface, all on
// the calling thread, and judges each answer.
class CDirectoryChecker final
{
public:
    // Told each result as soon as its directory is judged, with the directory's place in the
    // targets, on the thread that runs the check.
    using ResultCallback = std::function<void(size_t target, const DirectoryCheckResult& result)>;
    using UtcClock = std::function<int64_t()>;

    // `library` must outlive the checker. `clock` gives the time stored with each result.
    explicit CDirectoryChecker(DirectoryCheckOptions options = {},
                               const CCurlLibrary& library = CCurlLibrary::Shared(),
                               UtcClock clock = {});

    // Checks every target unless cancelled. True when each was reported; false when the check
    // was cancelled (the targets not reported were not judged) or libcurl is missing.
    bool Run(const std::vector<DirectoryCheckTarget>& targets, const ResultCallback& onResult);

    // Stops a running check at once, from any thread, or the next one before it starts. A
    // cancelled checker stays cancelled: a new one resumes the work.
    void Cancel();
    bool WasCancelled() const { return m_cancel; }

private:
    struct Transfer;

    DirectoryCheckOptions m_options;
    const CCurlLibrary& m_library;
    UtcClock m_clock;
    std::atomic<bool> m_cancel{false};
    std::mutex m_multiMutex; // guards m_multi against Cancel() from another thread
    CURLM* m_multi = nullptr;
};
