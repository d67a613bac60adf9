#include "directory_db/DatabaseDocument.h"

#include "directory_db/ChildElements.h"

#include <utility>

namespace {

using NamedDirectory = std::pair<std::string, const xmlNode*>;

// The directory elements of a database document that carry a name, in document order.
std::vector<NamedDirectory> NamedDirectories(xmlDoc* doc)
{
    std::vector<NamedDirectory> directories;
    const xmlNode* root = doc ? xmlDocGetRootElement(doc) : nullptr;
    if (!IsElementNamed(root, "r"))
        return directories;
    for (const xmlNode* directory : CChildElements(root, "directory")) {
        if (std::optional<std::string> name = ReadAttribute(directory, "name"))
            directories.emplace_back(std::move(*name), directory);
    }
    return directories;
}

} // namespace

CDatabaseDocument::CDatabaseDocument(XmlDocumentPtr doc)
    : CDatabaseDocument(SharedXmlDocument(std::move(doc)), nullptr)
{}

CDatabaseDocument::CDatabaseDocument(SharedXmlDocument vendor, SharedXmlDocument user)
    : m_vendor(std::move(vendor)), m_user(std::move(user))
{
    IndexDirectories();
}

void CDatabaseDocument::IndexDirectories()
{
    std::vector<NamedDirectory> userDirectories = NamedDirectories(m_user.get());
    std::unordered_map<std::string_view, std::vector<size_t>> userByName;
    for (size_t i = 0; i < userDirectories.size(); ++i)
        userByName[userDirectories[i].first].push_back(i);

    std::vector<const xmlNode*> listed;
    std::vector<bool> listedFromUser;
    const auto add = [&](std::string name, const xmlNode* directory, bool user) {
        m_names.push_back(std::move(name));
        listed.push_back(directory);
        listedFromUser.push_back(user);
    };
    std::vector<bool> placed(userDirectories.size(), false);
    for (NamedDirectory& vendor : NamedDirectories(m_vendor.get())) {
        const auto replacement = userByName.find(vendor.first);
        if (replacement == userByName.end()) {
            add(std::move(vendor.first), vendor.second, false);
            continue;
        }
        // The first vendor entry of the name shows the user's directories; later ones vanish.
        for (size_t i : replacement->second) {
            if (!placed[i])
                add(userDirectories[i].first, userDirectories[i].second, true);
            placed[i] = true;
        }
    }
    for (size_t i = 0; i < userDirectories.size(); ++i) {
        if (!placed[i])
            add(std::move(userDirectories[i].first), userDirectories[i].second, true);
    }

    // Only now that the names stay where they are can the index refer to them.
    m_directoriesByName.reserve(m_names.size());
    for (size_t i = 0; i < m_names.size(); ++i) {
        m_directoriesByName[m_names[i]].push_back(listed[i]);
        if (listedFromUser[i])
            m_userNames.insert(m_names[i]);
    }
}

std::span<const xmlNode* const> CDatabaseDocument::DirectoriesNamed(std::string_view name) const
{
    const auto found = m_directoriesByName.find(name);
    if (found == m_directoriesByName.end())
        return {};
    return found->second;
}

std::optional<std::string> CDatabaseDocument::FirstDirectoryAttribute(std::string_view name,
                                                                      const char* attribute) const
{
    for (const xmlNode* directory : DirectoriesNamed(name)) {
        if (std::optional<std::string> value = ReadAttribute(directory, attribute))
            return value;
    }
    return std::nullopt;
}

bool CDatabaseDocument::IsUserDirectory(std::string_view name) const
{
    return m_userNames.contains(name);
}
