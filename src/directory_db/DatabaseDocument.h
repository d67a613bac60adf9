#pragma once

#include "directory_db/UntrustedXml.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

using SharedXmlDocument = std::shared_ptr<xmlDoc>;

// One parsed dirdata.xml, never changed once built, with its directories indexed by name so
// that a query finds its directory without walking the whole file. Queries share it through a
// shared_ptr, which keeps the libxml2 nodes they hold alive across a reload.
//
// The user's own directories (mydirs.xml, same format) may be merged in. A user directory whose
// name the vendor's file also has takes the place of the vendor's entry in the list, so a fixed
// directory stays where the user knows it, and all the vendor's directories of that name are
// hidden; the other user directories follow the vendor's, in their file's order.
class CDatabaseDocument final
{
public:
    // The empty document of a file that could not be read: it has no directories.
    CDatabaseDocument() = default;
    explicit CDatabaseDocument(XmlDocumentPtr doc);
    // Either document may be null (not read).
    CDatabaseDocument(SharedXmlDocument vendor, SharedXmlDocument user);

    // The index points into the documents and into the names; neither may move.
    CDatabaseDocument(const CDatabaseDocument&) = delete;
    CDatabaseDocument& operator=(const CDatabaseDocument&) = delete;

    // Every directory's name, one per directory element that has one, in list order.
    const std::vector<std::string>& DirectoryNames() const { return m_names; }
    // The directory elements whose name is exactly `name`, in document order.
    std::span<const xmlNode* const> DirectoriesNamed(std::string_view name) const;
    // `attribute` of the first directory named `name` that has it.
    std::optional<std::string> FirstDirectoryAttribute(std::string_view name,
                                                       const char* attribute) const;
    // True when the directory named `name` comes from the user's own file.
    bool IsUserDirectory(std::string_view name) const;
    // The vendor's parsed file, so that a changed user file can be merged with it again
    // without reading the vendor's file anew.
    const SharedXmlDocument& VendorDocument() const { return m_vendor; }

private:
    void IndexDirectories();

    SharedXmlDocument m_vendor;
    SharedXmlDocument m_user;
    std::vector<std::string> m_names;
    std::unordered_map<std::string_view, std::vector<const xmlNode*>> m_directoriesByName;
    std::unordered_set<std::string_view> m_userNames;
};
