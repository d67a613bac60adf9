// A file the user names is written through a symbolic link only as the kernel would follow the
// link for them (fs.protected_symlinks): in a sticky folder everyone may write to, another
// user's link is refused and nothing is written. The program's own files keep following links.
// Root ignores that protection, so each save runs in a child that has become an ordinary user.
#include "common/AtomicFileWriter.h"
#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uid_t kUser = 65534;     // nobody: the one who saves
constexpr uid_t kStranger = 65533; // another ordinary user
constexpr uid_t kRoot = 0;         // owns the shared folder

struct SharedLinkRow
{
    const char* name;
    mode_t folderMode; // of the folder holding the link, owned by root
    uid_t linkOwner;
    LinkTrust trust;
    bool followed;

    friend void PrintTo(const SharedLinkRow& row, std::ostream* out) { *out << row.name; }
};

class SharedFolderLinkTest : public ::testing::TestWithParam<SharedLinkRow>
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to make files of other users";
        ASSERT_TRUE(m_folder.IsValid());
        fs::permissions(m_folder.Path(), fs::perms(0755));
        // The user's own notes, and the shared folder with the link to them.
        ASSERT_EQ(mkdir(Home().c_str(), 0755), 0);
        ASSERT_EQ(chown(Home().c_str(), kUser, kUser), 0);
        WriteWholeFile(Notes(), "notes");
        ASSERT_EQ(chown(Notes().c_str(), kUser, kUser), 0);
        ASSERT_EQ(mkdir(Shared().c_str(), 0755), 0);
        ASSERT_EQ(chmod(Shared().c_str(), GetParam().folderMode), 0);
        ASSERT_EQ(symlink(Notes().c_str(), Link().c_str()), 0);
        ASSERT_EQ(lchown(Link().c_str(), GetParam().linkOwner, GetParam().linkOwner), 0);
    }

    std::string Home() const { return m_folder.File("home"); }
    std::string Notes() const { return m_folder.File("home/notes.txt"); }
    std::string Shared() const { return m_folder.File("shared"); }
    std::string Link() const { return m_folder.File("shared/export.xml"); }

    // Saves as the user, in a child process; the error text when the save failed.
    std::string SaveAsUser(LinkTrust trust) const
    {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            return "no pipe";
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            std::string error = "cannot become the user";
            if (setgroups(0, nullptr) == 0 && setgid(kUser) == 0 && setuid(kUser) == 0) {
                const WriteOutcome outcome = CAtomicFileWriter(trust).Write(Link(), "export");
                error = outcome.ok ? "" : outcome.error;
            }
            const ssize_t written = write(pipeEnds[1], error.data(), error.size());
            _exit(written == static_cast<ssize_t>(error.size()) ? 0 : 1);
        }
        close(pipeEnds[1]);
        std::string error;
        char buffer[512];
        for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
            error.append(buffer, static_cast<size_t>(got));
        close(pipeEnds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? error : "the child failed";
    }

    size_t Entries(const std::string& folder) const
    {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    TemporaryFolder m_folder;
};

TEST_P(SharedFolderLinkTest, IsFollowedOnlyWhereTheKernelWouldFollowIt)
{
    const SharedLinkRow& row = GetParam();
    const std::string error = SaveAsUser(row.trust);
    if (row.followed) {
        EXPECT_EQ(error, "");
        EXPECT_EQ(ReadWholeFile(Notes()), "export");
    } else {
        EXPECT_THAT(error, ::testing::HasSubstr("another user"));
        EXPECT_THAT(error, ::testing::HasSubstr(Shared()));
        EXPECT_EQ(ReadWholeFile(Notes()), "notes");
    }
    EXPECT_TRUE(fs::is_symlink(Link()));
    EXPECT_EQ(Entries(Home()), 1u) << "no temporary beside the notes";
    EXPECT_EQ(Entries(Shared()), 1u) << "no temporary beside the link";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SharedFolderLinkTest,
    ::testing::Values(SharedLinkRow{"own_link_in_sticky_folder", 01777, kUser,
                                    LinkTrust::AsTheKernel, true},
                      SharedLinkRow{"folder_owners_link_in_sticky_folder", 01777, kRoot,
                                    LinkTrust::AsTheKernel, true},
                      SharedLinkRow{"strangers_link_in_sticky_folder", 01777, kStranger,
                                    LinkTrust::AsTheKernel, false},
                      SharedLinkRow{"strangers_link_in_folder_not_sticky", 0777, kStranger,
                                    LinkTrust::AsTheKernel, true},
                      SharedLinkRow{"strangers_link_in_sticky_folder_not_world_writable", 01775,
                                    kStranger, LinkTrust::AsTheKernel, true},
                      // The data folder's own files (sv.dat): a link there is the user's choice.
                      SharedLinkRow{"program_file_through_strangers_link", 01777, kStranger,
                                    LinkTrust::Any, true}),
    [](const ::testing::TestParamInfo<SharedLinkRow>& info) { return info.param.name; });

} // namespace
