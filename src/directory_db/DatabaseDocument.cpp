#include "directory_db/DatabaseDocument.h"

#include "directory_db/XmlNodes.h"

#include <limits>

namespace {

constexpr uint32_t kNoMore = std::numeric_limits<uint32_t>::max();

const std::vector<std::string>& NamesOf(const SharedDirectorySource& source)
{
    static const std::vector<std::string> none;
    return source ? source->Names() : none;
}

} // namespace

void CDirectoryElements::Add(DirectoryElement element)
{
    if (!element.element)
        return;
    m_elements.push_back(element.element);
    if (element.ownDocument)
        m_ownDocuments.push_back(std::move(element.ownDocument));
}

CDatabaseDocument::CDatabaseDocument(SharedDirectorySource vendor, SharedDirectorySource user)
    : m_vendor(std::move(vendor)), m_user(std::move(user))
{
    IndexDirectories();
}

void CDatabaseDocument::IndexDirectories()
{
    const std::vector<std::string>& vendorNames = NamesOf(m_vendor);
    const std::vector<std::string>& userNames = NamesOf(m_user);
    std::unordered_map<std::string_view, std::vector<uint32_t>> userByName;
    for (uint32_t i = 0; i < userNames.size(); ++i)
        userByName[userNames[i]].push_back(i);

    m_names.reserve(vendorNames.size() + userNames.size());
    m_origins.reserve(vendorNames.size() + userNames.size());
    const auto add = [this](const std::string& name, Origin origin) {
        m_names.push_back(name);
        m_origins.push_back(origin);
    };
    std::vector<bool> placed(userNames.size(), false);
    for (uint32_t i = 0; i < vendorNames.size(); ++i) {
        const auto replacement = userByName.find(vendorNames[i]);
        if (replacement == userByName.end()) {
            add(vendorNames[i], {false, i});
            continue;
        }
        // The first vendor entry of the name shows the user's directories; later ones vanish.
        for (uint32_t user : replacement->second) {
            if (!placed[user])
                add(userNames[user], {true, user});
            placed[user] = true;
        }
    }
    for (uint32_t i = 0; i < userNames.size(); ++i) {
        if (!placed[i])
            add(userNames[i], {true, i});
    }

    // Only now that the names stay where they are can the index refer to them. Walking the
    // list backwards, each name's entry ends on its first directory.
    m_firstNamed.reserve(m_names.size());
    m_nextNamed.assign(m_names.size(), kNoMore);
    for (size_t i = m_names.size(); i-- > 0;) {
        auto [entry, inserted] = m_firstNamed.try_emplace(m_names[i], static_cast<uint32_t>(i));
        if (!inserted) {
            m_nextNamed[i] = entry->second;
            entry->second = static_cast<uint32_t>(i);
        }
    }
}

DirectoryElement CDatabaseDocument::ElementOf(const Origin& origin) const
{
    return (origin.user ? m_user : m_vendor)->Element(origin.index);
}

CDirectoryElements CDatabaseDocument::DirectoriesNamed(std::string_view name) const
{
    CDirectoryElements elements;
    const auto found = m_firstNamed.find(name);
    if (found == m_firstNamed.end())
        return elements;
    for (uint32_t i = found->second; i != kNoMore; i = m_nextNamed[i])
        elements.Add(ElementOf(m_origins[i]));
    return elements;
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
    // A user directory hides every vendor directory of its name, so the first one tells.
    const auto found = m_firstNamed.find(name);
    return found != m_firstNamed.end() && m_origins[found->second].user;
}
