// Takes arbitrary bytes as a shared directory list and imports it into a user's directories
// beside a vendor database: nothing may crash, every verdict must fit what the user has, every
// directory taken must be in the user's file as the list gave it, and the same list imported
// again takes nothing.
#include "common/QuietPresenter.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectoryImport.h"
#include "directory_db/DirectoryXml.h"
#include "directory_db/UserDirectoryFile.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>

namespace {

constexpr char kVendorDatabase[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<r>
  <directory name="Alpha" submiturl="http://127.0.0.1/alpha?c=CAT" onsubmit="Thanks">
    <variable name="CAT"><cond category="Business" value="7"/><cond value="0"/></variable>
    <item name="url" index="0" value="#url#" type="edit"/>
  </directory>
  <directory name="Caf&#xE9;" submiturl="http://127.0.0.1/cafe" onsubmit="Merci"/>
</r>
)";

constexpr char kUserDirectories[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<r>
  <directory name="Mine" submiturl="http://127.0.0.1/mine" onsubmit="Done">
    <item name="title" index="0" value="#title#" type="edit"/>
  </directory>
</r>
)";

std::string ScratchFolder()
{
    std::string path = "/tmp/kestrine-import-fuzz-XXXXXX";
    if (!mkdtemp(path.data()))
        std::abort();
    path += '/';
    std::ofstream(path + "dirdata.xml", std::ios::binary) << kVendorDatabase;
    return path;
}

struct Files
{
    std::string vendor;
    std::string user;
    std::string list;
};

DirectoryImport ImportAgainst(const CDirectoryDatabase& database, const std::string& list)
{
    return ReadDirectoryImport(list, database, true);
}

// Each verdict against the database it was made against.
void CheckVerdicts(const DirectoryImport& import, const CDirectoryDatabase& database)
{
    if (import.error.empty() == import.candidates.empty())
        std::abort();
    std::set<std::string> names;
    for (const ImportCandidate& candidate : import.candidates) {
        const std::optional<DirectoryRecord> existing =
            database.GetDirectoryRecord(candidate.record.name);
        const bool refused = candidate.action == ImportAction::Refuse;
        const bool taken =
            candidate.action == ImportAction::Add || candidate.action == ImportAction::Replace;
        // One directory of the user's per name, whatever the list repeats.
        const bool twice = !refused && !names.insert(candidate.record.name).second;
        if (twice || refused == candidate.problem.empty() || candidate.accepted != taken ||
            (candidate.action == ImportAction::Add && existing) ||
            (candidate.action == ImportAction::Leave && !existing))
            std::abort();
    }
}

// The user's file after the import: every directory taken is there as the list gave it.
void CheckTaken(const DirectoryImport& import, const Files& files)
{
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    if (!database.LoadFile(files.vendor, files.user))
        std::abort();
    for (const ImportCandidate& candidate : import.candidates) {
        if (!candidate.accepted)
            continue;
        const std::optional<DirectoryRecord> record =
            database.GetDirectoryRecord(candidate.record.name);
        if (!record || DirectoryElementText(*record) != DirectoryElementText(candidate.record))
            std::abort();
    }
    const DirectoryImport again = ImportAgainst(database, files.list);
    CheckVerdicts(again, database);
    for (const ImportCandidate& candidate : again.candidates) {
        if (candidate.accepted)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string folder = ScratchFolder();
    const Files files{folder + "dirdata.xml", folder + "mydirs.xml", folder + "list.xml"};
    std::ofstream(files.user, std::ios::binary | std::ios::trunc) << kUserDirectories;
    std::ofstream(files.list, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    if (!database.LoadFile(files.vendor, files.user))
        std::abort();
    const DirectoryImport import = ImportAgainst(database, files.list);
    CheckVerdicts(import, database);
    if (import.AcceptedCount() == 0)
        return 0;

    CUserDirectoryFile file(files.user);
    if (!file.Load() || ApplyDirectoryImport(import, file) != import.AcceptedCount())
        std::abort();
    CAtomicFileWriter writer;
    // What the list's XML could carry, the user's file can carry too.
    if (!file.Save(writer).ok)
        std::abort();
    CheckTaken(import, files);
    return 0;
}
