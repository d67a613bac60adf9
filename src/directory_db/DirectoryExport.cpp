#include "directory_db/DirectoryExport.h"

#include "directory_db/DirectoryDatabase.h"
#include "directory_db/UserDirectoryFile.h"

#include <set>

std::vector<DirectoryRecord> UserDirectoryRecords(const CDirectoryDatabase& database)
{
    std::vector<DirectoryRecord> records;
    const std::shared_ptr<const std::vector<std::string>> names = database.DirectoryNames();
    if (!names)
        return records;
    // A file written by hand may name a directory twice; the database reads both as one.
    std::set<std::string> seen;
    for (const std::string& name : *names) {
        if (!database.IsUserDirectory(name) || !seen.insert(name).second)
            continue;
        if (std::optional<DirectoryRecord> record = database.GetDirectoryRecord(name))
            records.push_back(std::move(*record));
    }
    return records;
}

WriteOutcome ExportDirectories(const std::vector<DirectoryRecord>& directories,
                               const std::string& path, CAtomicFileWriter& writer)
{
    CUserDirectoryFile file(path);
    file.StartEmpty();
    for (const DirectoryRecord& directory : directories)
        file.Put(directory);
    return file.Save(writer);
}
