#include "directory_db/DatabaseDocument.h"

#include "directory_db/ChildElements.h"

CDatabaseDocument::CDatabaseDocument(XmlDocumentPtr doc) : m_doc(std::move(doc))
{
    IndexDirectories();
}

void CDatabaseDocument::IndexDirectories()
{
    const xmlNode* root = xmlDocGetRootElement(m_doc.get());
    if (!IsElementNamed(root, "r"))
        return;
    std::vector<const xmlNode*> named;
    for (const xmlNode* directory : CChildElements(root, "directory")) {
        if (std::optional<std::string> name = ReadAttribute(directory, "name")) {
            m_names.push_back(std::move(*name));
            named.push_back(directory);
        }
    }
    // Only now that the names stay where they are can the index refer to them.
    m_directoriesByName.reserve(m_names.size());
    for (size_t i = 0; i < m_names.size(); ++i)
        m_directoriesByName[m_names[i]].push_back(named[i]);
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
