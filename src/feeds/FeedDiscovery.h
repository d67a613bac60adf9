#pragma once

#include "feeds/DiscoveredFeed.h"

#include <string>
#include <string_view>
#include <vector>

// True when the bytes begin as a web page does (after a byte order mark, white space,
// comments, an XML declaration): with <!DOCTYPE html> or an <html> element.
bool LooksLikeHtmlPage(std::string_view bytes);

// The feeds a web page announces with <link rel="alternate"> and an RSS, Atom or RDF type,
// in page order without repeats, their addresses resolved against <base href> or else
// `pageAddress`.
std::vector<DiscoveredFeed> DiscoverFeeds(std::string_view html, const std::string& pageAddress);
