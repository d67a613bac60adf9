// Files that cannot be loaded: no message, false, and an empty document afterwards.
#include "DatabaseFixture.h"
#include "directory_db/UntrustedXml.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using LoadTest = DatabaseFixture;

constexpr const char* kOneDirectory =
    R"(<r><directory name="d" submiturl="http://127.0.0.1/"/></r>)";

// After an unsuccessful load the database holds an empty document: names come back empty (and
// true), the other queries find nothing.
void ExpectEmptyDocument(const CDirectoryDatabase& database)
{
    std::vector<std::string> names{"stale"};
    EXPECT_TRUE(database.GetDirectoryNames(names));
    EXPECT_THAT(names, IsEmpty());
    std::vector<FormField> fields;
    EXPECT_TRUE(database.GetDirectoryItems("d", "", "", fields));
    EXPECT_THAT(fields, IsEmpty());
}

TEST_F(LoadTest, UnreadableFilesLeaveAnEmptyDocumentWithoutMessages)
{
    const std::vector<std::string> paths{
        PathOf("missing.xml"),
        m_folder.Path(),
        WriteFile("empty.xml", ""),
        WriteFile("truncated.xml", R"(<r><directory name="d" submiturl="http://127.0.0.1/">)"),
        WriteFile("two-roots.xml", "<r/><r/>"),
        WriteFile("bad-utf8.xml", "<r><directory name=\"\xff\xfe\"/></r>"),
        WriteFile("unknown-encoding.xml", R"(<?xml version="1.0" encoding="x-no-such"?><r/>)"),
        WriteFile("html.xml", "<html><body><p>Not found<br></body></html>"),
        WriteFile("nul.xml", std::string("<r>\0</r>", 8)),
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(LoadXml(kOneDirectory));
        EXPECT_FALSE(m_database.LoadFile(path));
        ExpectEmptyDocument(m_database);
    }
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(LoadTest, FileOverTheSizeCapIsNotLoaded)
{
    const std::string comment = "<!--" + std::string(4000, 'c') + "-->\n";
    std::string padding;
    while (padding.size() <= kMaxUntrustedXmlBytes)
        padding += comment;
    EXPECT_FALSE(LoadDirectories(padding + R"(<directory name="d"/>)"));
    ExpectEmptyDocument(m_database);

    padding.resize(padding.size() - 2 * comment.size());
    EXPECT_TRUE(LoadDirectories(padding + R"(<directory name="d"/>)"));
    EXPECT_THAT(Names(), ElementsAre("d"));
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

// libxml2's one-shot reader gives up on such files past 10 MB; they are well-formed all the same.
TEST_F(LoadTest, LargeFileWithLongAttributesLoads)
{
    std::string directories;
    for (int i = 0; directories.size() < 20'000'000; ++i)
        directories += "<directory name=\"d" + std::to_string(i) + "\" onsubmit=\"" +
                       std::string(2000, 'o') + "\"/>\n";
    EXPECT_TRUE(LoadDirectories(directories + R"(<directory name="last"/>)"));
    EXPECT_EQ(Names().back(), "last");
}

TEST_F(LoadTest, WithoutDatabaseFileTheListIsEmptyAndSilent)
{
    EXPECT_FALSE(m_database.LoadFile(PathOf("dirdata.xml")));
    EXPECT_THAT(Names(), IsEmpty());
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(LoadTest, GoodFileAfterABadOneLoads)
{
    EXPECT_FALSE(LoadXml("<r>"));
    EXPECT_TRUE(LoadXml(kOneDirectory));
    EXPECT_THAT(Names(), ElementsAre("d"));
}

} // namespace
