#pragma once

#include "feeds/DiscoveredFeed.h"
#include "feeds/FeedProblem.h"

#include <cstddef>
#include <string>
#include <vector>

enum class FeedKind
{
    None, // not a feed, or not readable at all
    Rss,  // RSS 0.9x, 2.0 and RSS 1.0 (RDF)
    Atom, // Atom 0.3 and 1.0
};

// "rss", "atom", or "" for None.
const char* FeedKindName(FeedKind kind);

// A category the feed gives itself ("Technology", subcategory "Software").
struct FeedCategory
{
    std::string name;
    std::string subcategory;

    bool operator==(const FeedCategory&) const = default;
};

// What checking a feed found. Texts are plain UTF-8 text: no markup, entities decoded, white
// space collapsed.
struct FeedReport
{
    FeedKind kind = FeedKind::None;
    bool wellFormed = false; // the bytes are well-formed XML within the limits
    std::string version;     // "2.0", "0.91", "1.0", "0.90", "0.3", …; empty when unknown
    std::string title;
    std::string link; // the site the feed belongs to (Atom: the alternate link)
    std::string description;
    std::string language;
    std::vector<FeedCategory> categories;
    size_t items = 0;
    std::string newest; // the newest item date, "YYYY-MM-DDThh:mm:ssZ"; empty when none
    // Filled when the address answered with a web page instead of a feed.
    std::vector<DiscoveredFeed> discovered;
    // The address that answered in the end, when the server redirected the request.
    std::string redirectedTo;
    std::vector<FeedProblem> problems;

    bool IsUsable() const { return kind != FeedKind::None && problems.empty(); }
};
