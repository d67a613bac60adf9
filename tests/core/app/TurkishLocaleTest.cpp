// Under a Turkish desktop the C library lowers 'I' to 'I' (its small letter is the dotless ı,
// not one byte): protocol text in capitals must still read as in small letters.
#include "directory_check/AnswerReader.h"
#include "feeds/FeedDiscovery.h"
#include "net/CurlLibrary.h"
#include "net/CurlTransfer.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct CaseRow
{
    const char* label;
    std::string (*read)(const std::string& text);
    const char* capitals;
    const char* smallLetters;
};

void PrintTo(const CaseRow& row, std::ostream* out)
{
    *out << row.label;
}

std::string FeedsAnnounced(const std::string& html)
{
    std::string addresses;
    for (const DiscoveredFeed& feed : DiscoverFeeds(html, "http://127.0.0.1/blog/"))
        addresses += feed.address + ' ';
    return addresses;
}

std::string Server(const std::string& address)
{
    return ServerOf(CCurlLibrary::Shared(), address);
}

// A redirect that comes round again is a loop only when its Location header is read.
std::string RedirectTwice(const std::string& locationLine)
{
    CAnswerReader reader(1024);
    bool going = true;
    for (int round = 0; round < 2 && going; ++round) {
        for (const std::string line :
             {std::string("HTTP/1.1 301 Moved\r\n"), locationLine, std::string("\r\n")})
            going = going && reader.OnHeaderLine(line, "http://127.0.0.1/a");
    }
    return reader.Answer().redirectLoop ? "loop" : "no loop";
}

class TurkishLocaleTest : public ::testing::TestWithParam<CaseRow>
{
};

TEST_P(TurkishLocaleTest, ReadsCapitalsAsSmallLetters)
{
    const ScopedLocale turkish("tr_TR.UTF-8");
    ASSERT_TRUE(turkish.IsSet()) << "scripts/install-deps generates the locale tr_TR.UTF-8";
    const CaseRow& row = GetParam();
    const std::string expected = row.read(row.smallLetters);
    EXPECT_EQ(row.read(row.capitals), expected);
    EXPECT_NE(expected, row.read("")) << "the row reads something";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TurkishLocaleTest,
    ::testing::Values(
        CaseRow{"feed_link_type", &FeedsAnnounced,
                R"(<html><LINK REL="ALTERNATE" TYPE="APPLICATION/RSS+XML" HREF="/feed">)",
                R"(<html><link rel="alternate" type="application/rss+xml" href="/feed">)"},
        CaseRow{"host_name", &Server, "http://WIKI.IO/submit", "http://wiki.io/submit"},
        CaseRow{"header_name", &RedirectTwice, "LOCATION: /b\r\n", "location: /b\r\n"}),
    [](const ::testing::TestParamInfo<CaseRow>& info) { return info.param.label; });

} // namespace
