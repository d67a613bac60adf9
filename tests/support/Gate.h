#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Holds a test server's answer back until the test opens it (at its end), at most for a limit.
class Gate
{
public:
    void Wait(std::chrono::seconds limit)
    {
        std::unique_lock lock(m_mutex);
        m_opened.wait_for(lock, limit, [this] { return m_open; });
    }

    void Open()
    {
        {
            std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_opened.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_opened;
    bool m_open = false;
};
