#include "common/DataFolder.h"

#include "common/BuildConfig.h"
#include "common/ExecutablePath.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// $HOME, or the account's home folder when a session left it unset.
std::string HomeFolder()
{
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* account = getpwuid(geteuid()); account && account->pw_dir)
            home = account->pw_dir;
    }
    return home;
}

} // namespace

DataFolderInputs DataFolderInputs::FromProcess(std::string chosenFolder)
{
    const std::string executableFolder = ExecutableDirectory();
    return {.executableFolder = executableFolder,
            .installedDataFolder = InstalledDataFolderOf(executableFolder),
            .xdgDataHome = Environment("XDG_DATA_HOME"),
            .home = HomeFolder(),
            .chosenFolder = std::move(chosenFolder)};
}

DataFolder DataFolder::At(std::string folder)
{
    if (!folder.ends_with('/'))
        folder += '/';
    return {.mode = DataFolderMode::Chosen,
            .path = folder,
            .databaseFile = folder + kDatabaseFileName,
            .problem = {}};
}

std::string InstalledDataFolderOf(const std::string& executableFolder)
{
    if (executableFolder.empty())
        return {};
    const std::filesystem::path folder =
        (std::filesystem::path(executableFolder) / kestrine::kBinToDataDir).lexically_normal();
    std::string text = folder.string();
    if (!text.ends_with('/'))
        text += '/';
    return text;
}
