#pragma once

#include "common/AtomicFileWriter.h"
#include "directory_db/DirectoryRecord.h"
#include "directory_db/UntrustedXml.h"

#include <string>
#include <unordered_map>
#include <vector>

// The file of the user's own directories, mydirs.xml, in the format of dirdata.xml, changed one
// directory at a time and written back whole. Whatever the user wrote by hand around the
// directories the program changes (comments, other directories, unknown attributes) stays.
class CUserDirectoryFile final
{
public:
    explicit CUserDirectoryFile(std::string path);

    // Reads the file. A missing file starts an empty one. A file that exists but cannot be read
    // or is no directory database gives false and Error(): writing over it would lose the
    // user's directories.
    bool Load();
    const std::string& Error() const { return m_error; }
    // Starts the file anew without a directory, whatever it holds now: for a list to give away.
    void StartEmpty();

    // Writes `record` in place of the first directory named `replacing` (or, when `replacing`
    // is empty or absent, named like the record); the other directories of either name go, so
    // that the record alone speaks for its name. Without such a directory the record is
    // appended. Call only after a successful Load.
    void Put(const DirectoryRecord& record, const std::string& replacing = {});
    // Removes every directory named `name`; false when there was none.
    bool Remove(const std::string& name);

    // The whole file as it would be written, in UTF-8.
    std::string Serialize() const;
    // Replaces the file atomically; on failure the old file stays as it was. A file that would
    // not read back is not written.
    WriteOutcome Save(CAtomicFileWriter& writer) const;

private:
    void IndexDirectories();
    // Unlinks and frees every directory named `name` but `keep`, and forgets the name.
    void RemoveNamed(const std::string& name, const xmlNode* keep);

    std::string m_path;
    XmlDocumentPtr m_doc;
    std::string m_error;
    // The directories of each name, in file order. An import puts thousands of directories one
    // by one; each would otherwise walk the whole file for its name.
    std::unordered_map<std::string, std::vector<xmlNode*>> m_directories;
    // A text put in held a NUL byte, which the XML tree would silently cut short.
    bool m_holdsUnstorableText = false;
};
