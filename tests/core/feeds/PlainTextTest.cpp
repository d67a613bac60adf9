// Text in all the shapes feeds deliver it, down to plain text; dates in the forms feeds write.
#include "feeds/PlainText.h"

#include "feeds/Base64.h"
#include "feeds/FeedDate.h"
#include "feeds/FeedReader.h"

#include <gtest/gtest.h>

namespace {

struct TextCase
{
    const char* input;
    const char* plain;
};

class HtmlToPlainTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(HtmlToPlainTextTest, RemovesTagsDecodesEntitiesAndCollapsesSpace)
{
    EXPECT_EQ(TextOrHtmlToPlainText(GetParam().input), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HtmlToPlainTextTest,
    ::testing::Values(TextCase{"  plain\n\ttext  ", "plain text"},
                      TextCase{"1 < 2 && AT&T > 0", "1 < 2 && AT&T > 0"},
                      TextCase{"<p>One</p><p>Two</p>", "One Two"},
                      TextCase{"con<b>cat</b>enated", "concatenated"},
                      TextCase{"a<br>b<br/>c", "a b c"},
                      TextCase{"caf&eacute; &amp; &#8220;bar&#x201D;&nbsp;!",
                               "caf\u00E9 & \u201Cbar\u201D !"},
                      TextCase{"<script>alert(1)</script>shown<style>p{}</style>", "shown"},
                      TextCase{"<!-- note -->visible", "visible"},
                      TextCase{"&lt;b&gt; is a tag name", "<b> is a tag name"}));

TEST(PlainText, TellsMarkupFromTextThatOnlyLooksAlike)
{
    EXPECT_TRUE(LooksLikeMarkup("x <i>y</i>"));
    EXPECT_TRUE(LooksLikeMarkup("Q&amp;A"));
    EXPECT_TRUE(LooksLikeMarkup("&#169;"));
    EXPECT_TRUE(LooksLikeMarkup("&#xA9;"));
    EXPECT_FALSE(LooksLikeMarkup("1 < 2"));
    EXPECT_FALSE(LooksLikeMarkup("AT&T, & amp; or &;"));
    EXPECT_FALSE(LooksLikeMarkup("&#x;"));
}

TEST(PlainText, FollowsAtomTextConstructsOfEveryType)
{
    const auto title = [](const std::string& element) {
        return ReadFeed("<feed xmlns=\"http://www.w3.org/2005/Atom\">" + element + "</feed>").title;
    };
    EXPECT_EQ(title("<title type=\"text\">a &lt;b&gt; c</title>"), "a <b> c");
    EXPECT_EQ(title("<title type=\"html\">a &lt;b&gt;b&lt;/b&gt; c</title>"), "a b c");
    EXPECT_EQ(title("<title type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\">a "
                    "<b>&lt;b&gt;</b></div></title>"),
              "a <b>");
    // "<i>x</i>" in base64, as a media type Atom 1.0 sends that way.
    EXPECT_EQ(title("<title type=\"application/octet-stream\">PGk+eDwvaT4=</title>"), "x");
    EXPECT_EQ(title("<title type=\"application/octet-stream\">AAEC/w==</title>"), "");
}

TEST(Base64, DecodesWithSpacesAndRefusesStrangers)
{
    EXPECT_EQ(DecodeBase64(" SGVs\nbG8= "), "Hello");
    EXPECT_EQ(DecodeBase64("SGVsbG8"), "Hello");
    EXPECT_EQ(DecodeBase64(""), "");
    EXPECT_EQ(DecodeBase64("SGV*bG8="), std::nullopt);
    EXPECT_EQ(DecodeBase64("SG=Vs"), std::nullopt);
}

struct DateCase
{
    const char* text;
    const char* utc; // "" when unreadable
};

class FeedDateTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(FeedDateTest, ReadsTheFormsFeedsWrite)
{
    const auto time = ParseFeedDate(GetParam().text);
    EXPECT_EQ(time ? FormatFeedTime(*time) : std::string(), GetParam().utc);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FeedDateTest,
    ::testing::Values(DateCase{"Sat, 07 Sep 2002 00:00:01 GMT", "2002-09-07T00:00:01Z"},
                      DateCase{"7 Sep 2002 00:00 +0230", "2002-09-06T21:30:00Z"},
                      DateCase{"Mon, 31 Dec 01 23:00:00 PST", "2002-01-01T07:00:00Z"},
                      DateCase{"Tue, 1 January 2008 10:00:00 EDT", "2008-01-01T14:00:00Z"},
                      DateCase{"2003-12-13T18:30:02Z", "2003-12-13T18:30:02Z"},
                      DateCase{"2003-12-13T18:30:02.25+01:00", "2003-12-13T17:30:02Z"},
                      DateCase{"2003-12-13", "2003-12-13T00:00:00Z"},
                      DateCase{"2003-12", "2003-12-01T00:00:00Z"},
                      DateCase{"2003", "2003-01-01T00:00:00Z"},
                      DateCase{"1969-12-31T23:59:59Z", "1969-12-31T23:59:59Z"},
                      DateCase{"2004-02-30", ""}, DateCase{"2004-13-01", ""},
                      DateCase{"Sat, 07 Sep 2002 25:00:00 GMT", ""},
                      DateCase{"07 Sep 2002 10:00 Mars", ""}, DateCase{"2003-12-13T18:30Zjunk", ""},
                      DateCase{"", ""}));

} // namespace
