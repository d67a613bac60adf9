// The user's own directories merged into the vendor's: where they appear, which of two
// same-named directories answers, and files that add nothing.
#include "DatabaseFixture.h"

#include <gmock/gmock.h>
#include <sstream>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct MergeCase
{
    const char* label;
    const char* vendor;   // comma-separated names, or "-" for no file
    const char* user;     // comma-separated names, "-" for no file, or a whole file after '<'
    const char* expected; // the list, a user directory's name followed by '*'
};

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, ',');)
        parts.push_back(part);
    return parts;
}

// A database whose directories carry the names given, each opening a page that tells which
// file it came from.
std::string DatabaseOf(const std::string& names, const std::string& origin)
{
    std::string xml = "<r>";
    for (const std::string& name : Split(names))
        xml += R"(<directory name=")" + name + R"(" submiturl="http://127.0.0.1/)" + origin +
               R"(" onsubmit=")" + origin + R"("><item name="f" index="0" value=")" + origin +
               R"(" type="edit"/></directory>)";
    return xml + "</r>";
}

class MergeTest : public DatabaseFixture, public ::testing::WithParamInterface<MergeCase>
{
protected:
    std::string FileFor(const std::string& content, const std::string& origin)
    {
        if (content == "-")
            return PathOf(origin + "-missing.xml");
        const std::string xml = content.starts_with("<") ? content : DatabaseOf(content, origin);
        return WriteFile(origin + ".xml", xml);
    }

    // The list as the case writes it.
    std::string Listed() const
    {
        std::string listed;
        for (const std::string& name : Names()) {
            listed += (listed.empty() ? "" : ",") + name;
            if (m_database.IsUserDirectory(name))
                listed += "*";
        }
        return listed;
    }
};

TEST_P(MergeTest, UserDirectoriesFollowTheVendorsAndReplaceSameNamedOnes)
{
    const MergeCase& c = GetParam();
    m_database.LoadFile(FileFor(c.vendor, "vendor"), FileFor(c.user, "user"));
    EXPECT_EQ(Listed(), c.expected);
    // Whatever the list shows answers every query from the file it came from, alone.
    for (const std::string& name : Names()) {
        const std::string origin = m_database.IsUserDirectory(name) ? "user" : "vendor";
        EXPECT_EQ(m_database.GetDirectorySubmitPage(name, "", ""), "http://127.0.0.1/" + origin);
        EXPECT_EQ(m_database.GetDirectoryOnSubmit(name), origin);
        for (const FormField& field : Items(name))
            EXPECT_EQ(field.value, origin) << name;
    }
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MergeTest,
    ::testing::Values(
        MergeCase{"NoUserFile", "A,B,C", "-", "A,B,C"},
        MergeCase{"NewOnesAppended", "A,B,C", "D,E", "A,B,C,D*,E*"},
        MergeCase{"SameNameReplacesInPlace", "A,B,C", "B", "A,B*,C"},
        MergeCase{"EveryVendorDuplicateGoes", "A,B,C,B", "B", "A,B*,C"},
        MergeCase{"UserDuplicatesStayTogether", "A,B,C", "B,D,B", "A,B*,B*,C,D*"},
        MergeCase{"ReplacementsAndAdditionsMixed", "A,B", "D,A", "A*,B,D*"},
        MergeCase{"NoVendorFile", "-", "D,E", "D*,E*"},
        MergeCase{"MalformedUserFile", "A", "<<r><directory name=\"D\">", "A"},
        MergeCase{"UserFileOfAnotherKind", "A", "<html><directory name=\"D\"/></html>", "A"},
        MergeCase{"HostileUserFile", "A",
                  "<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                  "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                  "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
                  "<r><directory name=\"&c;\"/></r>",
                  "A"}),
    [](const ::testing::TestParamInfo<MergeCase>& info) { return info.param.label; });

using UserDirectoriesTest = DatabaseFixture;

TEST_F(UserDirectoriesTest, ReloadingTheUserFileKeepsTheVendorsDocument)
{
    const std::string vendor = WriteFile("dirdata.xml", DatabaseOf("A,B", "vendor"));
    const std::string user = WriteFile("mydirs.xml", DatabaseOf("C", "user"));
    ASSERT_TRUE(m_database.LoadFile(vendor, user));
    // The vendor's file is not read again: a reload after the user changed their own file
    // sees the vendor's file as it was loaded.
    WriteFile("dirdata.xml", DatabaseOf("X", "vendor"));
    WriteFile("mydirs.xml", DatabaseOf("B,D", "user"));
    EXPECT_TRUE(m_database.ReloadUserFile(user));
    EXPECT_THAT(Names(), ElementsAre("A", "B", "D"));
    EXPECT_TRUE(m_database.IsUserDirectory("B"));
    EXPECT_FALSE(m_database.IsUserDirectory("A"));
}

TEST_F(UserDirectoriesTest, ReloadBeforeAnyLoadDoesNothing)
{
    const std::string user = WriteFile("mydirs.xml", DatabaseOf("C", "user"));
    EXPECT_FALSE(m_database.ReloadUserFile(user));
    std::vector<std::string> names{"untouched"};
    EXPECT_FALSE(m_database.GetDirectoryNames(names));
    EXPECT_THAT(names, ElementsAre("untouched"));
}

TEST_F(UserDirectoriesTest, RecordGathersWhatTheQueriesGatherWithValuesAsWritten)
{
    ASSERT_TRUE(LoadDirectories(R"(
        <directory name="d" submiturl="http://127.0.0.1/?c=CAT">
          <variable name="CAT"><cond category="News" value="7"/><cond value="1"/></variable>
          <item name="feed" index="2" value="#url# CAT" type="edit"/>
          <item value="#title#"/>
        </directory>
        <directory name="d" onsubmit="Thanks">
          <variable><cond subcategory=""/></variable>
          <item name="pick" type="combobox"/>
        </directory>)"));
    const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord("d");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->name, "d");
    EXPECT_EQ(record->submitUrl, "http://127.0.0.1/?c=CAT");
    EXPECT_EQ(record->confirmation, "Thanks");
    EXPECT_THAT(record->items, ElementsAre(FormField{"feed", FieldType::Edit, 2, "#url# CAT"},
                                           FormField{"feed", FieldType::Edit, 2, "#title#"},
                                           FormField{"pick", FieldType::ComboBox, 2, "#title#"}));
    ASSERT_EQ(record->variables.size(), 2u);
    EXPECT_EQ(record->variables[0].name, "CAT");
    ASSERT_EQ(record->variables[0].conditions.size(), 2u);
    EXPECT_EQ(record->variables[0].conditions[0].category, "News");
    EXPECT_EQ(record->variables[0].conditions[0].subcategory, std::nullopt);
    EXPECT_EQ(record->variables[0].conditions[1].value, "1");
    EXPECT_EQ(record->variables[1].name, std::nullopt);
    EXPECT_EQ(record->variables[1].conditions[0].subcategory, "");
    EXPECT_EQ(record->variables[1].conditions[0].value, std::nullopt);

    EXPECT_FALSE(m_database.GetDirectoryRecord("missing"));
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

} // namespace
