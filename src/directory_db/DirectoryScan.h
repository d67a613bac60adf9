#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a database file's directories lie in its bytes, found in one pass of the parser that
// builds no document: a large file is listed in a fraction of the time and memory a parsed
// document takes, and a directory's element is parsed on its own when it is asked about.
struct DirectoryScan
{
    struct Directory
    {
        size_t offset = 0; // of the element's "<"
        size_t length = 0; // up to and including its closing ">"
        // The name attribute's value as the parser gave it; nullopt without one.
        std::optional<std::string> name;
    };

    // Bytes as elements parsed on their own see them only when the file is UTF-8 and declares
    // no document type: an element of another encoding cannot be found by its bytes, and a
    // document type may give names values that only the whole document knows.
    bool elementsStandAlone = false;
    // The document element is r. Known only when the elements stand alone.
    bool rootIsDatabase = false;
    // Where the document element's start tag lies; its length is 0 for a document element
    // without content.
    size_t rootTagOffset = 0;
    size_t rootTagLength = 0;
    // The document element's child elements named directory, in file order. Empty unless the
    // elements stand alone and the document element is r.
    std::vector<Directory> directories;
};

// Nullopt when the bytes are not well-formed or break the rules for untrusted files.
std::optional<DirectoryScan> ScanDirectories(std::string_view bytes);

// True when `bytes` read under the same rules and the document element is r: what an update
// must be to replace the database.
bool IsDirectoryDatabaseDocument(std::string_view bytes);
