#pragma once

#include "directory_db/DirectoryRecord.h"

#include <optional>
#include <string>
#include <vector>

class CDirectoryDatabase;
class CUserDirectoryFile;

// What taking one directory of a shared list would do to the user's directories.
enum class ImportAction
{
    Add,     // the user has no directory of a name that looks the same
    Replace, // the user's directory of that name says something else
    Leave,   // the user's directory of that name says the same
    Refuse,  // the directory cannot be used; `problem` says why
};

struct ImportCandidate
{
    DirectoryRecord record;
    ImportAction action = ImportAction::Add;
    std::string problem;
    // Taken when the import is applied; only an Add or a Replace can be.
    bool accepted = false;
};

// A list of directories another user or a maintainer made, in the format of dirdata.xml, read
// under the same rules as the database: one candidate per directory name, in file order.
struct DirectoryImport
{
    // Why the file as a whole was refused, in words for the user; empty when it was read.
    std::string error;
    std::vector<ImportCandidate> candidates;

    size_t Count(ImportAction action) const;
    size_t AcceptedCount() const;
};

// Reads the list at `path` and decides each directory's action against the directories
// `database` lists (the user's own and the vendor's). A directory of the list is the one of
// the database whose name looks the same (see DirectoryNameKey): a replacement keeps that
// name, and so its sent marks. Additions are accepted; replacements only when `replace` is set.
DirectoryImport ReadDirectoryImport(const std::string& path, const CDirectoryDatabase& database,
                                    bool replace);

// Puts every accepted candidate into `file` (loaded); returns how many went in.
size_t ApplyDirectoryImport(const DirectoryImport& import, CUserDirectoryFile& file);
