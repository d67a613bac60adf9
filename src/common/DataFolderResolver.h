#pragma once

#include "common/DataFolder.h"

#include <string>
#include <vector>

// Decides, once at start, where sv.dat and dirdata.xml live, and prepares that folder: creates
// it (mode 0700) and, on the first start of an installed program, gives it a copy of the
// installed database. Never writes outside the folder it chose, and never fails: a folder that
// cannot be used comes back with a problem text and the program runs without saving.
class CDataFolderResolver
{
public:
    virtual ~CDataFolderResolver() = default;

    DataFolder Resolve(const DataFolderInputs& inputs) const;

protected:
    // 0 when files can be created in `folder`, else the errno that says why not. Tests stand in
    // for a read-only mount, which a test running as root cannot otherwise meet.
    virtual int WriteAccess(const std::string& folder) const;

private:
    bool IsPortable(const std::string& executableFolder) const;
    // The installed or chosen folder, not yet prepared; without a path when none can be named.
    static DataFolder NameFolder(const DataFolderInputs& inputs);
    // The folder for an installed program: $XDG_DATA_HOME/kestrine, or
    // ~/.local/share/kestrine when XDG_DATA_HOME is unset or not an absolute path.
    static std::string InstalledFolder(const DataFolderInputs& inputs);
    // Creates the folder and its missing parents, each with mode 0700, and checks that it can
    // be written; the problem text, or empty.
    std::string Prepare(const std::string& folder) const;
    // Settles `databaseFile`: the folder's own copy, made from the first of `seeds` that exists
    // when the folder has none yet.
    static void ProvideDatabase(DataFolder& data, const std::vector<std::string>& seeds);
};
