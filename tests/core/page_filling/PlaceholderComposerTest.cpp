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

struct ProfileTextCase
{
    const char* label;
    std::string ProfileRecord::*field;
    std::string fieldText;
    std::string value;
    std::string composed;
};

void PrintTo(const ProfileTextCase& row, std::ostream* out)
{
    *out << row.label;
}

class PlaceholderInProfileText : public ::testing::TestWithParam<ProfileTextCase>
{
};

// One pass over the value: a profile field goes in as the user typed it, placeholders and all,
// whichever field it is and whichever placeholder it holds.
TEST_P(PlaceholderInProfileText, IsKeptAsTyped)
{
    const ProfileTextCase& row = GetParam();
    ProfileRecord profile = SampleProfile();
    profile.*row.field = row.fieldText;
    EXPECT_EQ(ComposeFieldValue(row.value, profile), row.composed);
}

INSTANTIATE_TEST_SUITE_P(
    OnePass, PlaceholderInProfileText,
    ::testing::Values(
        ProfileTextCase{"LaterPlaceholder", &ProfileRecord::title, "Mail me at #email#", "#title#",
                        "Mail me at #email#"},
        ProfileTextCase{"EarlierPlaceholder", &ProfileRecord::email, "#url#", "#email#", "#url#"},
        ProfileTextCase{"ItsOwnPlaceholder", &ProfileRecord::url, "#url##url#", "#url#",
                        "#url##url#"},
        ProfileTextCase{"HalfAPlaceholder", &ProfileRecord::fname, "#lna", "#fname#me#", "#lname#"},
        ProfileTextCase{"PlaceholdersAround", &ProfileRecord::desc, "#cat#",
                        "#fname#: #desc# (#lname#)", "Ada: #cat# (Lovelace)"},
        // Where two placeholders share a "#", the one that starts first wins.
        ProfileTextCase{"LeftToRight", &ProfileRecord::fname, "Ada", "#fname#email#", "Adaemail#"}),
    [](const ::testing::TestParamInfo<ProfileTextCase>& info) { return info.param.label; });

TEST(PlaceholderComposer, RoleOfAValueIsWhatItsPlaceholdersTake)
{
    const struct
    {
        const char* value;
        FieldRole role;
    } cases[] = {
        {"#url#", FieldRole::Feed},
        {"#title# (#url#)", FieldRole::Feed},
        {"#email#", FieldRole::Contact},
        {"#fname# #lname#", FieldRole::Contact},
        {"#fname# <#email#>", FieldRole::Contact},
        {"#email# #title#", FieldRole::Other},
        {"#title#", FieldRole::Other},
        {"on", FieldRole::Other},
        {"", FieldRole::Other},
        {"#email#s", FieldRole::Contact},    // "#email#" and a stray "s"
        {"#emails# #url", FieldRole::Other}, // no placeholder at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoleOfFieldValue(c.value), c.role) << c.value;
}
