#include "common/AtomicFileWriter.h"

#include "support/DiskFillsUpWriter.h"
#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

class AtomicFileWriterTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.IsValid()); }

    std::string PathOf(const std::string& name) const { return m_folder.File(name); }
    size_t FilesInFolder() const { return m_folder.EntryCount(); }

    TemporaryFolder m_folder;
};

} // namespace

TEST_F(AtomicFileWriterTest, ReplacesContentAndLeavesNoTemporaryBehind)
{
    const std::string path = PathOf("sv.dat");
    WriteWholeFile(path, "old content that is longer than the new one");

    const WriteOutcome outcome = CAtomicFileWriter().Write(path, std::string("new\r\n\0x", 7));

    EXPECT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(ReadWholeFile(path), std::string("new\r\n\0x", 7));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, FailurePartWayKeepsOldFileAndSaysWhy)
{
    const std::string path = PathOf("sv.dat");
    WriteWholeFile(path, "the profiles the user trusts us with");

    DiskFillsUpWriter writer(5);
    const WriteOutcome outcome = writer.Write(path, std::string(10000, 'x'));

    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "No space left on device");
    EXPECT_EQ(ReadWholeFile(path), "the profiles the user trusts us with");
    EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file must be removed";
}

TEST_F(AtomicFileWriterTest, FolderThatCannotBeWrittenIsReported)
{
    const std::string path = PathOf("missing-folder/sv.dat");
    const WriteOutcome outcome = CAtomicFileWriter().Write(path, "x");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "No such file or directory");
}

TEST_F(AtomicFileWriterTest, ReplacedFileKeepsItsPermissions)
{
    const std::string path = PathOf("sv.dat");
    WriteWholeFile(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(CAtomicFileWriter().Write(path, "new").ok);

    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileWriterTest, RemoveLeftoversTakesOnlyThisFilesTemporaries)
{
    const std::string path = PathOf("sv.dat");
    WriteWholeFile(path, "keep");
    WriteWholeFile(PathOf("sv.dat.tmp-Ab12Cd"), "crash leftover");
    WriteWholeFile(PathOf("sv.dat.tmp-short"), "not ours: wrong length");
    WriteWholeFile(PathOf("dirdata.xml.tmp-Ab12Cd"), "another file's");

    CAtomicFileWriter::RemoveLeftovers(path);

    EXPECT_TRUE(fs::exists(path));
    EXPECT_FALSE(fs::exists(PathOf("sv.dat.tmp-Ab12Cd")));
    EXPECT_TRUE(fs::exists(PathOf("sv.dat.tmp-short")));
    EXPECT_TRUE(fs::exists(PathOf("dirdata.xml.tmp-Ab12Cd")));
}

namespace {

// Flushes files, but the folder's flush fails the way a failing disk makes it fail.
class FolderSyncFails final : public CAtomicFileWriter
{
protected:
    int Sync(int fd) override
    {
        struct stat status
        {
        };
        if (fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
            errno = EIO;
            return -1;
        }
        return CAtomicFileWriter::Sync(fd);
    }
};

// Another copy of the program starts, and cleans up, while this one is half-way through a save.
class CleanUpMidWrite final : public CAtomicFileWriter
{
public:
    explicit CleanUpMidWrite(std::string path) : m_path(std::move(path)) {}

protected:
    ssize_t WriteSome(int fd, const char* data, size_t size) override
    {
        CAtomicFileWriter::RemoveLeftovers(m_path);
        return CAtomicFileWriter::WriteSome(fd, data, size);
    }

private:
    std::string m_path;
};

} // namespace

TEST_F(AtomicFileWriterTest, FolderThatCannotBeFlushedFailsTheSave)
{
    const std::string path = PathOf("sv.dat");
    WriteWholeFile(path, "old");
    const WriteOutcome outcome = FolderSyncFails().Write(path, "new");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "Input/output error");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, ASaveInProgressSurvivesACleanUp)
{
    const std::string path = PathOf("sv.dat");
    WriteWholeFile(path, "old");
    WriteWholeFile(PathOf("sv.dat.tmp-Ab12Cd"), "crash leftover");

    const WriteOutcome outcome = CleanUpMidWrite(path).Write(path, "new");

    EXPECT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(ReadWholeFile(path), "new");
    EXPECT_EQ(FilesInFolder(), 1u) << "the crash's leftover goes all the same";
}

struct LinkCase
{
    const char* name;
    // Links made in order, each as (link, what it points to); the first link is the one saved
    // through. "@" stands for the test's folder.
    std::vector<std::pair<std::string, std::string>> links;
    const char* target; // the file that must end up holding the content, under "@"
    bool targetExists;

    friend void PrintTo(const LinkCase& row, std::ostream* out) { *out << row.name; }
};

class AtomicFileWriterLinkTest : public AtomicFileWriterTest,
                                 public ::testing::WithParamInterface<LinkCase>
{
protected:
    std::string Expand(std::string text) const
    {
        if (!text.empty() && text.front() == '@')
            text = m_folder.Path() + text.substr(1);
        return text;
    }
};

TEST_P(AtomicFileWriterLinkTest, WritesThroughTheLinkAndKeepsIt)
{
    const LinkCase& link = GetParam();
    fs::create_directory(PathOf("real"));
    const std::string target = Expand(link.target);
    if (link.targetExists)
        WriteWholeFile(target, "old");
    for (const auto& [from, to] : link.links)
        fs::create_symlink(Expand(to), Expand(from));
    const std::string path = Expand(link.links.front().first);

    const WriteOutcome outcome = CAtomicFileWriter().Write(path, "new");

    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(ReadWholeFile(target), "new");
    for (const auto& [from, to] : link.links) {
        ASSERT_TRUE(fs::is_symlink(Expand(from))) << from;
        EXPECT_EQ(fs::read_symlink(Expand(from)).string(), Expand(to));
    }
    EXPECT_EQ(FilesInFolder(), 1 + link.links.size()) << "no temporary beside the link";
    EXPECT_EQ(std::distance(fs::directory_iterator(PathOf("real")), fs::directory_iterator()), 1)
        << "no temporary beside the target";
}

INSTANTIATE_TEST_SUITE_P(
    Links, AtomicFileWriterLinkTest,
    ::testing::Values(
        LinkCase{"relative", {{"@/sv.dat", "real/state.dat"}}, "@/real/state.dat", true},
        LinkCase{"absolute", {{"@/sv.dat", "@/real/state.dat"}}, "@/real/state.dat", true},
        LinkCase{
            "to a file not made yet", {{"@/sv.dat", "real/state.dat"}}, "@/real/state.dat", false},
        LinkCase{"through a second link",
                 {{"@/sv.dat", "@/hop"}, {"@/hop", "real/state.dat"}},
                 "@/real/state.dat",
                 true}),
    [](const ::testing::TestParamInfo<LinkCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST_F(AtomicFileWriterTest, LinkThatLeadsToItselfIsReported)
{
    const std::string path = PathOf("sv.dat");
    fs::create_symlink(path, path);
    const WriteOutcome outcome = CAtomicFileWriter().Write(path, "new");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(path));
}
