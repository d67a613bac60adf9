#pragma once

#include "directory_db/DirectorySource.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using SharedDirectorySource = std::shared_ptr<const CDirectorySource>;

// The elements of the directories that bear one name, in list order, for range-for. Elements
// parsed for the question are owned here; the others by the source, which must outlive this.
class CDirectoryElements final
{
public:
    void Add(DirectoryElement element);

    bool empty() const { return m_elements.empty(); }
    auto begin() const { return m_elements.cbegin(); }
    auto end() const { return m_elements.cend(); }

private:
    std::vector<const xmlNode*> m_elements;
    std::vector<XmlDocumentPtr> m_ownDocuments;
};

// The database the program works with: the vendor's dirdata.xml, never changed once built,
// with its directories indexed by name so that a query finds its directory without walking
// the whole file. Queries share it through a shared_ptr, which keeps the sources and the
// elements they hold alive across a reload.
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
    // Either source may be null (not read).
    CDatabaseDocument(SharedDirectorySource vendor, SharedDirectorySource user);

    // The index refers to the names; they may not move.
    CDatabaseDocument(const CDatabaseDocument&) = delete;
    CDatabaseDocument& operator=(const CDatabaseDocument&) = delete;

    // Every directory's name, one per directory element that has one, in list order.
    const std::vector<std::string>& DirectoryNames() const { return m_names; }
    // The directory elements whose name is exactly `name`, in list order.
    CDirectoryElements DirectoriesNamed(std::string_view name) const;
    // `attribute` of the first directory named `name` that has it.
    std::optional<std::string> FirstDirectoryAttribute(std::string_view name,
                                                       const char* attribute) const;
    // True when the directory named `name` comes from the user's own file.
    bool IsUserDirectory(std::string_view name) const;
    // The vendor's file, so that a changed user file can be merged with it again without
    // reading the vendor's file anew.
    const SharedDirectorySource& VendorSource() const { return m_vendor; }

private:
    // Where a listed directory comes from.
    struct Origin
    {
        bool user = false;
        uint32_t index = 0; // in its source's names
    };

    void IndexDirectories();
    DirectoryElement ElementOf(const Origin& origin) const;

    SharedDirectorySource m_vendor;
    SharedDirectorySource m_user;
    std::vector<std::string> m_names;
    std::vector<Origin> m_origins; // one per name
    // The first listed directory of each name, and from each the next one of the same name:
    // one entry per distinct name instead of a list each.
    std::unordered_map<std::string_view, uint32_t> m_firstNamed;
    std::vector<uint32_t> m_nextNamed;
};
