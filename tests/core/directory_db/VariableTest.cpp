// Conditions and variables, and the order in which variables are put into a text.
#include "DatabaseFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using VariableTest = DatabaseFixture;

constexpr const char* kConditions = R"(
    <directory name="d" submiturl="http://127.0.0.1/?c=CATID">
      <variable name="CATID">
        <cond category="Business" subcategory="Marketing" value="104"/>
        <cond category="Business" value="100"/>
        <cond value="1"/>
      </variable>
    </directory>)";

TEST_F(VariableTest, FirstConditionThatAppliesGivesTheValue)
{
    ASSERT_TRUE(LoadDirectories(kConditions));
    EXPECT_EQ(Variables("d", "Business", "Marketing"), (VariableMap{{"CATID", "104"}}));
    EXPECT_EQ(Variables("d", "Business", "Sales"), (VariableMap{{"CATID", "100"}}));
    EXPECT_EQ(Variables("d", "Business", ""), (VariableMap{{"CATID", "100"}}));
    EXPECT_EQ(Variables("d", "business", "Marketing"), (VariableMap{{"CATID", "1"}}));
    EXPECT_EQ(Variables("d", "Business ", "Marketing"), (VariableMap{{"CATID", "1"}}));
    EXPECT_EQ(Variables("d", "", "Marketing"), (VariableMap{{"CATID", "1"}}));
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(VariableTest, EmptyConditionAttributeMatchesOnlyAnEmptyField)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <variable name="V"><cond category="" value="none"/><cond value="any"/></variable>
        <variable name="W"><cond subcategory="" value="none"/><cond value="any"/></variable>
        </directory>)"));
    EXPECT_EQ(Variables("d", "", ""), (VariableMap{{"V", "none"}, {"W", "none"}}));
    EXPECT_EQ(Variables("d", "Arts", "Music"), (VariableMap{{"V", "any"}, {"W", "any"}}));
}

TEST_F(VariableTest, VariableWithoutValueIsReportedAndLeftUnreplaced)
{
    ASSERT_TRUE(
        LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/?c=CAT&amp;k=KEEP">
        <variable name="CAT"><cond category="Arts" value="7"/><cond category="News"/></variable>
        <variable name="KEEP"><cond value="kept"/></variable>
        <item name="f" index="0" value="CAT-KEEP" type="edit"/>
        </directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "Business", ""),
              "http://127.0.0.1/?c=CAT&k=kept");
    EXPECT_THAT(Items("d", "Business"),
                ElementsAre(FormField{"f", FieldType::Edit, 0, "CAT-kept"}));
    const Message onVariable{"error on variable", "CAT", MessageIcon::None};
    EXPECT_THAT(m_presenter.messages, ElementsAre(onVariable, onVariable));
}

TEST_F(VariableTest, MatchingEmptyValueEndsTheSearch)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <variable name="V"><cond category="Arts" value=""/><cond value="later"/></variable>
        </directory>)"));
    EXPECT_THAT(Variables("d", "Arts"), IsEmpty());
    EXPECT_THAT(m_presenter.messages,
                ElementsAre(Message{"error on variable", "V", MessageIcon::None}));
}

TEST_F(VariableTest, NamelessVariablesAreSkippedAndEmptyNamesReported)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <variable><cond value="silent"/></variable>
        <variable name=""><cond value="loud"/></variable>
        <variable name="ok"><cond value="yes"/></variable>
        </directory>)"));
    EXPECT_EQ(Variables("d"), (VariableMap{{"ok", "yes"}}));
    EXPECT_THAT(m_presenter.messages,
                ElementsAre(Message{"error on variable", "", MessageIcon::None}));
}

TEST_F(VariableTest, FirstVariableOfANameThatYieldsAValueWins)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <variable name="V"><cond category="Arts" value="arts only"/></variable>
        <variable name="V"><cond value="second"/></variable>
        <variable name="V"><cond value="third"/></variable>
        <variable name="V"><cond category="none"/></variable>
        </directory>)"));
    EXPECT_EQ(Variables("d", "News"), (VariableMap{{"V", "second"}}));
    EXPECT_EQ(Variables("d", "Arts"), (VariableMap{{"V", "arts only"}}));
    // The later variable that yields nothing is still worked out, and reported, each time.
    const Message onVariable{"error on variable", "V", MessageIcon::None};
    EXPECT_THAT(m_presenter.messages, ElementsAre(onVariable, onVariable, onVariable));
}

TEST_F(VariableTest, ConditionsWithoutValueNeverApply)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <variable name="V"><cond/><cond category="Arts"/><cond value="fallback"/></variable>
        </directory>)"));
    EXPECT_EQ(Variables("d", "Arts"), (VariableMap{{"V", "fallback"}}));
}

// CAT sorts before CATID, so CAT eats the first three letters of every CATID first.
TEST_F(VariableTest, VariablesGoInInAscendingOrderOfNames)
{
    ASSERT_TRUE(
        LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/?id=CATID&amp;c=CAT">
        <variable name="CATID"><cond value="42"/></variable>
        <variable name="CAT"><cond value="art"/></variable>
        <item name="f" index="0" value="CATID/CAT" type="edit"/>
        </directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "http://127.0.0.1/?id=artID&c=art");
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"f", FieldType::Edit, 0, "artID/art"}));
}

TEST_F(VariableTest, LaterVariablesSearchTextPutInByEarlierOnes)
{
    // A's value holds B, which comes later and is replaced as well; B's value holds A, which
    // came earlier and stays.
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/A">
        <variable name="B"><cond value="bA"/></variable>
        <variable name="A"><cond value="aB"/></variable>
        <item name="f" index="0" value="A|B" type="edit"/>
        </directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "http://127.0.0.1/abA");
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"f", FieldType::Edit, 0, "abA|bA"}));
}

TEST_F(VariableTest, ValuesHoldingTheirOwnNameDoNotLoop)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/XX">
        <variable name="X"><cond value="XX"/></variable>
        </directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "http://127.0.0.1/XXXX");
}

TEST_F(VariableTest, PlaceholdersInVariableValuesReachTheFieldsUntouched)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/?t=T">
        <variable name="T"><cond value="#title#"/></variable>
        <item name="f" index="0" value="T and #url#" type="edit"/>
        </directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "http://127.0.0.1/?t=#title#");
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"f", FieldType::Edit, 0, "#title# and #url#"}));
}

TEST_F(VariableTest, NamesOrderByUnsignedBytesPrefixFirst)
{
    // "\xc3\xa9" (é) sorts after "z" as unsigned bytes; "ab" before "abc".
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/abc-é">
        <variable name="é"><cond value="z"/></variable>
        <variable name="z"><cond value="Z"/></variable>
        <variable name="abc"><cond value="long"/></variable>
        <variable name="ab"><cond value="short"/></variable>
        </directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "http://127.0.0.1/shortc-z");
}

} // namespace
