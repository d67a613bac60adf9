// Loading in two steps: the file read on a worker thread, the result adopted by the database.
#include "DatabaseFixture.h"
#include "directory_db/UntrustedXml.h"

#include <future>
#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using ReadAdoptTest = DatabaseFixture;

TEST_F(ReadAdoptTest, FailedReadIsReportedAndLeavesNothingLoaded)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d"/>)"));
    EXPECT_FALSE(m_database.Adopt(DatabaseRead{}));
    EXPECT_THAT(m_presenter.messages,
                ElementsAre(Message{"exception on load", "", MessageIcon::None}));
    std::vector<std::string> names{"untouched"};
    EXPECT_FALSE(m_database.GetDirectoryNames(names));
    EXPECT_THAT(names, ElementsAre("untouched"));
}

TEST_F(ReadAdoptTest, UnreadableFileIsAdoptedAsAnEmptyDocumentWithoutMessages)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d"/>)"));
    EXPECT_FALSE(m_database.Adopt(CDirectoryDatabase::ReadFile(WriteFile("bad.xml", "<r>"))));
    EXPECT_THAT(Names(), IsEmpty());
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

// The list shares the names with the document: they outlive a reload for whoever holds them.
TEST_F(ReadAdoptTest, SharedNamesOutliveAReload)
{
    EXPECT_EQ(m_database.DirectoryNames(), nullptr);
    ASSERT_TRUE(LoadDirectories(R"(<directory name="b"/><directory/><directory name="a"/>)"));
    const auto names = m_database.DirectoryNames();
    ASSERT_NE(names, nullptr);
    ASSERT_TRUE(LoadDirectories(R"(<directory name="c"/>)"));
    EXPECT_THAT(*names, ElementsAre("b", "a"));
    EXPECT_THAT(*m_database.DirectoryNames(), ElementsAre("c"));
}

// Several files parsed at once on worker threads give what loading each on this thread gives.
TEST_F(ReadAdoptTest, FilesReadOnWorkerThreadsLoadAsOnTheMainThread)
{
    std::string nested = "<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i)
        nested += "<!ENTITY l" + std::to_string(i) + " \"" + std::string(10, 'x') + "&l" +
                  std::to_string(i - 1) + ";&l" + std::to_string(i - 1) + ";\">";
    std::string many;
    for (int i = 0; i < 2000; ++i)
        many += "<directory name=\"d" + std::to_string(i) + "\" submiturl=\"u\"/>";
    const std::vector<std::string> paths{
        WriteFile("entities.xml", R"(<!DOCTYPE r [<!ENTITY n "Named">]>)"
                                  R"(<r><directory name="&n; one"/><directory name="two"/></r>)"),
        WriteFile("many.xml", "<r>" + many + "</r>"),
        WriteFile("external.xml", R"(<!DOCTYPE r [<!ENTITY e SYSTEM "file:///etc/hostname">]>)"
                                  R"(<r>&e;<directory name="d"/></r>)"),
        WriteFile("expansion.xml",
                  "<!DOCTYPE r [" + nested + "]><r><directory name=\"&l9;\"/></r>"),
        WriteFile("malformed.xml", "<r><directory name=\"d\">"),
        PathOf("missing.xml"),
    };
    std::vector<bool> loaded;
    std::vector<std::vector<std::string>> names;
    for (const std::string& path : paths) {
        loaded.push_back(m_database.LoadFile(path));
        names.push_back(Names());
    }

    // libxml2 is set up on this thread before the workers parse, as the window does.
    InitUntrustedXml();
    for (int round = 0; round < 4; ++round) {
        std::vector<std::future<DatabaseRead>> reads;
        for (const std::string& path : paths)
            reads.push_back(std::async(std::launch::async, &CDirectoryDatabase::ReadFile, path,
                                       std::string()));
        for (size_t i = 0; i < paths.size(); ++i) {
            SCOPED_TRACE(paths[i]);
            EXPECT_EQ(m_database.Adopt(reads[i].get()), loaded[i]);
            EXPECT_EQ(Names(), names[i]);
        }
    }
    EXPECT_THAT(loaded, ElementsAre(true, true, true, false, false, false));
    EXPECT_THAT(names[0], ElementsAre("Named one", "two"));
    EXPECT_EQ(names[1].size(), 2000u);
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

} // namespace
