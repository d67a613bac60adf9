#include "history/ReportExport.h"

#include "HistoryTestFolder.h"
#include "common/DataFolder.h"
#include "history/HistoryStore.h"
#include "profiles/ProfileStore.h"
#include "support/ScopedTimeZone.h"
#include "support/SharedFolderLink.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr const char* kHeader =
    "Directory,Submission address,Blog status,Blog last event,Blog confirmed by e-mail\r\n";

class ReportExportTest : public HistoryTestFolder
{
protected:
    const ScopedTimeZone m_zone{"UTC0"};

    void SetUp() override
    {
        HistoryTestFolder::SetUp();
        m_blog.name = "Blog";
        m_blog.cat = "Business";
        m_blog.subcat = "Marketing";
        m_blog.sent.insert("Feeds & More");
        m_profiles.AddProfile(m_blog);
    }

    ReportExportOutcome Export() const
    {
        return ExportReport(ReportPath(), {m_samplePath, {}, HistoryPath()}, m_profiles, &m_blog);
    }
    std::string ReportPath() const { return PathOf("report.csv"); }

    const std::string m_samplePath =
        std::string(KESTRINE_TEST_DATA_DIR) + "/directory_db/sample.xml";
    CProfileStore m_profiles;
    ProfileRecord m_blog;
};

TEST_F(ReportExportTest, JoinsTheDatabaseTheProfilesAndTheHistory)
{
    {
        CHistoryStore store;
        ASSERT_TRUE(store.Open(HistoryPath()).ok);
        ASSERT_TRUE(store
                        .Append({0, "Blog", "Sample Directory", HistoryEventKind::Submitted, 0, 0,
                                 "http://127.0.0.1/submit?cat=104"})
                        .ok);
        ASSERT_TRUE(store
                        .Append({1000, "Blog", "Sample Directory", HistoryEventKind::NotConfirmed,
                                 0, 0, "http://127.0.0.1/result"})
                        .ok);
    }
    const ReportExportOutcome outcome = Export();
    EXPECT_TRUE(outcome.written.ok) << outcome.written.error;
    EXPECT_EQ(outcome.historyError, "");
    // The address is the one the current profile's category opens.
    EXPECT_EQ(ReadWholeFile(ReportPath()),
              std::string(kHeader) + "Sample Directory,http://127.0.0.1/submit?cat=104,refused,"
                                     "1970-01-01T00:00:01+00:00,\r\n"
                                     "Feeds & More,http://127.0.0.1/add,sent,,\r\n");
}

TEST_F(ReportExportTest, AHistoryItCannotReadLeavesTheDatesOutAndIsNamed)
{
    WriteWholeFile(HistoryPath(), "garbage, not SQLite");
    const ReportExportOutcome outcome = Export();
    EXPECT_TRUE(outcome.written.ok);
    EXPECT_THAT(outcome.historyError, ::testing::HasSubstr("not a database"));
    EXPECT_EQ(ReadWholeFile(ReportPath()),
              std::string(kHeader) +
                  "Sample Directory,http://127.0.0.1/submit?cat=104,not sent,,\r\n"
                  "Feeds & More,http://127.0.0.1/add,sent,,\r\n");
    EXPECT_EQ(ReadWholeFile(HistoryPath()), "garbage, not SQLite");
}

TEST_F(ReportExportTest, AMissingHistoryIsNoHistoryAndIsNotCreated)
{
    const ReportExportOutcome outcome = Export();
    EXPECT_TRUE(outcome.written.ok);
    EXPECT_EQ(outcome.historyError, "");
    EXPECT_FALSE(std::filesystem::exists(HistoryPath()));
}

TEST_F(ReportExportTest, AReportItCannotWriteSaysWhy)
{
    const ReportExportOutcome outcome =
        ExportReport(PathOf("no such folder/report.csv"), {m_samplePath, {}, HistoryPath()},
                     m_profiles, &m_blog);
    EXPECT_FALSE(outcome.written.ok);
    EXPECT_THAT(outcome.written.error, ::testing::HasSubstr("No such file"));
}

// The user names the report's file, maybe in /tmp: another user's link there is not followed,
// neither as the file's name nor as a folder of its path.
TEST_F(ReportExportTest, AStrangersLinkInASharedFolderIsNotWrittenThrough)
{
    if (!SharedFolderLink::CanBeMade())
        GTEST_SKIP() << "needs root to make files of other users";
    const SharedFolderLink setting(01777, SharedFolderLink::kStranger);
    ASSERT_TRUE(setting.IsMade());
    for (const std::string& path : {setting.Link(), setting.ThroughFolderLink()}) {
        const std::string error = SharedFolderLink::RunAsUser(
            [&] { return ExportReport(path, {}, m_profiles, &m_blog).written.error; });
        EXPECT_THAT(error, ::testing::HasSubstr("another user")) << path;
    }
    EXPECT_EQ(ReadWholeFile(setting.Notes()), "notes");
}

TEST_F(ReportExportTest, FromTheFilesReadsThemAsTheWindowDoes)
{
    WriteWholeFile(PathOf("dirdata.xml"), ReadWholeFile(m_samplePath));
    // The current profile (line 1) gives the addresses their category.
    WriteWholeFile(PathOf("sv.dat"), "Blog\r\n1\r\nBlog\r\nu\r\nt\r\nd\r\nBusiness\r\n\r\n"
                                     "k\r\ne\r\nf\r\nl\r\n1\r\nGone, \"old\"\r\n");
    {
        CHistoryStore store;
        ASSERT_TRUE(store.Open(PathOf("history.sqlite")).ok);
        ASSERT_TRUE(
            store.Append({2000, "Blog", "Feeds & More", HistoryEventKind::Opened, 0, 0, ""}).ok);
    }
    const ReportExportOutcome outcome =
        ExportReportFromFiles(ReportPath(), DataFolder::At(Folder()));
    EXPECT_TRUE(outcome.written.ok);
    EXPECT_EQ(outcome.historyError, "");
    EXPECT_EQ(ReadWholeFile(ReportPath()),
              std::string(kHeader) +
                  "Sample Directory,http://127.0.0.1/submit?cat=100,not sent,,\r\n"
                  "Feeds & More,http://127.0.0.1/add,not sent,1970-01-01T00:00:02+00:00,\r\n"
                  "\"Gone, \"\"old\"\"\",,sent,,\r\n");
}

TEST_F(ReportExportTest, AVariableThatDoesNotWorkOutLeavesItsNameInTheAddress)
{
    // No condition for the profile's category and no default: the window would say
    // "error on variable" when the directory is picked; the report says nothing.
    const std::string database = PathOf("dirdata.xml");
    WriteWholeFile(database, "<r><directory name=\"Picky\" submiturl=\"http://127.0.0.1/?c=CATID\" "
                             "onsubmit=\"x\"><variable name=\"CATID\">"
                             "<cond category=\"Sports\" value=\"7\"/></variable></directory></r>");
    const ReportExportOutcome outcome =
        ExportReport(ReportPath(), {database, {}, HistoryPath()}, m_profiles, &m_blog);
    EXPECT_TRUE(outcome.written.ok);
    EXPECT_EQ(ReadWholeFile(ReportPath()), std::string(kHeader) +
                                               "Picky,http://127.0.0.1/?c=CATID,not sent,,\r\n"
                                               "Feeds & More,,sent,,\r\n");
}

// The window's File > Export Report and `kestrine --export-report` list the directories as the
// window's list does: the user's own directories of mydirs.xml merged in, a directory the user
// fixed with the user's address.
class ReportUserDirectoriesTest : public ReportExportTest,
                                  public ::testing::WithParamInterface<bool>
{
};

TEST_P(ReportUserDirectoriesTest, AreInTheReportAsInTheList)
{
    const bool fromTheCommandLine = GetParam();
    const DataFolder folder = DataFolder::At(Folder());
    WriteWholeFile(folder.databaseFile, ReadWholeFile(m_samplePath));
    WriteWholeFile(folder.UserDirectoriesFile(),
                   "<r><directory name=\"Mine\" submiturl=\"http://127.0.0.1/mine\"/>"
                   "<directory name=\"Feeds &amp; More\" submiturl=\"http://127.0.0.1/fixed\"/>"
                   "</r>");
    WriteWholeFile(folder.StateFile(),
                   "Blog\r\n1\r\nBlog\r\n\r\n\r\n\r\nBusiness\r\n"
                   "Marketing\r\n\r\n\r\n\r\n\r\n2\r\nFeeds & More\r\nMine\r\n");
    m_profiles.MarkSent("Blog", "Mine");

    const ReportExportOutcome outcome =
        fromTheCommandLine ? ExportReportFromFiles(ReportPath(), folder)
                           : ExportReport(ReportPath(),
                                          {folder.databaseFile, folder.UserDirectoriesFile(),
                                           folder.HistoryFile()},
                                          m_profiles, &m_blog);

    EXPECT_TRUE(outcome.written.ok) << outcome.written.error;
    EXPECT_EQ(ReadWholeFile(ReportPath()),
              std::string(kHeader) +
                  "Sample Directory,http://127.0.0.1/submit?cat=104,not sent,,\r\n"
                  "Feeds & More,http://127.0.0.1/fixed,sent,,\r\n"
                  "Mine,http://127.0.0.1/mine,sent,,\r\n");
}

INSTANTIATE_TEST_SUITE_P(BothWays, ReportUserDirectoriesTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "CommandLine" : "Window";
                         });

} // namespace
