#pragma once

#include <string>

// The file names the program keeps in its data folder.
inline constexpr const char* kStateFileName = "sv.dat";
inline constexpr const char* kDatabaseFileName = "dirdata.xml";
inline constexpr const char* kUserDirectoriesFileName = "mydirs.xml";
inline constexpr const char* kHistoryFileName = "history.sqlite";
inline constexpr const char* kSettingsFileName = "kestrine.conf";

// How the data folder was chosen.
enum class DataFolderMode
{
    // The executable's own folder holds dirdata.xml and can be written: a build tree or an
    // unpacked archive. Both files stay beside the executable.
    Portable,
    // The program was installed: the user's own folder under $XDG_DATA_HOME.
    Installed,
    // The user named the folder on the command line.
    Chosen,
};

// What decides where the files live. Every path is a folder; a trailing '/' is optional.
struct DataFolderInputs
{
    std::string executableFolder;
    // <prefix>/share/kestrine for an executable in <prefix>/bin: holds the installed database.
    std::string installedDataFolder;
    std::string xdgDataHome;  // empty when unset
    std::string home;         // empty when unset
    std::string chosenFolder; // --data-dir; empty when not given

    // The running program's own inputs: its executable's folder and its environment.
    static DataFolderInputs FromProcess(std::string chosenFolder);
};

// Where the program's files are, once the folder has been prepared.
struct DataFolder
{
    DataFolderMode mode = DataFolderMode::Portable;
    // Holds sv.dat and the user's dirdata.xml, which updates replace; ends in '/'. Empty only
    // when no folder could be named at all (neither XDG_DATA_HOME nor HOME is set).
    std::string path;
    // The dirdata.xml to read at start: the one in `path`, unless the folder has none and could
    // not be given one, when the installed copy is read where it lies.
    std::string databaseFile;
    // Why profiles cannot be saved in `path`, in words for the user; empty when they can.
    std::string problem;

    // A folder the caller has prepared, holding its own database (tests, benchmarks).
    static DataFolder At(std::string folder);

    std::string StateFile() const { return path + kStateFileName; }
    std::string UserDatabaseFile() const { return path + kDatabaseFileName; }
    // The user's own directories, which updates never touch. Without a data folder there is no
    // such file, rather than one in whatever folder is current.
    std::string UserDirectoriesFile() const
    {
        return path.empty() ? std::string() : path + kUserDirectoriesFileName;
    }
    std::string HistoryFile() const { return path + kHistoryFileName; }
    // The program's settings, such as where updates come from.
    std::string SettingsFile() const { return path + kSettingsFileName; }
};

// The installed data folder that belongs to an executable in `executableFolder`.
std::string InstalledDataFolderOf(const std::string& executableFolder);
