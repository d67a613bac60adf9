// Telling a web page from a feed, and finding the feeds a page announces.
#include "feeds/FeedDiscovery.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

struct PageCase
{
    const char* start;
    bool isPage;
};

class LooksLikeHtmlPageTest : public ::testing::TestWithParam<PageCase>
{
};

TEST_P(LooksLikeHtmlPageTest, LooksOnlyAtHowTheDocumentBegins)
{
    EXPECT_EQ(LooksLikeHtmlPage(GetParam().start), GetParam().isPage) << GetParam().start;
}

INSTANTIATE_TEST_SUITE_P(
    Starts, LooksLikeHtmlPageTest,
    ::testing::Values(PageCase{"<!DOCTYPE html><p>", true}, PageCase{"<!doctype HTML PUBLIC", true},
                      PageCase{"\xEF\xBB\xBF  <!-- x --><HTML lang=en>", true},
                      PageCase{"<?xml version=\"1.0\"?>\n<html xmlns=\"x\">", true},
                      PageCase{"<html>", true}, PageCase{"<rss><![CDATA[<html>]]>", false},
                      PageCase{"<htmlish/>", false}, PageCase{"<!DOCTYPE rss>", false},
                      PageCase{"<!-- <html> ", false}, PageCase{"", false}));

TEST(FeedDiscovery, ListsAnnouncedFeedsResolvedAgainstThePage)
{
    const char* const page = R"(<!DOCTYPE html><html><head>
        <link rel="stylesheet" type="text/css" href="s.css">
        <LINK REL="Alternate" TYPE="application/RSS+xml" title=" Posts " href="/feed.xml">
        <link rel="alternate" type="application/atom+xml; charset=utf-8" href="atom">
        <link rel="alternate" type="text/html" hreflang="de" href="/de/">
        <link rel="alternate" type="application/rss+xml" href="http://kestrel.example/feed.xml">
        <link rel="alternate feed" type="application/rdf+xml" href="//cdn.example/r.rdf">
        <link rel="alternate" type="application/rss+xml" href="">
        </head><body><p>Unclosed <b>tags</body>)";
    EXPECT_THAT(DiscoverFeeds(page, "http://kestrel.example/blog/index.html"),
                ElementsAre(DiscoveredFeed{"http://kestrel.example/feed.xml", "Posts",
                                           "application/RSS+xml"},
                            DiscoveredFeed{"http://kestrel.example/blog/atom", "",
                                           "application/atom+xml; charset=utf-8"},
                            DiscoveredFeed{"http://cdn.example/r.rdf", "", "application/rdf+xml"}));
}

TEST(FeedDiscovery, ResolvesAgainstTheBaseElement)
{
    const char* const page = R"(<html><head><base href="https://static.example/b/">
        <link rel="alternate" type="application/atom+xml" href="a.xml"></head></html>)";
    EXPECT_THAT(
        DiscoverFeeds(page, "http://kestrel.example/"),
        ElementsAre(DiscoveredFeed{"https://static.example/b/a.xml", "", "application/atom+xml"}));
}

TEST(FeedDiscovery, WalksPagesNestedBeyondAnyStack)
{
    std::string page = "<html><head><link rel=alternate type=application/rss+xml href=f></head>"
                       "<body>";
    for (int i = 0; i < 200000; ++i)
        page += "<div>";
    EXPECT_EQ(DiscoverFeeds(page, "http://k.example/").size(), 1u);
}

} // namespace
