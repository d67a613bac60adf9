// Writing the user's own directories: what is written reads back the same, what the user wrote
// by hand stays, and a file the program cannot read is never written over.
#include "directory_db/UserDirectoryFile.h"

#include "DatabaseFixture.h"
#include "directory_db/DirectoryName.h"
#include "directory_db/DirectoryXml.h"
#include "support/DiskFillsUpWriter.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

class UserDirectoryFileTest : public DatabaseFixture
{
protected:
    std::string UserPath() const { return PathOf("mydirs.xml"); }

    std::string ReadBack() const
    {
        std::ifstream file(UserPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    // Puts `records` into the user file one by one and saves it.
    void Save(const std::vector<DirectoryRecord>& records)
    {
        CUserDirectoryFile file(UserPath());
        ASSERT_TRUE(file.Load()) << file.Error();
        for (const DirectoryRecord& record : records)
            file.Put(record);
        CAtomicFileWriter writer;
        ASSERT_TRUE(file.Save(writer).ok);
    }

    // The directories as the merged database lists them.
    std::vector<std::string> MergedNames()
    {
        m_database.LoadFile(PathOf("no-dirdata.xml"), UserPath());
        return Names();
    }
};

DirectoryRecord Tricky()
{
    // Every character that XML or a naive writer gets wrong, in names, values and conditions.
    const std::string awkward = "a \"quote\", an 'apostrophe', <tag> & &amp; \t tab\nline\r"
                                "break, caf\xc3\xa9 \xe2\x82\xac #url#";
    DirectoryRecord record;
    record.name = "Tricky's <Directory> & \"more\"";
    record.submitUrl = "http://127.0.0.1/submit?a=1&b=CAT";
    record.confirmation = awkward;
    record.items = {{"feed url", FieldType::Edit, 0, awkward},
                    {"cat", FieldType::ComboBox, 3, "CAT"},
                    {"agree", FieldType::CheckBox, -1, ""}};
    record.variables = {{"CAT", {{"News", std::nullopt, "7"}, {"", "", std::nullopt}}},
                        {std::nullopt, {{std::nullopt, std::nullopt, awkward}}}};
    return record;
}

void ExpectSameRecord(const DirectoryRecord& actual, const DirectoryRecord& expected)
{
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.submitUrl, expected.submitUrl);
    EXPECT_EQ(actual.confirmation, expected.confirmation);
    EXPECT_EQ(actual.items, expected.items);
    ASSERT_EQ(actual.variables.size(), expected.variables.size());
    for (size_t v = 0; v < actual.variables.size(); ++v) {
        EXPECT_EQ(actual.variables[v].name, expected.variables[v].name);
        const auto& conditions = actual.variables[v].conditions;
        const auto& wanted = expected.variables[v].conditions;
        ASSERT_EQ(conditions.size(), wanted.size());
        for (size_t c = 0; c < conditions.size(); ++c) {
            EXPECT_EQ(conditions[c].category, wanted[c].category);
            EXPECT_EQ(conditions[c].subcategory, wanted[c].subcategory);
            EXPECT_EQ(conditions[c].value, wanted[c].value);
        }
    }
}

TEST_F(UserDirectoryFileTest, WrittenDirectoriesReadBackUnchanged)
{
    DirectoryRecord plain{"Plain", "http://127.0.0.1/p", std::nullopt, {}, {}};
    Save({Tricky(), plain});
    EXPECT_THAT(MergedNames(), ElementsAre(Tricky().name, "Plain"));
    const std::optional<DirectoryRecord> tricky = m_database.GetDirectoryRecord(Tricky().name);
    ASSERT_TRUE(tricky);
    ExpectSameRecord(*tricky, Tricky());
    const std::optional<DirectoryRecord> readPlain = m_database.GetDirectoryRecord("Plain");
    ASSERT_TRUE(readPlain);
    ExpectSameRecord(*readPlain, plain);
    EXPECT_THAT(ReadBack(), HasSubstr("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(UserDirectoryFileTest, OneElementAloneReadsBackUnchanged)
{
    const std::string element = DirectoryElementText(Tricky());
    EXPECT_TRUE(element.starts_with("<directory name=")) << element;
    // One child a line, for the user who reads or edits the file.
    EXPECT_THAT(element, HasSubstr("/>\n    <item name=\"cat\""));
    EXPECT_THAT(element, Not(HasSubstr("  \n")));
    ASSERT_TRUE(LoadDirectories(element));
    const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(Tricky().name);
    ASSERT_TRUE(record);
    ExpectSameRecord(*record, Tricky());
}

TEST_F(UserDirectoryFileTest, PutReplacesInPlaceAndKeepsWhatTheUserWroteByHand)
{
    WriteFile("mydirs.xml", R"(<?xml version="1.0" encoding="ISO-8859-1"?>
<!-- my notes -->
<r>
  <directory name="A" submiturl="http://127.0.0.1/a" note="mine"/>
  <directory name="B" submiturl="http://127.0.0.1/b1"/>
  <!-- B again -->
  <directory name="B" submiturl="http://127.0.0.1/b2"/>
  <directory name="C" submiturl="http://127.0.0.1/caf)"
                            "\xe9"
                            R"("/>
</r>
)");
    CUserDirectoryFile file(UserPath());
    ASSERT_TRUE(file.Load());
    file.Put({"B", "http://127.0.0.1/new-b", "ok", {}, {}});
    // Renaming A to D puts D where A was; a new directory goes last.
    file.Put({"D", "http://127.0.0.1/d", std::nullopt, {}, {}}, "A");
    file.Put({"E", "http://127.0.0.1/e", std::nullopt, {}, {}});
    CAtomicFileWriter writer;
    ASSERT_TRUE(file.Save(writer).ok);

    EXPECT_THAT(MergedNames(), ElementsAre("D", "B", "C", "E"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("B", "", ""), "http://127.0.0.1/new-b");
    EXPECT_EQ(m_database.GetDirectorySubmitPage("C", "", ""), "http://127.0.0.1/caf\xc3\xa9");
    const std::string written = ReadBack();
    EXPECT_THAT(written, HasSubstr("<!-- my notes -->"));
    EXPECT_THAT(written, HasSubstr("<!-- B again -->"));
    EXPECT_THAT(written, Not(HasSubstr("note=\"mine\"")));
    EXPECT_THAT(written, Not(HasSubstr("b2")));
}

// One file changed many times, as an import does: every change finds the directories the
// earlier ones left, wherever they went.
TEST_F(UserDirectoryFileTest, ChangesOneAfterAnotherFindWhatTheEarlierOnesLeft)
{
    Save({{"A", "http://127.0.0.1/a", {}, {}, {}},
          {"B", "http://127.0.0.1/b", {}, {}, {}},
          {"C", "http://127.0.0.1/c", {}, {}, {}}});
    CUserDirectoryFile file(UserPath());
    ASSERT_TRUE(file.Load());
    file.Put({"X", "http://127.0.0.1/x1", {}, {}, {}});
    file.Put({"X", "http://127.0.0.1/x2", {}, {}, {}});
    // B renamed from X: it takes X's place, and the B there was goes.
    file.Put({"B", "http://127.0.0.1/b-new", {}, {}, {}}, "X");
    EXPECT_TRUE(file.Remove("C"));
    EXPECT_FALSE(file.Remove("X"));
    file.Put({"C", "http://127.0.0.1/c-new", {}, {}, {}});
    file.Put({"A2", "http://127.0.0.1/a2", {}, {}, {}}, "A");
    CAtomicFileWriter writer;
    ASSERT_TRUE(file.Save(writer).ok);

    EXPECT_THAT(MergedNames(), ElementsAre("A2", "B", "C"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("B", "", ""), "http://127.0.0.1/b-new");
    EXPECT_EQ(m_database.GetDirectorySubmitPage("C", "", ""), "http://127.0.0.1/c-new");
}

TEST_F(UserDirectoryFileTest, RemoveTakesEveryDirectoryOfTheName)
{
    Save({{"A", "http://127.0.0.1/a", {}, {}, {}},
          {"B", "http://127.0.0.1/b", {}, {}, {}},
          {"C", "http://127.0.0.1/c", {}, {}, {}}});
    CUserDirectoryFile file(UserPath());
    ASSERT_TRUE(file.Load());
    EXPECT_TRUE(file.Remove("B"));
    EXPECT_FALSE(file.Remove("B"));
    EXPECT_FALSE(file.Remove("b"));
    CAtomicFileWriter writer;
    ASSERT_TRUE(file.Save(writer).ok);
    EXPECT_THAT(MergedNames(), ElementsAre("A", "C"));
}

TEST_F(UserDirectoryFileTest, UnreadableFileIsNeverWrittenOver)
{
    const std::vector<std::string> contents{
        "<r><directory name=\"A\">",
        "<html><body>Not found</body></html>",
        "",
        std::string("<r>\0</r>", 8),
    };
    for (const std::string& content : contents) {
        SCOPED_TRACE(content);
        WriteFile("mydirs.xml", content);
        CUserDirectoryFile file(UserPath());
        EXPECT_FALSE(file.Load());
        EXPECT_THAT(file.Error(), HasSubstr(UserPath()));
        EXPECT_EQ(ReadBack(), content);
    }
    std::filesystem::create_directory(UserPath() + ".d");
    CUserDirectoryFile folder(UserPath() + ".d");
    EXPECT_FALSE(folder.Load());
}

TEST_F(UserDirectoryFileTest, FailedSaveLeavesTheOldFile)
{
    Save({{"A", "http://127.0.0.1/a", {}, {}, {}}});
    const std::string before = ReadBack();
    CUserDirectoryFile file(UserPath());
    ASSERT_TRUE(file.Load());
    file.Put(Tricky());
    DiskFillsUpWriter writer(10);
    const WriteOutcome outcome = file.Save(writer);
    EXPECT_FALSE(outcome.ok);
    EXPECT_THAT(outcome.error, Not(IsEmpty()));
    EXPECT_EQ(ReadBack(), before);
}

TEST_F(UserDirectoryFileTest, TextXmlCannotHoldIsNotWritten)
{
    Save({{"A", "http://127.0.0.1/a", {}, {}, {}}});
    const std::string before = ReadBack();
    for (const std::string& text : {std::string("bell \x07"), std::string("broken \xc3(")}) {
        CUserDirectoryFile file(UserPath());
        ASSERT_TRUE(file.Load());
        file.Put({"B", text, {}, {}, {}});
        CAtomicFileWriter writer;
        const WriteOutcome outcome = file.Save(writer);
        EXPECT_FALSE(outcome.ok);
        EXPECT_THAT(outcome.error, HasSubstr("cannot store"));
        EXPECT_EQ(ReadBack(), before);
    }
}

struct NameCase
{
    std::string name;
    bool acceptable;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << '"' << c.name << '"';
}

class DirectoryNameTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(DirectoryNameTest, NamesTheListAndSvDatCannotCarryAreRefused)
{
    const std::optional<std::string> problem = DirectoryNameProblem(GetParam().name);
    EXPECT_EQ(!problem, GetParam().acceptable) << problem.value_or("");
}

INSTANTIATE_TEST_SUITE_P(
    Names, DirectoryNameTest,
    ::testing::Values(NameCase{"Feed Haven", true}, NameCase{"O'Reilly[Feeds]", true},
                      NameCase{"Caf\xc3\xa9 ]x[", true}, NameCase{std::string(223, 'n'), true},
                      NameCase{"", false}, NameCase{"   ", false},
                      NameCase{"\xc2\xa0\xe2\x80\x89", false},
                      NameCase{std::string(224, 'n'), false}, NameCase{"Feeds [old]", false},
                      NameCase{"two\nlines", false}, NameCase{"tab\there", false}));

} // namespace
