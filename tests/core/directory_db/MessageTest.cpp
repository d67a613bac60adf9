// What each query says when it cannot answer, what it answers before anything is loaded, and
// what it does when the database is reloaded while one of its messages is open.
#include "DatabaseFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using MessageTest = DatabaseFixture;

const RecordingPresenter::Message kSubmitPageError{"Error while GetDirectorySubmitPage", "Error",
                                                   MessageIcon::Error};
const RecordingPresenter::Message kNamesError{"Error while retrieving directory names", "Error",
                                              MessageIcon::Error};

TEST_F(MessageTest, NothingLoadedAnswersEmptyWithoutMessages)
{
    std::vector<std::string> names{"untouched"};
    EXPECT_FALSE(m_database.GetDirectoryNames(names));
    EXPECT_THAT(names, ElementsAre("untouched"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "");
    EXPECT_EQ(m_database.GetDirectoryOnSubmit("d"), std::nullopt);
    std::vector<FormField> fields;
    EXPECT_FALSE(m_database.GetDirectoryItems("d", "", "", fields));
    EXPECT_THAT(fields, IsEmpty());
    EXPECT_THAT(Variables("d"), IsEmpty());
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(MessageTest, MissingSubmitUrlIsReportedAfterTheVariables)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" onsubmit="ok">
        <variable name="V"><cond category="Arts" value="a"/></variable></directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "News", ""), "");
    EXPECT_THAT(
        m_presenter.messages,
        ElementsAre(Message{"error on variable", "V", MessageIcon::None}, kSubmitPageError));
}

TEST_F(MessageTest, UnknownDirectoryIsReportedBySubmitPageAndOnSubmit)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="u" onsubmit="ok"/>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("e", "", ""), "");
    EXPECT_EQ(m_database.GetDirectoryOnSubmit("e"), std::nullopt);
    EXPECT_THAT(m_presenter.messages, ElementsAre(kSubmitPageError, kNamesError));
}

TEST_F(MessageTest, MissingConfirmationIsToldApartFromAnEmptyOne)
{
    ASSERT_TRUE(
        LoadDirectories(R"(<directory name="none"/><directory name="empty" onsubmit=""/>)"));
    EXPECT_EQ(m_database.GetDirectoryOnSubmit("none"), std::nullopt);
    EXPECT_THAT(m_presenter.messages, ElementsAre(kNamesError));
    EXPECT_EQ(m_database.GetDirectoryOnSubmit("empty"), std::string());
    EXPECT_THAT(m_presenter.messages, ElementsAre(kNamesError));
}

TEST_F(MessageTest, EmptyFileAnswersEmptyWithoutMessages)
{
    EXPECT_FALSE(LoadXml(""));
    std::vector<std::string> names{"stale"};
    EXPECT_TRUE(m_database.GetDirectoryNames(names));
    EXPECT_THAT(names, IsEmpty());
    EXPECT_THAT(Items("d"), IsEmpty());
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

// Each message box lets the main window run, which may reload the database; the query must
// finish on the document it started with.
TEST_F(MessageTest, ReloadWhileAMessageIsOpenLeavesTheQueryOnItsDocument)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/V">
        <variable name="bad"/>
        <variable name="V"><cond value="old"/></variable>
        <item name="a" index="0" value="V" type="wrong"/>
        <item name="b" index="1" value="V" type="edit"/>
        </directory>)"));
    const std::string replacement = WriteFile("new.xml", R"(<r><directory name="other"/></r>)");
    m_presenter.onMessage = [&] { EXPECT_TRUE(m_database.LoadFile(replacement)); };

    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "http://127.0.0.1/old");
    EXPECT_THAT(Names(), ElementsAre("other"));

    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <variable name="bad"/>
        <variable name="V"><cond value="old"/></variable>
        <item name="a" index="0" value="V" type="wrong"/>
        <item name="b" index="1" value="V" type="edit"/>
        </directory>)"));
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"a", FieldType::Edit, 0, "old"},
                                        FormField{"b", FieldType::Edit, 1, "old"}));
    EXPECT_THAT(Names(), ElementsAre("other"));
}

TEST_F(MessageTest, NestedQueriesWhileAMessageIsOpenDoNotDisturbEachOther)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="http://127.0.0.1/V">
        <variable name="bad"/><variable name="V"><cond value="v"/></variable>
        <item name="a" index="4" value="V" type="edit"/>
        </directory>)"));
    int depth = 0;
    std::vector<std::string> nested;
    m_presenter.onMessage = [&] {
        if (depth++ == 0)
            nested.push_back(m_database.GetDirectorySubmitPage("d", "", ""));
    };
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"a", FieldType::Edit, 4, "v"}));
    EXPECT_THAT(nested, ElementsAre("http://127.0.0.1/v"));
}

} // namespace

// What may be loaded before the user asks: only a page every query answers for without a word,
// and nothing said about the others.
TEST_F(MessageTest, QuietSubmitPageAnswersOnlyWhereNoQueryWouldComplain)
{
    ASSERT_TRUE(LoadDirectories(R"(
        <directory name="fine" submiturl="http://127.0.0.1/?c=V">
          <variable name="V"><cond category="Arts" value="a"/><cond value="x"/></variable>
          <item name="t" index="0" value="#title#" type="edit"/></directory>
        <directory name="no address"/>
        <directory name="variable fails" submiturl="http://127.0.0.1/?c=V">
          <variable name="V"><cond category="Arts" value="a"/></variable></directory>
        <directory name="item fails" submiturl="http://127.0.0.1/">
          <item name="t" index="0" value="v" type="slider"/></directory>)"));
    EXPECT_EQ(m_database.QuietSubmitPage("fine", "Arts", ""), "http://127.0.0.1/?c=a");
    for (const char* complaining : {"no address", "variable fails", "item fails", "unknown"})
        EXPECT_EQ(m_database.QuietSubmitPage(complaining, "News", ""), std::nullopt) << complaining;
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}
