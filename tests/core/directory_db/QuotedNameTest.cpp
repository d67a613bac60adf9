// Names are matched by their value: quotes, brackets and length change nothing, and no name
// reaches another directory.
#include "DatabaseFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class QuotedNameTest : public DatabaseFixture, public ::testing::WithParamInterface<std::string>
{
protected:
    // Escapes `text` for an attribute value between double quotes.
    static std::string Escaped(const std::string& text)
    {
        std::string escaped;
        for (char c : text) {
            if (c == '"')
                escaped += "&quot;";
            else if (c == '&')
                escaped += "&amp;";
            else if (c == '<')
                escaped += "&lt;";
            else
                escaped += c;
        }
        return escaped;
    }
};

TEST_P(QuotedNameTest, EveryQueryFindsExactlyTheNamedDirectory)
{
    const std::string& name = GetParam();
    // Decoys whose names a pasted-in name would also match, before and after the real one.
    ASSERT_TRUE(LoadDirectories(R"(
        <directory name="x" submiturl="http://127.0.0.1/decoy" onsubmit="decoy">
          <variable name="V"><cond value="decoy"/></variable>
          <item name="decoy" index="9" value="V" type="edit"/>
        </directory>
        <directory name=")" + Escaped(name) +
                                R"(" submiturl="http://127.0.0.1/V" onsubmit="thanks">
          <variable name="V"><cond value="mine"/></variable>
          <item name="mine" index="1" value="V" type="checkbox"/>
        </directory>
        <directory name="1" submiturl="http://127.0.0.1/decoy" onsubmit="decoy">
          <item name="decoy" index="9" value="V" type="edit"/>
        </directory>)"));
    EXPECT_THAT(Names(), ElementsAre("x", name, "1"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage(name, "", ""), "http://127.0.0.1/mine");
    EXPECT_EQ(m_database.GetDirectoryOnSubmit(name), "thanks");
    EXPECT_EQ(Variables(name), (VariableMap{{"V", "mine"}}));
    EXPECT_THAT(Items(name), ElementsAre(FormField{"mine", FieldType::CheckBox, 1, "mine"}));
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, QuotedNameTest,
                         ::testing::Values("O'Reilly Feeds", "The \"Best\" Feeds", "it's \"both\"",
                                           "x' or '1'='1", "x\" or \"1\"=\"1",
                                           "x'] | //directory[@name='1", "a]/item[1", "'", "\"", "",
                                           " padded ", "Feeds & <More>",
                                           std::string(1000, 'L') + "'"));

using NameMatchTest = DatabaseFixture;

// A name that injection would widen must not match the directories it mentions.
TEST_F(NameMatchTest, InjectedNameSelectsNothing)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="x" submiturl="http://127.0.0.1/x" onsubmit="x">
        <item name="i" index="0" value="v" type="edit"/></directory>)"));
    const std::string injected = "x' or '1'='1";
    EXPECT_EQ(m_database.GetDirectorySubmitPage(injected, "", ""), "");
    EXPECT_EQ(m_database.GetDirectoryOnSubmit(injected), std::nullopt);
    EXPECT_THAT(Items(injected), IsEmpty());
    EXPECT_THAT(Variables(injected), IsEmpty());
    EXPECT_THAT(m_presenter.messages, ElementsAre(Message{"Error while GetDirectorySubmitPage",
                                                          "Error", MessageIcon::Error},
                                                  Message{"Error while retrieving directory names",
                                                          "Error", MessageIcon::Error}));
}

TEST_F(NameMatchTest, NamesMatchWholeAndCaseSensitive)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="Feeds" submiturl="http://127.0.0.1/f">
        <item name="i" index="0" value="v" type="edit"/></directory>)"));
    for (const std::string& near : {"feeds", "Feed", "Feeds ", " Feeds", "Feeds\n", "FeedsX"}) {
        SCOPED_TRACE(near);
        EXPECT_THAT(Items(near), IsEmpty());
        EXPECT_EQ(m_database.GetDirectoryOnSubmit(near), std::nullopt);
    }
    EXPECT_THAT(Items("Feeds"), ElementsAre(FormField{"i", FieldType::Edit, 0, "v"}));
}

} // namespace
