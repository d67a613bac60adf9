#include "common/DataFolderResolver.h"

#include "common/AtomicFileWriter.h"
#include "common/TextCatalogue.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder)
{
    if (!folder.ends_with('/'))
        folder += '/';
    return folder;
}

// True when anything, even a broken file or a dangling link, has this name: a user's database
// that fails to load must not be replaced behind the user's back.
bool EntryExists(const std::string& path)
{
    struct stat entry
    {
    };
    return lstat(path.c_str(), &entry) == 0;
}

bool IsRegularFile(const std::string& path)
{
    struct stat entry
    {
    };
    return stat(path.c_str(), &entry) == 0 && S_ISREG(entry.st_mode);
}

// mkdir -p with mode 0700 for every folder it creates; 0 or the errno that says why not.
int CreateFolders(const fs::path& folder)
{
    fs::path partial;
    int failure = 0;
    for (const fs::path& part : folder) {
        partial /= part;
        if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            failure = errno;
    }
    struct stat entry
    {
    };
    if (stat(folder.c_str(), &entry) != 0)
        return failure ? failure : errno;
    return S_ISDIR(entry.st_mode) ? 0 : ENOTDIR;
}

bool CopyFile(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return false;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return false;
    // Atomic, so that a crash during the first start cannot leave a half database that every
    // later start would then keep.
    return CAtomicFileWriter().Write(to, bytes).ok;
}

} // namespace

DataFolder CDataFolderResolver::Resolve(const DataFolderInputs& inputs) const
{
    const std::string executableFolder = WithSlash(inputs.executableFolder);
    if (inputs.chosenFolder.empty() && !inputs.executableFolder.empty() &&
        IsPortable(executableFolder)) {
        return {.mode = DataFolderMode::Portable,
                .path = executableFolder,
                .databaseFile = executableFolder + kDatabaseFileName,
                .problem = {}};
    }

    DataFolder data = NameFolder(inputs);
    if (!data.path.empty())
        data.problem = Prepare(data.path);

    // The installed copy first; a portable build started with --data-dir has only its own.
    std::vector<std::string> seeds;
    if (!inputs.installedDataFolder.empty())
        seeds.push_back(WithSlash(inputs.installedDataFolder) + kDatabaseFileName);
    if (!inputs.executableFolder.empty())
        seeds.push_back(executableFolder + kDatabaseFileName);
    ProvideDatabase(data, seeds);
    return data;
}

DataFolder CDataFolderResolver::NameFolder(const DataFolderInputs& inputs)
{
    DataFolder data;
    if (inputs.chosenFolder.empty()) {
        data.mode = DataFolderMode::Installed;
        data.path = InstalledFolder(inputs);
        if (data.path.empty())
            data.problem = KESTRINE_TEXT(
                "DataFolder", "neither XDG_DATA_HOME nor HOME names a folder to keep them in");
        return data;
    }
    data.mode = DataFolderMode::Chosen;
    // Relative to the working folder, fixed now so that nothing later can change its meaning.
    std::error_code error;
    const fs::path absolute = fs::absolute(inputs.chosenFolder, error);
    if (error)
        data.problem = FillIn(KESTRINE_TEXT("DataFolder", "the folder %1 cannot be found: %2"),
                              {inputs.chosenFolder, error.message()});
    else
        data.path = WithSlash(absolute.lexically_normal());
    return data;
}

int CDataFolderResolver::WriteAccess(const std::string& folder) const
{
    return access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

bool CDataFolderResolver::IsPortable(const std::string& executableFolder) const
{
    // Where the database is decides, not writability alone: root can write anywhere, and an
    // installed bin/ holds no database.
    return IsRegularFile(executableFolder + kDatabaseFileName) &&
           WriteAccess(executableFolder) == 0;
}

std::string CDataFolderResolver::InstalledFolder(const DataFolderInputs& inputs)
{
    // The XDG base directory rules say relative values are to be ignored.
    if (inputs.xdgDataHome.starts_with('/'))
        return WithSlash(WithSlash(inputs.xdgDataHome) + "kestrine");
    if (inputs.home.starts_with('/'))
        return WithSlash(WithSlash(inputs.home) + ".local/share/kestrine");
    return {};
}

std::string CDataFolderResolver::Prepare(const std::string& folder) const
{
    const fs::path withoutSlash = fs::path(folder).parent_path();
    if (const int error = CreateFolders(withoutSlash))
        return FillIn(KESTRINE_TEXT("DataFolder", "the folder %1 cannot be created: %2"),
                      {withoutSlash.string(), std::strerror(error)});
    if (const int error = WriteAccess(folder))
        return FillIn(KESTRINE_TEXT("DataFolder", "the folder %1 cannot be written: %2"),
                      {withoutSlash.string(), std::strerror(error)});
    return {};
}

void CDataFolderResolver::ProvideDatabase(DataFolder& data, const std::vector<std::string>& seeds)
{
    data.databaseFile = data.path.empty() ? std::string() : data.UserDatabaseFile();
    if (!data.path.empty() && EntryExists(data.databaseFile))
        return;
    for (const std::string& seed : seeds) {
        if (!IsRegularFile(seed))
            continue;
        // A folder that cannot be written reads the installed copy where it lies.
        if (!data.problem.empty() || !CopyFile(seed, data.databaseFile))
            data.databaseFile = seed;
        return;
    }
}
