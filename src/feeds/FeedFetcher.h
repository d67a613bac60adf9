#pragma once

#include "net/CurlLibrary.h"
#include "net/DownloadLimits.h"

#include <atomic>
#include <string>

// What fetching a feed address brought.
struct FeedFetchResult
{
    bool ok = false; // a complete answer with status 200 is in `bytes`
    std::string bytes;
    std::string finalAddress; // the address that answered, after redirects
    long redirects = 0;
    bool cancelled = false;
    std::string error; // in the user's words, when not ok
};

// Fetches a feed address within the feed check's limits, with the program's user agent. Runs on the
// calling thread; meant for a worker.
class CFeedFetcher final
{
public:
    // `library` must outlive the fetcher.
    explicit CFeedFetcher(DownloadLimits limits = DownloadLimits::ForFeedCheck(),
                          const CCurlLibrary& library = CCurlLibrary::Shared());

    // Stops soon after *cancel becomes true, when given.
    FeedFetchResult Fetch(const std::string& address,
                          const std::atomic<bool>* cancel = nullptr) const;

private:
    DownloadLimits m_limits;
    const CCurlLibrary& m_library;
};
