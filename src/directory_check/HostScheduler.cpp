#include "directory_check/HostScheduler.h"

#include <algorithm>
#include <cctype>

CHostScheduler::CHostScheduler(size_t perHost) : m_perHost(std::max<size_t>(perHost, 1)) {}

std::string CHostScheduler::HostOf(const std::string& address)
{
    const size_t scheme = address.find("://");
    const size_t start = scheme == std::string::npos ? 0 : scheme + 3;
    const size_t end = address.find_first_of("/?#", start);
    std::string host = address.substr(start, end == std::string::npos ? end : end - start);
    // User names are not part of the server.
    if (const size_t at = host.rfind('@'); at != std::string::npos)
        host.erase(0, at + 1);
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return host;
}

void CHostScheduler::Add(size_t item, const std::string& address)
{
    const auto [entry, added] = m_hostIndex.try_emplace(HostOf(address), m_hosts.size());
    if (added)
        m_hosts.emplace_back();
    m_hosts[entry->second].waiting.push_back(item);
    ++m_waiting;
}

std::optional<size_t> CHostScheduler::Next()
{
    for (size_t tried = 0; tried < m_hosts.size(); ++tried) {
        const size_t index = (m_nextHost + tried) % m_hosts.size();
        Host& host = m_hosts[index];
        if (host.waiting.empty() || host.running >= m_perHost)
            continue;
        const size_t item = host.waiting.front();
        host.waiting.pop_front();
        ++host.running;
        --m_waiting;
        m_hostOfItem[item] = index;
        m_nextHost = (index + 1) % m_hosts.size();
        return item;
    }
    return std::nullopt;
}

void CHostScheduler::Finished(size_t item)
{
    const auto found = m_hostOfItem.find(item);
    if (found == m_hostOfItem.end())
        return;
    --m_hosts[found->second].running;
    m_hostOfItem.erase(found);
}
