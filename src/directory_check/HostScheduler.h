#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Decides which directory to fetch next so that no more than `perHost` transfers go to one
// server at a time, taking the servers in turn. Directories of one server keep their order.
class CHostScheduler final
{
public:
    explicit CHostScheduler(size_t perHost);

    // `server` names the machine the item's transfer goes to: ServerOf() its address.
    void Add(size_t item, const std::string& server);
    // The next item whose server has room, marked as running; nullopt when none has.
    std::optional<size_t> Next();
    // `item` has ended, and its server has room again.
    void Finished(size_t item);
    bool HasWaiting() const { return m_waiting > 0; }

private:
    struct Host
    {
        std::deque<size_t> waiting;
        size_t running = 0;
    };

    size_t m_perHost;
    std::vector<Host> m_hosts;
    std::unordered_map<std::string, size_t> m_hostIndex;
    std::unordered_map<size_t, size_t> m_hostOfItem; // for items that are running
    size_t m_nextHost = 0;
    size_t m_waiting = 0;
};
