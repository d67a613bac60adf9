// Importing a shared directory list into the user's own directories, and exporting them: what
// each directory would do, what a refused file leaves behind, and that a list goes round.
#include "directory_db/DirectoryImport.h"

#include "DatabaseFixture.h"
#include "directory_db/DirectoryExport.h"
#include "directory_db/UserDirectoryFile.h"

#include <gmock/gmock.h>

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

constexpr const char* kFeedling =
    R"(<directory name="Feedling" submiturl="http://127.0.0.1:9/add" onsubmit="Thanks">)"
    R"(<item name="url" value="#url#"/><item name="title" index="1" value="#title#"/>)"
    R"(</directory>)";
// Feedling as the program writes it: every attribute of every item spelled out.
constexpr const char* kFeedlingWrittenOut =
    R"(<directory name="Feedling" submiturl="http://127.0.0.1:9/add" onsubmit="Thanks">)"
    R"(<item name="url" index="0" value="#url#" type="edit"/>)"
    R"(<item name="title" index="1" value="#title#" type="edit"/></directory>)";
constexpr const char* kFeedlingMoved =
    R"(<directory name="Feedling" submiturl="http://127.0.0.1:9/new" onsubmit="Thanks"/>)";
constexpr const char* kAtlas = R"(<directory name="Atlas" submiturl="http://127.0.0.1:9/atlas"/>)";

std::string List(const std::string& directories)
{
    return "<?xml version=\"1.0\"?>\n<r>" + directories + "</r>\n";
}

struct ImportCase
{
    const char* label;
    std::string vendor; // dirdata.xml's directories
    std::string user;   // mydirs.xml's directories
    std::string import; // the shared list's directories
    bool replace;
    // One "name:action" per candidate, in file order.
    std::vector<std::string> actions;
    // The user's own directories afterwards, in their file's order.
    std::vector<std::string> userAfter;
};

void PrintTo(const ImportCase& row, std::ostream* out)
{
    *out << row.label;
}

const char* ActionName(ImportAction action)
{
    switch (action) {
    case ImportAction::Add:
        return "add";
    case ImportAction::Replace:
        return "replace";
    case ImportAction::Leave:
        return "leave";
    case ImportAction::Refuse:
        break;
    }
    return "refuse";
}

class DirectoryImportTest : public DatabaseFixture
{
protected:
    std::string UserPath() const { return PathOf("mydirs.xml"); }

    void Prepare(const std::string& vendor, const std::string& user)
    {
        WriteFile("dirdata.xml", List(vendor));
        if (!user.empty())
            WriteFile("mydirs.xml", List(user));
        m_database.LoadFile(PathOf("dirdata.xml"), UserPath());
    }

    DirectoryImport Read(const std::string& path, bool replace)
    {
        return ReadDirectoryImport(path, m_database, replace);
    }

    // Applies `import` as the program does: into mydirs.xml, saved atomically.
    size_t Apply(const DirectoryImport& import)
    {
        CUserDirectoryFile file(UserPath());
        EXPECT_TRUE(file.Load()) << file.Error();
        const size_t put = ApplyDirectoryImport(import, file);
        CAtomicFileWriter writer;
        EXPECT_TRUE(file.Save(writer).ok);
        m_database.ReloadUserFile(UserPath());
        return put;
    }

    std::vector<std::string> UserNames() const
    {
        std::vector<std::string> names;
        for (const DirectoryRecord& record : UserDirectoryRecords(m_database))
            names.push_back(record.name);
        return names;
    }
};

class ImportActionTest : public DirectoryImportTest,
                         public ::testing::WithParamInterface<ImportCase>
{
};

TEST_P(ImportActionTest, DecidesEachDirectoryAndTakesTheAcceptedOnes)
{
    const ImportCase& row = GetParam();
    Prepare(row.vendor, row.user);
    const DirectoryImport import = Read(WriteFile("list.xml", List(row.import)), row.replace);
    ASSERT_EQ(import.error, "");

    std::vector<std::string> actions;
    for (const ImportCandidate& candidate : import.candidates)
        actions.push_back(candidate.record.name + ":" + ActionName(candidate.action));
    EXPECT_THAT(actions, ElementsAreArray(row.actions));
    EXPECT_EQ(Apply(import), import.AcceptedCount());
    EXPECT_THAT(UserNames(), ElementsAreArray(row.userAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImportActionTest,
    ::testing::Values(ImportCase{"new directories are added",
                                 kAtlas,
                                 "",
                                 kFeedling,
                                 false,
                                 {"Feedling:add"},
                                 {"Feedling"}},
                      ImportCase{"the same as the user's is left",
                                 "",
                                 kFeedlingWrittenOut,
                                 kFeedling,
                                 false,
                                 {"Feedling:leave"},
                                 {"Feedling"}},
                      ImportCase{"the same as the database's is left, not copied",
                                 kFeedling,
                                 "",
                                 kFeedling,
                                 false,
                                 {"Feedling:leave"},
                                 {}},
                      ImportCase{"a different one replaces nothing unasked",
                                 "",
                                 kFeedling,
                                 kFeedlingMoved,
                                 false,
                                 {"Feedling:replace"},
                                 {"Feedling"}},
                      ImportCase{"a different one replaces the user's when asked",
                                 "",
                                 kAtlas + std::string(kFeedling),
                                 kFeedlingMoved,
                                 true,
                                 {"Feedling:replace"},
                                 {"Atlas", "Feedling"}},
                      ImportCase{"a different one takes the database's place when asked",
                                 kFeedling,
                                 "",
                                 kFeedlingMoved,
                                 true,
                                 {"Feedling:replace"},
                                 {"Feedling"}},
                      ImportCase{"a name the list cannot show is refused",
                                 "",
                                 "",
                                 R"(<directory name="Bad [name" submiturl="http://127.0.0.1:9/"/>)",
                                 true,
                                 {"Bad [name:refuse"},
                                 {}},
                      ImportCase{"a directory without an address is refused",
                                 "",
                                 "",
                                 R"(<directory name="Nowhere"/>)" + std::string(kAtlas),
                                 false,
                                 {"Nowhere:refuse", "Atlas:add"},
                                 {"Atlas"}},
                      ImportCase{"a field of an unknown type is refused",
                                 "",
                                 "",
                                 R"(<directory name="Odd" submiturl="http://127.0.0.1:9/">)"
                                 R"(<item name="x" type="slider"/></directory>)",
                                 true,
                                 {"Odd:refuse"},
                                 {}},
                      ImportCase{"a name given twice is one directory",
                                 "",
                                 "",
                                 std::string(kAtlas) + kFeedling +
                                     R"(<directory name="Atlas"><item name="q"/>)"
                                     R"(</directory>)",
                                 false,
                                 {"Atlas:add", "Feedling:add"},
                                 {"Atlas", "Feedling"}}),
    [](const ::testing::TestParamInfo<ImportCase>& info) {
        std::string name = info.param.label;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

struct RefusedCase
{
    const char* label;
    std::optional<std::string> bytes; // nullopt: no file at all
    const char* reason;
};

void PrintTo(const RefusedCase& row, std::ostream* out)
{
    *out << row.label;
}

class RefusedFileTest : public DirectoryImportTest,
                        public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(RefusedFileTest, SaysWhyAndOffersNothing)
{
    const RefusedCase& row = GetParam();
    Prepare(kAtlas, kFeedling);
    const std::string path = row.bytes ? WriteFile("list.xml", *row.bytes) : PathOf("missing.xml");
    const DirectoryImport import = Read(path, true);
    EXPECT_THAT(import.error, HasSubstr(row.reason));
    EXPECT_TRUE(import.candidates.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedFileTest,
    ::testing::Values(RefusedCase{"no file", std::nullopt, "cannot read"},
                      RefusedCase{"not XML", std::string("name,address\nAtlas,http://x/\n"),
                                  "not a directory list"},
                      RefusedCase{"cut short", List(kAtlas).substr(0, 40), "not a directory list"},
                      RefusedCase{"another document",
                                  "<rss><directory name=\"A\" submiturl=\"http://x/\"/></rss>",
                                  "not a directory list"},
                      RefusedCase{"an external entity",
                                  "<!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
                                  "<r><directory name=\"&e;\" submiturl=\"http://x/\"/></r>",
                                  "not a directory list"},
                      RefusedCase{
                          "an entity bomb",
                          "<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                          "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                          "<!ENTITY f \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>"
                          "<r><directory name=\"&f;\" submiturl=\"http://x/\"/></r>",
                          "not a directory list"},
                      RefusedCase{"no directories", List(""), "holds no directories"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) {
        std::string name = info.param.label;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST_F(DirectoryImportTest, TheSameListTwiceAddsNothingTheSecondTime)
{
    Prepare(kAtlas, "");
    const std::string list =
        WriteFile("list.xml",
                  List(std::string(kFeedling) + R"(<directory name="Tricky &amp; &quot;co&quot;" )"
                                                R"(submiturl="http://127.0.0.1:9/?a=1&amp;b=2">)"
                                                R"(<variable name="CAT"><cond category="News" )"
                                                R"(value="7"/></variable></directory>)"));
    EXPECT_EQ(Apply(Read(list, false)), 2u);
    const std::string afterFirst = ReadWholeFile(UserPath());

    const DirectoryImport again = Read(list, true);
    EXPECT_EQ(again.Count(ImportAction::Leave), 2u);
    EXPECT_EQ(Apply(again), 0u);
    EXPECT_EQ(ReadWholeFile(UserPath()), afterFirst);
}

TEST_F(DirectoryImportTest, AnExportedListImportsAsTheSameDirectories)
{
    Prepare(
        kAtlas,
        std::string(kFeedling) +
            R"(<directory name="Caf&#xE9;" submiturl="http://127.0.0.1:9/c" onsubmit="Merci"><item name="n" type="checkbox" index="-1" value="1"/></directory>)");
    const std::vector<DirectoryRecord> mine = UserDirectoryRecords(m_database);
    ASSERT_EQ(mine.size(), 2u);
    CAtomicFileWriter writer;
    ASSERT_TRUE(ExportDirectories(mine, PathOf("shared.xml"), writer).ok);

    // Another user, who has none of them yet.
    WriteFile("mydirs.xml", List(""));
    m_database.LoadFile(PathOf("dirdata.xml"), UserPath());
    const DirectoryImport import = Read(PathOf("shared.xml"), false);
    ASSERT_EQ(import.error, "");
    EXPECT_EQ(import.Count(ImportAction::Add), 2u);
    Apply(import);
    EXPECT_EQ(ReadWholeFile(PathOf("shared.xml")), ReadWholeFile(UserPath()));
}

} // namespace
