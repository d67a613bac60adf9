#include "page_filling/PlaceholderComposer.h"

#include "profiles/ProfileRecord.h"

#include <gtest/gtest.h>

namespace {

ProfileRecord SampleProfile()
{
    ProfileRecord profile;
    profile.name = "Blog";
    profile.url = "http://example.org/feed.xml";
    profile.title = "Example Feed";
    profile.desc = "Quotes \" and backslashes \\ stay";
    profile.cat = "Business";
    profile.subcat = "Marketing";
    profile.keywords = "rss, news";
    profile.email = "owner@example.org";
    profile.fname = "Ada";
    profile.lname = "Lovelace";
    return profile;
}

} // namespace

TEST(PlaceholderComposer, ReplacesEachPlaceholderByItsField)
{
    const ProfileRecord profile = SampleProfile();
    EXPECT_EQ(ComposeFieldValue("#url#|#title#|#desc#|#cat#|#subcat#|#keywords#|#email#|#fname#|"
                                "#lname#",
                                profile),
              "http://example.org/feed.xml|Example Feed|Quotes \" and backslashes \\ stay|"
              "Business|Marketing|rss, news|owner@example.org|Ada|Lovelace");
}

TEST(PlaceholderComposer, ValueWithoutPlaceholdersIsKeptAsIs)
{
    EXPECT_EQ(ComposeFieldValue("plain # text #name#", SampleProfile()), "plain # text #name#");
    EXPECT_EQ(ComposeFieldValue("", SampleProfile()), "");
}

TEST(PlaceholderComposer, SamePlaceholderTwiceIsReplacedTwice)
{
    EXPECT_EQ(ComposeFieldValue("#fname# and #fname#", SampleProfile()), "Ada and Ada");
}

TEST(PlaceholderComposer, OtherLetterCaseStaysUnchanged)
{
    EXPECT_EQ(ComposeFieldValue("#URL# #Title#", SampleProfile()), "#URL# #Title#");
}

TEST(PlaceholderComposer, LaterPlaceholdersAreSoughtInEarlierReplacements)
{
    ProfileRecord profile = SampleProfile();
    profile.title = "Mail me at #email#";
    EXPECT_EQ(ComposeFieldValue("#title#", profile), "Mail me at owner@example.org");
}

TEST(PlaceholderComposer, ReplacementIsNotSearchedForTheSamePlaceholder)
{
    ProfileRecord profile = SampleProfile();
    profile.url = "#url##url#";
    EXPECT_EQ(ComposeFieldValue("#url#", profile), "#url##url#");
    // Nor for an earlier one in the order.
    profile.email = "#url#";
    EXPECT_EQ(ComposeFieldValue("#email#", profile), "#url#");
}
