#pragma once

#include "directory_db/UntrustedXml.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One parsed dirdata.xml, never changed once built, with its directories indexed by name so
// that a query finds its directory without walking the whole file. Queries share it through a
// shared_ptr, which keeps the libxml2 nodes they hold alive across a reload.
class CDatabaseDocument final
{
public:
    // The empty document of a file that could not be read: it has no directories.
    CDatabaseDocument() = default;
    explicit CDatabaseDocument(XmlDocumentPtr doc);

    // The index points into the document and into the names; neither may move.
    CDatabaseDocument(const CDatabaseDocument&) = delete;
    CDatabaseDocument& operator=(const CDatabaseDocument&) = delete;

    // Every directory's name, one per directory element that has one, in document order.
    const std::vector<std::string>& DirectoryNames() const { return m_names; }
    // The directory elements whose name is exactly `name`, in document order.
    std::span<const xmlNode* const> DirectoriesNamed(std::string_view name) const;
    // `attribute` of the first directory named `name` that has it.
    std::optional<std::string> FirstDirectoryAttribute(std::string_view name,
                                                       const char* attribute) const;

private:
    void IndexDirectories();

    XmlDocumentPtr m_doc;
    std::vector<std::string> m_names;
    std::unordered_map<std::string_view, std::vector<const xmlNode*>> m_directoriesByName;
};
