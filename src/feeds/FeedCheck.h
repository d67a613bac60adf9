#pragma once

#include "feeds/FeedFetcher.h"
#include "feeds/FeedReport.h"

#include <atomic>
#include <string>
#include <string_view>

// Checks a feed address or a feed file: fetches or reads it, reads the feed, and when the
// address answers with a web page, lists the feeds that page announces.
class CFeedCheck final
{
public:
    // `fetcher` must outlive the check.
    explicit CFeedCheck(const CFeedFetcher& fetcher);

    // `target` is an http or https address, a file that exists, or an address without its
    // "http://". Stops soon after *cancel becomes true, when given.
    FeedReport Check(const std::string& target, const std::atomic<bool>* cancel = nullptr) const;

    // What a document says about itself; `address` resolves the feeds a page announces.
    static FeedReport Evaluate(std::string_view bytes, const std::string& address);

private:
    FeedReport CheckAddress(const std::string& address, const std::atomic<bool>* cancel) const;
    static FeedReport CheckFile(const std::string& path);

    const CFeedFetcher& m_fetcher;
};
