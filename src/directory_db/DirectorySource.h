#pragma once

#include "directory_db/UntrustedXml.h"

#include <memory>
#include <string>
#include <vector>

struct DirectoryScan;

// One directory's element. It stays valid for as long as this object and the source it came
// from live.
struct DirectoryElement
{
    XmlDocumentPtr ownDocument; // the element parsed on its own; null when the source holds it
    const xmlNode* element = nullptr;
};

// One database file, the vendor's or the user's, as the program keeps it in memory: its
// directories that have a name, in file order, each of which can be read as an element.
//
// A file of the usual kind is kept as its bytes, with where each directory lies in them, and a
// directory's element is parsed on its own when it is asked for: a large file is ready in a
// fraction of the time, and takes a tenth of the memory, of its parsed document. Any other
// file (another encoding, a document type) is kept as its parsed document.
class CDirectorySource final
{
public:
    // Null when the file is not well-formed or breaks the rules for untrusted files.
    static std::shared_ptr<const CDirectorySource> Read(std::string bytes);

    CDirectorySource(const CDirectorySource&) = delete;
    CDirectorySource& operator=(const CDirectorySource&) = delete;

    // The names of the directories, in file order.
    const std::vector<std::string>& Names() const { return m_names; }
    // The element of the directory at `index` in Names(); its element is null only when
    // memory ran out.
    DirectoryElement Element(size_t index) const;

private:
    struct Slice
    {
        size_t offset = 0;
        size_t length = 0;
    };

    CDirectorySource() = default;
    static std::shared_ptr<const CDirectorySource> KeepBytes(std::string bytes, DirectoryScan scan);
    static std::shared_ptr<const CDirectorySource> KeepDocument(std::string_view bytes);

    std::vector<std::string> m_names;
    // Kept as bytes: the file, what a directory is parsed after (see ElementContext), and each
    // directory's place.
    std::string m_bytes;
    std::string m_context;
    std::vector<Slice> m_slices;
    // Kept as a document: the document, and each directory's element in it.
    XmlDocumentPtr m_document;
    std::vector<const xmlNode*> m_elements;
};
