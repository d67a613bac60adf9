#include "common/DataFolderResolver.h"

#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Stands in for folders on a read-only mount: a test that runs as root meets no other kind.
class ReadOnlyMounts final : public CDataFolderResolver
{
public:
    explicit ReadOnlyMounts(std::set<std::string> folders) : m_folders(std::move(folders)) {}

protected:
    int WriteAccess(const std::string& folder) const override
    {
        const std::string withoutSlash = fs::path(folder).lexically_normal().string();
        for (const std::string& mount : m_folders) {
            if (withoutSlash == mount || withoutSlash == mount + "/")
                return EROFS;
        }
        return CDataFolderResolver::WriteAccess(folder);
    }

private:
    std::set<std::string> m_folders;
};

// One start of the program. Every path is written with "{root}" for the test's own folder; the
// program's executable lies in {root}/prefix/bin, its installed data in
// {root}/prefix/share/kestrine.
struct Case
{
    const char* name;
    const char* databaseBesideExecutable; // its bytes, or nullptr when there is none
    const char* installedDatabase;        // its bytes, or nullptr
    const char* xdgDataHome;
    const char* home;
    const char* chosen;
    const char* userDatabase; // bytes already in the expected folder, or nullptr
    const char* readOnly;     // a folder on a read-only mount, or ""
    DataFolderMode mode;
    const char* path;
    const char* databaseFile;
    const char* databaseBytes; // what databaseFile holds afterwards, nullptr when it is missing
    bool problem;
};

constexpr const char* kAbsent = nullptr;

const Case kCases[] = {
    {"BuildTreeKeepsFilesBesideTheExecutable", "portable", "installed", "{root}/xdg", "{root}/home",
     "", kAbsent, "", DataFolderMode::Portable, "{root}/prefix/bin/",
     "{root}/prefix/bin/dirdata.xml", "portable", false},
    {"FirstStartCopiesTheInstalledDatabase", kAbsent, "installed", "{root}/xdg", "{root}/home", "",
     kAbsent, "", DataFolderMode::Installed, "{root}/xdg/kestrine/",
     "{root}/xdg/kestrine/dirdata.xml", "installed", false},
    {"WithoutXdgDataHomeTheFolderIsUnderHome", kAbsent, "installed", "", "{root}/home", "", kAbsent,
     "", DataFolderMode::Installed, "{root}/home/.local/share/kestrine/",
     "{root}/home/.local/share/kestrine/dirdata.xml", "installed", false},
    {"RelativeXdgDataHomeIsIgnored", kAbsent, "installed", "relative/xdg", "{root}/home", "",
     kAbsent, "", DataFolderMode::Installed, "{root}/home/.local/share/kestrine/",
     "{root}/home/.local/share/kestrine/dirdata.xml", "installed", false},
    {"UpdatedCopyIsNotOverwrittenByANewerInstall", kAbsent, "installed 2", "{root}/xdg",
     "{root}/home", "", "updated", "", DataFolderMode::Installed, "{root}/xdg/kestrine/",
     "{root}/xdg/kestrine/dirdata.xml", "updated", false},
    {"BrokenUserCopyIsLoadedNotReplaced", kAbsent, "installed", "{root}/xdg", "{root}/home", "",
     "<broken", "", DataFolderMode::Installed, "{root}/xdg/kestrine/",
     "{root}/xdg/kestrine/dirdata.xml", "<broken", false},
    {"ReadOnlyProgramFolderIsNotPortable", "portable", "installed", "{root}/xdg", "{root}/home", "",
     kAbsent, "{root}/prefix/bin", DataFolderMode::Installed, "{root}/xdg/kestrine/",
     "{root}/xdg/kestrine/dirdata.xml", "installed", false},
    {"WithoutAnyDatabaseTheUserCopyStaysMissing", kAbsent, kAbsent, "{root}/xdg", "{root}/home", "",
     kAbsent, "", DataFolderMode::Installed, "{root}/xdg/kestrine/",
     "{root}/xdg/kestrine/dirdata.xml", kAbsent, false},
    {"ChosenFolderIsCreatedAndGetsTheInstalledCopy", "portable", "installed", "{root}/xdg",
     "{root}/home", "{root}/chosen/deep", kAbsent, "", DataFolderMode::Chosen,
     "{root}/chosen/deep/", "{root}/chosen/deep/dirdata.xml", "installed", false},
    {"ChosenFolderOfAPortableBuildGetsItsCopy", "portable", kAbsent, "{root}/xdg", "{root}/home",
     "{root}/chosen", kAbsent, "", DataFolderMode::Chosen, "{root}/chosen/",
     "{root}/chosen/dirdata.xml", "portable", false},
    {"ChosenFolderThatCannotBeCreatedReadsTheInstalledCopy", kAbsent, "installed", "{root}/xdg",
     "{root}/home", "{root}/prefix/share/kestrine/dirdata.xml/inside", kAbsent, "",
     DataFolderMode::Chosen, "{root}/prefix/share/kestrine/dirdata.xml/inside/",
     "{root}/prefix/share/kestrine/dirdata.xml", "installed", true},
    {"ReadOnlyChosenFolderReadsTheInstalledCopy", kAbsent, "installed", "{root}/xdg", "{root}/home",
     "{root}/xdg", kAbsent, "{root}/xdg", DataFolderMode::Chosen, "{root}/xdg/",
     "{root}/prefix/share/kestrine/dirdata.xml", "installed", true},
    {"ReadOnlyChosenFolderKeepsItsOwnDatabase", kAbsent, "installed", "{root}/xdg", "{root}/home",
     "{root}/xdg", "own", "{root}/xdg", DataFolderMode::Chosen, "{root}/xdg/",
     "{root}/xdg/dirdata.xml", "own", true},
    {"ReadOnlyDataFolderIsReported", kAbsent, "installed", "{root}/xdg", "{root}/home", "", kAbsent,
     "{root}/xdg/kestrine", DataFolderMode::Installed, "{root}/xdg/kestrine/",
     "{root}/prefix/share/kestrine/dirdata.xml", "installed", true},
    {"WithoutXdgDataHomeOrHomeNothingIsWritten", kAbsent, "installed", "", "", "", kAbsent, "",
     DataFolderMode::Installed, "", "{root}/prefix/share/kestrine/dirdata.xml", "installed", true},
};

std::string Expand(std::string text, const std::string& root)
{
    const std::string marker = "{root}";
    if (const size_t at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), root);
    return text;
}

// Every file and folder under `root` with the bytes of the files.
std::map<std::string, std::string> Tree(const std::string& root)
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string path = entry.path().string();
        entries[path] = entry.is_regular_file() ? ReadWholeFile(path) : "<folder>";
    }
    return entries;
}

class DataFolderResolverTest : public ::testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.IsValid());
        fs::create_directories(At("{root}/prefix/bin"));
        fs::create_directories(At("{root}/prefix/share/kestrine"));
        fs::create_directories(At("{root}/xdg/kestrine"));
    }

    std::string At(const char* path) const { return Expand(path, m_root.Path()); }

    TemporaryFolder m_root;
};

} // namespace

TEST_P(DataFolderResolverTest, ChoosesAndPreparesTheFolder)
{
    const Case& c = GetParam();
    if (c.databaseBesideExecutable)
        WriteWholeFile(At("{root}/prefix/bin/dirdata.xml"), c.databaseBesideExecutable);
    if (c.installedDatabase)
        WriteWholeFile(At("{root}/prefix/share/kestrine/dirdata.xml"), c.installedDatabase);
    if (c.userDatabase) {
        fs::create_directories(At(c.path));
        WriteWholeFile(At(c.path) + "dirdata.xml", c.userDatabase);
    }
    const std::map<std::string, std::string> prefixBefore = Tree(At("{root}/prefix"));
    const std::map<std::string, std::string> before = Tree(m_root.Path());

    const DataFolderInputs inputs{.executableFolder = At("{root}/prefix/bin"),
                                  .installedDataFolder = At("{root}/prefix/share/kestrine/"),
                                  .xdgDataHome = At(c.xdgDataHome),
                                  .home = At(c.home),
                                  .chosenFolder = At(c.chosen)};
    const std::set<std::string> readOnly =
        *c.readOnly ? std::set<std::string>{At(c.readOnly)} : std::set<std::string>{};
    const DataFolder data = ReadOnlyMounts(readOnly).Resolve(inputs);

    EXPECT_EQ(data.mode, c.mode);
    EXPECT_EQ(data.path, At(c.path));
    EXPECT_EQ(data.databaseFile, At(c.databaseFile));
    if (c.databaseBytes)
        EXPECT_EQ(ReadWholeFile(data.databaseFile), c.databaseBytes);
    else
        EXPECT_FALSE(fs::exists(data.databaseFile));
    EXPECT_EQ(!data.problem.empty(), c.problem) << data.problem;
    EXPECT_EQ(Tree(At("{root}/prefix")), prefixBefore) << "nothing is written under the prefix";

    if (c.problem) {
        EXPECT_EQ(Tree(m_root.Path()), before) << "a folder that cannot be used is left alone";
    } else if (c.mode != DataFolderMode::Portable) {
        struct stat folder
        {
        };
        ASSERT_EQ(stat(data.path.c_str(), &folder), 0);
        EXPECT_TRUE(S_ISDIR(folder.st_mode));
        if (!before.contains(data.path.substr(0, data.path.size() - 1)))
            EXPECT_EQ(folder.st_mode & 0777, 0700u) << "a new data folder is private";
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, DataFolderResolverTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

TEST(DataFolderResolverProblemTest, SaysWhichFolderAndWhy)
{
    TemporaryFolder root;
    ASSERT_TRUE(root.IsValid());
    WriteWholeFile(root.File("file"), "x");

    const DataFolderInputs inputs{.chosenFolder = root.File("file/data")};
    const DataFolder unmade = CDataFolderResolver().Resolve(inputs);
    EXPECT_EQ(unmade.problem,
              "the folder " + root.File("file/data") + " cannot be created: Not a directory");

    const DataFolder readOnly =
        ReadOnlyMounts({root.Path()}).Resolve({.chosenFolder = root.Path()});
    EXPECT_EQ(readOnly.problem,
              "the folder " + root.Path() + " cannot be written: Read-only file system");
}

TEST(DataFolderResolverProblemTest, RelativeChosenFolderIsTakenFromTheWorkingFolder)
{
    TemporaryFolder root;
    ASSERT_TRUE(root.IsValid());
    const fs::path previous = fs::current_path();
    fs::current_path(root.Path());
    const DataFolder data = CDataFolderResolver().Resolve({.chosenFolder = "one/../two"});
    fs::current_path(previous);

    EXPECT_EQ(data.path, root.Path() + "/two/");
    EXPECT_TRUE(fs::is_directory(root.File("two")));
    EXPECT_TRUE(data.problem.empty()) << data.problem;
}

TEST(InstalledDataFolderTest, LiesBesideTheProgramsBinFolder)
{
    EXPECT_EQ(InstalledDataFolderOf("/usr/bin/"), "/usr/share/kestrine/");
    EXPECT_EQ(InstalledDataFolderOf("/home/ann/.local/bin"), "/home/ann/.local/share/kestrine/");
    EXPECT_EQ(InstalledDataFolderOf(""), "");
}
