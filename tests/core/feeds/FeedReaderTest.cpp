// What the reader reports for whole feeds of each kind, and the problems it finds in them.
#include "feeds/FeedReader.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const char* const kRss20 = R"(<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0" xmlns:dc="http://purl.org/dc/elements/1.1/">
 <channel>
  <title>Kestrel &amp; Co. news</title>
  <link> http://kestrel.example/ </link>
  <description>&lt;p&gt;Birds,   &lt;b&gt;falcons&lt;/b&gt; &amp;amp; more&lt;/p&gt;</description>
  <language>en-gb</language>
  <item><title>One</title><link>http://kestrel.example/1</link>
        <pubDate>Sat, 07 Sep 2002 09:42:31 GMT</pubDate></item>
  <item><title>Two</title><guid>http://kestrel.example/2</guid>
        <pubDate>Tue, 10 Jun 2003 04:00:00 -0400</pubDate></item>
  <item><title>Three</title><link>http://kestrel.example/3</link>
        <dc:date>2003-06-10T07:59:59Z</dc:date></item>
 </channel>
</rss>)";

const char* const kAtom10 = R"(<?xml version="1.0" encoding="utf-8"?>
<feed xmlns="http://www.w3.org/2005/Atom" xml:lang="de" xml:base="http://falke.example/blog/">
  <title type="html">Falken &lt;em&gt;heute&lt;/em&gt;</title>
  <subtitle type="xhtml"><div xmlns="http://www.w3.org/1999/xhtml"><p>Erste</p><p>Zweite</p></div></subtitle>
  <link rel="self" href="feed.atom"/>
  <link rel="alternate" type="application/atom+xml" href="other.atom"/>
  <link rel="alternate" type="text/html" href="index.html"/>
  <updated>2005-07-31T12:29:29Z</updated>
  <entry><title>A</title><link href="a.html"/><updated>2005-07-31T12:29:29+02:00</updated></entry>
  <entry><title>B</title><link rel="enclosure" href="b.mp3"/><updated>2005-08-01T00:00:00Z</updated></entry>
</feed>)";

const char* const kRss10 = R"(<rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#"
  xmlns="http://purl.org/rss/1.0/" xmlns:dc="http://purl.org/dc/elements/1.1/">
 <channel rdf:about="http://r.example/">
  <title>R</title><link>http://r.example/</link><dc:language>fr</dc:language>
 </channel>
 <item rdf:about="http://r.example/1"><title>1</title><link>http://r.example/1</link>
   <dc:date>2004-02-29</dc:date></item>
</rdf:RDF>)";

struct FeedCase
{
    const char* label;
    const char* feed;
    FeedKind kind;
    const char* version;
    const char* title;
    const char* link;
    const char* description;
    const char* language;
    size_t items;
    const char* newest;
};

void PrintTo(const FeedCase& row, std::ostream* out)
{
    *out << row.label;
}

class FeedReaderTest : public ::testing::TestWithParam<FeedCase>
{
};

TEST_P(FeedReaderTest, ReadsWhatTheFeedSaysAboutItself)
{
    const FeedCase& row = GetParam();
    const FeedReport report = ReadFeed(row.feed);
    EXPECT_TRUE(report.wellFormed);
    EXPECT_EQ(report.kind, row.kind);
    EXPECT_EQ(report.version, row.version);
    EXPECT_EQ(report.title, row.title);
    EXPECT_EQ(report.link, row.link);
    EXPECT_EQ(report.description, row.description);
    EXPECT_EQ(report.language, row.language);
    EXPECT_EQ(report.items, row.items);
    EXPECT_EQ(report.newest, row.newest);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FeedReaderTest,
                         ::testing::Values(
                             // 04:00 at -0400 is 08:00 UTC, one second after the third item.
                             FeedCase{"Rss20", kRss20, FeedKind::Rss, "2.0", "Kestrel & Co. news",
                                      "http://kestrel.example/", "Birds, falcons & more", "en-gb",
                                      3, "2003-06-10T08:00:00Z"},
                             FeedCase{"Atom10", kAtom10, FeedKind::Atom, "1.0", "Falken heute",
                                      "http://falke.example/blog/index.html", "Erste Zweite", "de",
                                      2, "2005-08-01T00:00:00Z"},
                             FeedCase{"Rss10", kRss10, FeedKind::Rss, "1.0", "R",
                                      "http://r.example/", "", "fr", 1, "2004-02-29T00:00:00Z"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(FeedReader, FindsNoProblemInSoundFeedsButAnEntryWithoutPageLink)
{
    EXPECT_THAT(ReadFeed(kRss20).problems, IsEmpty());
    EXPECT_THAT(ReadFeed(kRss10).problems, IsEmpty());
    // The second entry links only to its enclosure.
    const FeedReport atom = ReadFeed(kAtom10);
    EXPECT_THAT(atom.problems,
                ElementsAre(Field(&FeedProblem::message, "1 of 2 items has no link.")));
    EXPECT_EQ(atom.problems[0].line, 10);
}

struct ProblemCase
{
    const char* label;
    std::string feed;
    std::vector<std::string> messages;
    int firstLine;
};

void PrintTo(const ProblemCase& row, std::ostream* out)
{
    *out << row.label;
}

class FeedProblemTest : public ::testing::TestWithParam<ProblemCase>
{
};

TEST_P(FeedProblemTest, ReportsEachProblemWithItsPlace)
{
    const ProblemCase& row = GetParam();
    const FeedReport report = ReadFeed(row.feed);
    std::vector<std::string> messages;
    for (const FeedProblem& problem : report.problems)
        messages.push_back(problem.message);
    EXPECT_EQ(messages, row.messages);
    ASSERT_FALSE(report.problems.empty());
    EXPECT_EQ(report.problems[0].line, row.firstLine);
    EXPECT_FALSE(report.IsUsable());
}

INSTANTIATE_TEST_SUITE_P(
    Feeds, FeedProblemTest,
    ::testing::Values(
        ProblemCase{"NotWellFormed",
                    "<rss version=\"2.0\">\n<channel>\n<title>T</titel>\n</channel></rss>",
                    {"The feed is not well-formed XML: Opening and ending tag mismatch: title "
                     "line 3 and titel."},
                    3},
        ProblemCase{"Empty", " \n", {"The document is empty."}, 0},
        ProblemCase{"XhtmlPage",
                    "<html xmlns=\"http://www.w3.org/1999/xhtml\"><body/></html>",
                    {"This is not a feed: the document is <html>, where a feed is <rss>, "
                     "<rdf:RDF> or <feed>."},
                    1},
        // libxml2 stops converting at the bytes UTF-7 lacks and reports no error.
        ProblemCase{"NoElement",
                    "<?xml version=\"1.0\" encoding=\"UTF-7\"?>\n<rss xmlns:dc=\xA5\xA5/>",
                    {"The document holds no element."},
                    0},
        ProblemCase{
            "NoChannel", "<rss version=\"0.91\">\n</rss>", {"The feed has no RSS <channel>."}, 1},
        ProblemCase{"NoTitleNoLink",
                    "<rss><channel><description>D</description></channel></rss>",
                    {"The feed has no title.", "The feed has no link to its web site."},
                    0},
        ProblemCase{"ItemsWithoutLinks",
                    "<rss><channel><title>T</title><link>http://t/</link>\n<item/>\n"
                    "<item><guid isPermaLink=\"false\">x</guid></item>\n"
                    "<item><link>http://t/3</link></item></channel></rss>",
                    {"2 of 3 items have no link."},
                    2},
        ProblemCase{"UnreadableDates",
                    "<rss><channel><title>T</title><link>http://t/</link>\n"
                    "<item><link>http://t/1</link><pubDate>yesterday</pubDate></item>\n"
                    "<item><link>http://t/2</link><pubDate>31 Feb 2020 10:00 GMT</pubDate>"
                    "</item></channel></rss>",
                    {"The date \u201Cyesterday\u201D cannot be read (nor 1 more)."},
                    2},
        ProblemCase{"UndeclaredPrefix",
                    "<rss><channel><title>T</title><link>http://t/</link>\n"
                    "<itunes:author>A</itunes:author></channel></rss>",
                    {"The feed is not well-formed XML: Namespace prefix itunes on author is not "
                     "defined."},
                    2}),
    [](const auto& info) { return std::string(info.param.label); });

// Well below what libxml2 itself calls a bomb, but far more text than the file holds.
TEST(FeedReader, RefusesEntitiesThatExpandBeyondTheBudgetInText)
{
    std::string references;
    for (int i = 0; i < 40; ++i)
        references += "&x;";
    const FeedReport report = ReadFeed("<!DOCTYPE rss [<!ENTITY x \"" + std::string(500, 'x') +
                                       "\">]><rss><channel><title>" + references +
                                       "</title><link>http://t/</link></channel></rss>");
    EXPECT_FALSE(report.wellFormed);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_THAT(report.problems[0].message, HasSubstr("entities that would grow"));
    EXPECT_THAT(report.title, IsEmpty());
}

TEST(FeedReader, LeavesExternalEntitiesUnread)
{
    const FeedReport report =
        ReadFeed("<!DOCTYPE rss [<!ENTITY x SYSTEM \"/etc/hostname\">]>"
                 "<rss><channel><title>[&x;]</title><link>http://t/</link></channel></rss>");
    EXPECT_EQ(report.title, "[]");
}

TEST(FeedReader, KeepsInternalEntitiesWithinTheBudget)
{
    const FeedReport report =
        ReadFeed("<!DOCTYPE rss [<!ENTITY co \"Kestrel &#38;amp; Co\">]>"
                 "<rss><channel><title>&co;</title><link>http://t/</link></channel></rss>");
    EXPECT_TRUE(report.IsUsable());
    EXPECT_EQ(report.title, "Kestrel & Co");
}

} // namespace
