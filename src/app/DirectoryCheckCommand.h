#pragma once

#include "directory_check/DirectoryChecker.h"

#include <ostream>
#include <string>

// "kestrine --check-directories [--json] [--data-dir DIR] [--database FILE]".
struct DirectoryCheckCommand
{
    bool json = false;
    std::string dataFolder;   // --data-dir; empty for the usual folder
    std::string databaseFile; // --database; empty for the data folder's database
};

// Checks every directory of the database without a window and writes the results to `out`, as
// a table or as JSON; problems go to `err`. With a data folder (always, unless only --database
// is given) the addresses follow the current profile's category, the user's own directories
// are included and the results are kept in its history. Returns the exit status: 0 when every
// directory is ok, 1 otherwise, 2 when the database cannot be read.
int RunDirectoryCheck(const DirectoryCheckCommand& command, std::ostream& out, std::ostream& err,
                      const DirectoryCheckOptions& options = {});
