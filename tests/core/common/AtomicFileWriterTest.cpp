#include "common/AtomicFileWriter.h"

#include "common/DiskFillsUpWriter.h"

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
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("kestrine-atomic-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_folder);
    }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    static std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void WriteRaw(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    size_t FilesInFolder() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(m_folder), {}));
    }

    fs::path m_folder;
};

} // namespace

TEST_F(AtomicFileWriterTest, ReplacesContentAndLeavesNoTemporaryBehind)
{
    const std::string path = PathOf("sv.dat");
    WriteRaw(path, "old content that is longer than the new one");

    const WriteOutcome outcome = CAtomicFileWriter().Write(path, std::string("new\r\n\0x", 7));

    EXPECT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(ReadAll(path), std::string("new\r\n\0x", 7));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, FailurePartWayKeepsOldFileAndSaysWhy)
{
    const std::string path = PathOf("sv.dat");
    WriteRaw(path, "the profiles the user trusts us with");

    DiskFillsUpWriter writer(5);
    const WriteOutcome outcome = writer.Write(path, std::string(10000, 'x'));

    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "No space left on device");
    EXPECT_EQ(ReadAll(path), "the profiles the user trusts us with");
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
    WriteRaw(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(CAtomicFileWriter().Write(path, "new").ok);

    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileWriterTest, RemoveLeftoversTakesOnlyThisFilesTemporaries)
{
    const std::string path = PathOf("sv.dat");
    WriteRaw(path, "keep");
    WriteRaw(PathOf("sv.dat.tmp-Ab12Cd"), "crash leftover");
    WriteRaw(PathOf("sv.dat.tmp-short"), "not ours: wrong length");
    WriteRaw(PathOf("dirdata.xml.tmp-Ab12Cd"), "another file's");

    CAtomicFileWriter::RemoveLeftovers(path);

    EXPECT_TRUE(fs::exists(path));
    EXPECT_FALSE(fs::exists(PathOf("sv.dat.tmp-Ab12Cd")));
    EXPECT_TRUE(fs::exists(PathOf("sv.dat.tmp-short")));
    EXPECT_TRUE(fs::exists(PathOf("dirdata.xml.tmp-Ab12Cd")));
}
