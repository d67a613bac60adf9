#pragma once

#include <string>

// A feed that a web page announces with <link rel="alternate">.
struct DiscoveredFeed
{
    std::string address; // absolute, resolved against the page's address
    std::string title;   // the link's title attribute, maybe empty
    std::string type;    // the media type as the page wrote it

    bool operator==(const DiscoveredFeed&) const = default;
};
