#include "profiles/SentSet.h"

#include "profiles/StateLineWriter.h"

#include <algorithm>

namespace {

// Hands `use` the name as the set holds it; most names hold no line feed and are not copied.
template <typename Use> auto AsStored(const std::string& name, Use use)
{
    if (name.find('\n') == std::string::npos)
        return use(name);
    return use(StoredLineValue(name));
}

} // namespace

CSentSet::CSentSet(std::initializer_list<std::string> names)
    : CSentSet(std::vector<std::string>(names))
{}

CSentSet::CSentSet(std::vector<std::string> names) : m_names(std::move(names))
{
    for (std::string& name : m_names)
        MakeStoredLineValue(name);
    if (!std::is_sorted(m_names.begin(), m_names.end()))
        std::sort(m_names.begin(), m_names.end());
    m_names.erase(std::unique(m_names.begin(), m_names.end()), m_names.end());
}

bool CSentSet::insert(std::string name)
{
    MakeStoredLineValue(name);
    const auto place = std::lower_bound(m_names.begin(), m_names.end(), name);
    if (place != m_names.end() && *place == name)
        return false;
    m_names.insert(place, std::move(name));
    return true;
}

bool CSentSet::erase(const std::string& name)
{
    return AsStored(name, [this](const std::string& stored) {
        const auto place = std::lower_bound(m_names.begin(), m_names.end(), stored);
        if (place == m_names.end() || *place != stored)
            return false;
        m_names.erase(place);
        return true;
    });
}

bool CSentSet::contains(const std::string& name) const
{
    return AsStored(name, [this](const std::string& stored) {
        return std::binary_search(m_names.begin(), m_names.end(), stored);
    });
}
