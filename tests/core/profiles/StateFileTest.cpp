#include "profiles/StateFile.h"

#include "StateFileTestFolder.h"
#include "profiles/ProfileStore.h"
#include "support/DiskFillsUpWriter.h"

#include <cerrno>

namespace {

class StateFileTest : public StateFileTestFolder
{
};

CProfileStore StoreWithBlog()
{
    CProfileStore store;
    ProfileRecord blog;
    blog.name = "Blog";
    blog.sent = {"beta", "Alpha"};
    store.AddProfile(blog);
    return store;
}

} // namespace

TEST_F(StateFileTest, EmptyStoreWithoutCurrentProfileIsFiveBytes)
{
    ASSERT_TRUE(state_file::Save(StatePath(), "", CProfileStore()).ok);
    EXPECT_EQ(ReadWholeFile(StatePath()), "\r\n0\r\n");
}

TEST_F(StateFileTest, BlogExampleIsWrittenByteForByte)
{
    ASSERT_TRUE(state_file::Save(StatePath(), "Blog", StoreWithBlog()).ok);
    EXPECT_EQ(ReadWholeFile(StatePath()), TestData("blog.sv.dat"));
}

TEST_F(StateFileTest, UnchangedFilesAreReproducedByteForByte)
{
    for (const char* fixture : {"blog.sv.dat", "three_profiles.sv.dat"}) {
        SCOPED_TRACE(fixture);
        const std::string original = TestData(fixture);
        ASSERT_FALSE(original.empty());
        WriteWholeFile(StatePath(), original);

        std::string current;
        CProfileStore store;
        ASSERT_TRUE(state_file::Load(StatePath(), current, store));
        ASSERT_TRUE(state_file::Save(StatePath(), current, store).ok);

        EXPECT_EQ(ReadWholeFile(StatePath()), original);
    }
}

TEST_F(StateFileTest, LoadReadsTheCurrentNameAndEveryProfile)
{
    WriteWholeFile(StatePath(), TestData("three_profiles.sv.dat"));
    std::string current;
    CProfileStore store;
    ASSERT_TRUE(state_file::Load(StatePath(), current, store));

    EXPECT_EQ(current, "News");
    ASSERT_EQ(store.Profiles().size(), 3u);
    EXPECT_EQ(store.Profiles()[0].title, "  Daily News  ");
    EXPECT_EQ(store.Profiles()[0].lname, "O'Neil");
    EXPECT_TRUE(store.IsSent("News", "Feeds"));
    EXPECT_TRUE(store.IsSent("News", "Zeta")) << "the second profile named News";
    EXPECT_FALSE(store.IsSent("Podcast", "Feeds"));
}

TEST_F(StateFileTest, CurrentNameWithoutAProfileStillLoadsThemAll)
{
    WriteWholeFile(StatePath(), "Gone\n2\nA\n\n\n\n\n\n\n\n\n\n0\nB\n\n\n\n\n\n\n\n\n\n0\n");
    std::string current;
    CProfileStore store;
    ASSERT_TRUE(state_file::Load(StatePath(), current, store));
    EXPECT_EQ(current, "Gone");
    std::vector<std::string> names;
    store.GetProfileNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B"}));
}

TEST_F(StateFileTest, MissingFileLeavesBothUntouched)
{
    std::string current = "before";
    CProfileStore store = StoreWithBlog();
    EXPECT_FALSE(state_file::Load(StatePath(), current, store));
    EXPECT_EQ(current, "before");
    EXPECT_EQ(store.Profiles().size(), 1u);
}

TEST_F(StateFileTest, EmptyFileEmptiesTheStore)
{
    WriteWholeFile(StatePath(), "");
    std::string current = "before";
    CProfileStore store = StoreWithBlog();
    EXPECT_TRUE(state_file::Load(StatePath(), current, store));
    EXPECT_EQ(current, "");
    EXPECT_TRUE(store.Profiles().empty());
}

TEST_F(StateFileTest, CurrentNameLineTakesLineFeedOrCrLf)
{
    for (const char* file : {"Blog\n0\n", "Blog\r\n0\r\n", "Blog"}) {
        WriteWholeFile(StatePath(), file);
        std::string current;
        CProfileStore store;
        ASSERT_TRUE(state_file::Load(StatePath(), current, store));
        EXPECT_EQ(current, "Blog");
    }
}

TEST_F(StateFileTest, LoadRemovesTemporariesThatACrashLeft)
{
    WriteWholeFile(StatePath(), TestData("blog.sv.dat"));
    WriteWholeFile(PathOf("sv.dat.tmp-Ab12Cd"), "half a save");
    WriteWholeFile(PathOf("sv.dat.tmp-x9Y8z7"), "");

    std::string current;
    CProfileStore store;
    ASSERT_TRUE(state_file::Load(StatePath(), current, store));

    EXPECT_EQ(current, "Blog");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(StateFileTest, LoadRemovesTemporariesEvenWithoutAStateFile)
{
    WriteWholeFile(PathOf("sv.dat.tmp-Ab12Cd"), "half of the first save");
    std::string current;
    CProfileStore store;
    EXPECT_FALSE(state_file::Load(StatePath(), current, store));
    EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(StateFileTest, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    const std::string old = TestData("three_profiles.sv.dat");
    WriteWholeFile(StatePath(), old);

    for (size_t budget : {size_t{0}, size_t{1}, size_t{7}, size_t{20}}) {
        SCOPED_TRACE(budget);
        DiskFillsUpWriter writer(budget);
        const WriteOutcome outcome = state_file::Save(StatePath(), "Blog", StoreWithBlog(), writer);

        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.error, "No space left on device");
        EXPECT_EQ(ReadWholeFile(StatePath()), old);
        EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file must go";
    }
}

TEST_F(StateFileTest, FolderThatCannotBeWrittenIsReported)
{
    const WriteOutcome outcome =
        state_file::Save(PathOf("no such folder/sv.dat"), "Blog", StoreWithBlog());
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "No such file or directory");
}

class SentNameAcrossRestartTest : public StateFileTestFolder,
                                  public ::testing::WithParamInterface<const char*>
{
};

// A directory name from the database can hold line feeds that sv.dat cannot; its mark must
// mean the same before the file is written and after it is read again.
TEST_P(SentNameAcrossRestartTest, MarkedDirectoryStaysSentAfterARestart)
{
    const std::string directory = GetParam();
    CProfileStore store = StoreWithBlog();
    ASSERT_TRUE(store.MarkSent("Blog", directory));
    EXPECT_TRUE(store.IsSent("Blog", directory));
    ASSERT_TRUE(state_file::Save(StatePath(), "Blog", store).ok);
    const std::string firstSave = ReadWholeFile(StatePath());

    std::string current;
    CProfileStore reloaded;
    ASSERT_TRUE(state_file::Load(StatePath(), current, reloaded));
    EXPECT_TRUE(reloaded.IsSent("Blog", directory));
    // Marking it again after the restart adds nothing: the next file is the same.
    ASSERT_TRUE(reloaded.MarkSent("Blog", directory));
    EXPECT_EQ(reloaded.Profiles()[0].sent.size(), 3u);
    ASSERT_TRUE(state_file::Save(StatePath(), "Blog", reloaded).ok);
    EXPECT_EQ(ReadWholeFile(StatePath()), firstSave);
    // Taken back (Mark as not sent), the mark is gone.
    ASSERT_TRUE(reloaded.UnmarkSent("Blog", directory));
    EXPECT_FALSE(reloaded.IsSent("Blog", directory));
    EXPECT_EQ(reloaded.Profiles()[0].sent.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(LineFeeds, SentNameAcrossRestartTest,
                         ::testing::Values("Two\nlines", "\nleading", "trailing\n", "a\r\nb",
                                           "plain name"));
