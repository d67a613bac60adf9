#include "directory_check/HostScheduler.h"

#include <algorithm>

CHostScheduler::CHostScheduler(size_t perHost) : m_perHost(std::max<size_t>(perHost, 1)) {}

void CHostScheduler::Add(size_t item, const std::string& server)
{
    const auto [entry, added] = m_hostIndex.try_emplace(server, m_hosts.size());
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
