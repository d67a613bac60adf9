// A file the user names is written through a symbolic link only as the kernel would follow the
// link for them (fs.protected_symlinks): in a sticky folder everyone may write to, another
// user's link is refused and nothing is written, whether it stands for the file or for a folder
// of its path. The program's own files keep following links.
#include "support/SharedFolderLink.h"

#include "common/AtomicFileWriter.h"

#include <filesystem>
#include <gmock/gmock.h>

namespace fs = std::filesystem;

namespace {

struct SharedLinkRow
{
    const char* name;
    mode_t folderMode; // of the folder holding the link, owned by root
    uid_t linkOwner;
    LinkTrust trust;
    bool followed;

    friend void PrintTo(const SharedLinkRow& row, std::ostream* out) { *out << row.name; }
};

size_t Entries(const std::string& folder)
{
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class SharedFolderLinkTest : public ::testing::TestWithParam<SharedLinkRow>
{
};

TEST_P(SharedFolderLinkTest, IsFollowedOnlyWhereTheKernelWouldFollowIt)
{
    if (!SharedFolderLink::CanBeMade())
        GTEST_SKIP() << "needs root to make files of other users";
    const SharedLinkRow& row = GetParam();
    const SharedFolderLink setting(row.folderMode, row.linkOwner);
    ASSERT_TRUE(setting.IsMade());

    // The link as the file's name, then as a folder of its path, each save with bytes of its own.
    for (const std::string& path : {setting.Link(), setting.ThroughFolderLink()}) {
        SCOPED_TRACE(path);
        const std::string error = SharedFolderLink::RunAsUser([&] {
            const WriteOutcome outcome = CAtomicFileWriter(row.trust).Write(path, path);
            return outcome.ok ? std::string() : outcome.error;
        });
        if (row.followed) {
            EXPECT_EQ(error, "");
            EXPECT_EQ(ReadWholeFile(setting.Notes()), path);
        } else {
            EXPECT_THAT(error, ::testing::HasSubstr("another user"));
            EXPECT_THAT(error, ::testing::HasSubstr(setting.Shared()));
            EXPECT_EQ(ReadWholeFile(setting.Notes()), "notes");
        }
    }
    EXPECT_TRUE(fs::is_symlink(setting.Link()));
    EXPECT_TRUE(fs::is_symlink(setting.FolderLink()));
    EXPECT_EQ(Entries(setting.Home()), 1u) << "no temporary beside the notes";
    EXPECT_EQ(Entries(setting.Shared()), 2u) << "no temporary beside the links";
}

using Link = SharedFolderLink;

INSTANTIATE_TEST_SUITE_P(
    Rows, SharedFolderLinkTest,
    ::testing::Values(SharedLinkRow{"own_link_in_sticky_folder", 01777, Link::kUser,
                                    LinkTrust::AsTheKernel, true},
                      SharedLinkRow{"folder_owners_link_in_sticky_folder", 01777, Link::kRoot,
                                    LinkTrust::AsTheKernel, true},
                      SharedLinkRow{"strangers_link_in_sticky_folder", 01777, Link::kStranger,
                                    LinkTrust::AsTheKernel, false},
                      SharedLinkRow{"strangers_link_in_folder_not_sticky", 0777, Link::kStranger,
                                    LinkTrust::AsTheKernel, true},
                      SharedLinkRow{"strangers_link_in_sticky_folder_not_world_writable", 01775,
                                    Link::kStranger, LinkTrust::AsTheKernel, true},
                      // The data folder's own files (sv.dat): a link there is the user's choice.
                      SharedLinkRow{"program_file_through_strangers_link", 01777, Link::kStranger,
                                    LinkTrust::Any, true}),
    [](const ::testing::TestParamInfo<SharedLinkRow>& info) { return info.param.name; });

} // namespace
