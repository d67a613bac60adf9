#include "common/AtomicFileWriter.h"

#include "support/DiskFillsUpWriter.h"
#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

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
