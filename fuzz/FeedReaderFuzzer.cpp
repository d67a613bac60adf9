// Reads arbitrary bytes as a feed and as a web page: nothing may crash or fetch, and whatever
// the reader reports must be plain, valid UTF-8 text on one line.
#include "feeds/Base64.h"
#include "feeds/FeedDate.h"
#include "feeds/FeedDiscovery.h"
#include "feeds/FeedReader.h"
#include "feeds/FeedReportJson.h"

#include <cstdint>
#include <cstdlib>
#include <libxml/xmlstring.h>
#include <string>

namespace {

void RequirePlainLine(const std::string& text)
{
    if (xmlCheckUTF8(reinterpret_cast<const xmlChar*>(text.c_str())) == 0)
        std::abort();
    if (text.find_first_of("\n\r\t") != std::string::npos)
        std::abort();
    if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        std::abort();
}

void CheckReport(const FeedReport& report, size_t size)
{
    for (const std::string* text : {&report.title, &report.link, &report.description,
                                    &report.language, &report.version, &report.newest})
        RequirePlainLine(*text);
    // A feed that is not read at all has no items; every item takes bytes of the file.
    if ((!report.wellFormed && report.items > 0) || report.items > size / 6)
        std::abort();
    if (report.IsUsable() && (report.title.empty() || report.link.empty()))
        std::abort();
    for (const FeedProblem& problem : report.problems) {
        if (problem.message.empty() || problem.line < 0 || problem.column < 0)
            std::abort();
    }
    const std::string json = FeedReportToJson(report);
    if (json.front() != '{' || json.back() != '}')
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckReport(ReadFeed(bytes), size);
    if (LooksLikeHtmlPage(bytes)) {
        for (const DiscoveredFeed& feed : DiscoverFeeds(bytes, "http://fuzz.example/a/b.html")) {
            if (feed.address.empty())
                std::abort();
        }
    }
    const std::string head = bytes.substr(0, 64);
    if (const auto time = ParseFeedDate(head))
        FormatFeedTime(*time);
    DecodeBase64(head);
    return 0;
}
