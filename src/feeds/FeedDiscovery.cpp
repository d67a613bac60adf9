#include "feeds/FeedDiscovery.h"

#include "common/AsciiCase.h"
#include "directory_db/UntrustedXml.h"
#include "directory_db/XmlNodes.h"
#include "feeds/FeedNodes.h"
#include "feeds/PlainText.h"

#include <algorithm>
#include <array>
#include <libxml/HTMLparser.h>
#include <sstream>

namespace {

// Drops what may come before the first tag or declaration of a document.
std::string_view SkipProlog(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    for (;;) {
        const size_t start = text.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos)
            return {};
        text.remove_prefix(start);
        const char* close = text.starts_with("<!--") ? "-->"
                            : text.starts_with("<?") ? "?>"
                                                     : nullptr;
        if (!close)
            return text;
        const size_t end = text.find(close);
        if (end == std::string_view::npos)
            return {};
        text.remove_prefix(end + std::char_traits<char>::length(close));
    }
}

bool IsFeedType(const std::string& type)
{
    static constexpr std::array kTypes = {"application/rss+xml", "application/atom+xml",
                                          "application/rdf+xml"};
    const std::string bare = AsciiLowerCase(CollapseWhiteSpace(type.substr(0, type.find(';'))));
    return std::find(kTypes.begin(), kTypes.end(), bare) != kTypes.end();
}

bool HasAlternateRel(const std::string& rel)
{
    std::istringstream tokens(AsciiLowerCase(rel));
    std::string token;
    while (tokens >> token) {
        if (token == "alternate")
            return true;
    }
    return false;
}

// Elements in document order; HTML names come out lower case from libxml2's parser.
std::vector<const xmlNode*> ElementsNamed(const xmlDoc& doc, const char* name)
{
    std::vector<const xmlNode*> found;
    WalkNodes(
        doc.children,
        [&](const xmlNode* node) {
            if (IsElementNamed(node, name))
                found.push_back(node);
            return true;
        },
        [](const xmlNode*) {});
    return found;
}

std::string BaseAddress(const xmlDoc& doc, const std::string& pageAddress)
{
    for (const xmlNode* base : ElementsNamed(doc, "base")) {
        const std::string href = CollapseWhiteSpace(ReadAttribute(base, "href").value_or(""));
        if (!href.empty())
            return ResolveAddress(href, pageAddress);
    }
    return pageAddress;
}

} // namespace

bool LooksLikeHtmlPage(std::string_view bytes)
{
    const std::string_view start = SkipProlog(bytes.substr(0, 64 * 1024));
    if (StartsWithNoCase(start, "<!doctype")) {
        const std::string_view rest = start.substr(9);
        const size_t name = rest.find_first_not_of(" \t\r\n");
        return name != std::string_view::npos && StartsWithNoCase(rest.substr(name), "html");
    }
    return StartsWithNoCase(start, "<html") &&
           (start.size() == 5 ||
            std::string_view(" \t\r\n>").find(start[5]) != std::string_view::npos);
}

std::vector<DiscoveredFeed> DiscoverFeeds(std::string_view html, const std::string& pageAddress)
{
    if (html.empty() || html.size() > kMaxUntrustedXmlBytes)
        return {};
    InitUntrustedXml();
    constexpr int kOptions =
        HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
    const XmlDocumentPtr doc(
        htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, nullptr, kOptions));
    if (!doc)
        return {};
    const std::string base = BaseAddress(*doc, pageAddress);
    std::vector<DiscoveredFeed> feeds;
    for (const xmlNode* link : ElementsNamed(*doc, "link")) {
        const std::string type = CollapseWhiteSpace(ReadAttribute(link, "type").value_or(""));
        const std::string href = CollapseWhiteSpace(ReadAttribute(link, "href").value_or(""));
        if (href.empty() || !IsFeedType(type) ||
            !HasAlternateRel(ReadAttribute(link, "rel").value_or("")))
            continue;
        DiscoveredFeed feed{ResolveAddress(href, base),
                            CollapseWhiteSpace(ReadAttribute(link, "title").value_or("")), type};
        const bool seen = std::any_of(feeds.begin(), feeds.end(), [&](const DiscoveredFeed& f) {
            return f.address == feed.address;
        });
        if (!seen)
            feeds.push_back(std::move(feed));
    }
    return feeds;
}
