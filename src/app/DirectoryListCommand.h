#pragma once

#include <iosfwd>
#include <string>

// `kestrine --import-directories FILE [--replace]`: merges the list's directories into the
// user's own (mydirs.xml) in the data folder the window would use (`chosenDataFolder` is
// --data-dir, empty when not given), says on `out` what it did and returns the exit code: 0,
// or 1 when the file is refused or mydirs.xml cannot be changed, which then stays as it was.
int ImportDirectoriesAndExit(const std::string& listFile, const std::string& chosenDataFolder,
                             bool replace, std::ostream& out, std::ostream& err);

// `kestrine --export-directories FILE`: writes the user's own directories to the file.
int ExportDirectoriesAndExit(const std::string& listFile, const std::string& chosenDataFolder,
                             std::ostream& out, std::ostream& err);
