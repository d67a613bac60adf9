#include "profiles/SentSet.h"

#include <algorithm>

CSentSet::CSentSet(std::initializer_list<std::string> names)
    : CSentSet(std::vector<std::string>(names))
{}

CSentSet::CSentSet(std::vector<std::string> names) : m_names(std::move(names))
{
    if (!std::is_sorted(m_names.begin(), m_names.end()))
        std::sort(m_names.begin(), m_names.end());
    m_names.erase(std::unique(m_names.begin(), m_names.end()), m_names.end());
}

bool CSentSet::insert(std::string name)
{
    const auto place = std::lower_bound(m_names.begin(), m_names.end(), name);
    if (place != m_names.end() && *place == name)
        return false;
    m_names.insert(place, std::move(name));
    return true;
}

bool CSentSet::erase(const std::string& name)
{
    const auto place = std::lower_bound(m_names.begin(), m_names.end(), name);
    if (place == m_names.end() || *place != name)
        return false;
    m_names.erase(place);
    return true;
}

bool CSentSet::contains(const std::string& name) const
{
    return std::binary_search(m_names.begin(), m_names.end(), name);
}
