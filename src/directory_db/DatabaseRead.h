#pragma once

#include <memory>

class CDatabaseDocument;

// What reading dirdata.xml gave, for a CDirectoryDatabase to adopt.
struct DatabaseRead
{
    // Null when the reading or parsing itself failed (out of memory, say); otherwise the parsed
    // document, which is empty when the file is missing, malformed or hostile.
    std::shared_ptr<const CDatabaseDocument> document;
    bool loaded = false; // the file was read and parsed
    // The user's own file exists but could not be read: its directories are missing.
    bool userFileUnreadable = false;
};
