#include "history/HistoryRecorder.h"

#include "history/HistoryStore.h"

CHistoryRecorder::CHistoryRecorder(std::string path, FailureHandler onFailure, const char* vfs)
    : m_onFailure(std::move(onFailure)),
      m_thread(&CHistoryRecorder::Run, this, std::move(path), vfs)
{}

CHistoryRecorder::~CHistoryRecorder()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CHistoryRecorder::Record(HistoryEvent event)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_off)
            return;
        m_queue.push_back(std::move(event));
    }
    m_wake.notify_one();
}

void CHistoryRecorder::WaitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

bool CHistoryRecorder::IsOff() const
{
    const std::lock_guard lock(m_mutex);
    return m_off;
}

void CHistoryRecorder::Run(std::string path, const char* vfs)
{
    // Opened here, not in the constructor: waiting out a lock held by another instance, or
    // migrating a large file, must not hold up the window either.
    CHistoryStore store;
    HistoryOutcome outcome = store.Open(path, vfs);
    std::unique_lock lock(m_mutex);
    while (true) {
        if (!outcome.ok && !m_off) {
            m_off = true;
            m_queue.clear();
            lock.unlock();
            store.Close();
            m_onFailure(outcome.error);
            lock.lock();
        }
        m_busy = false;
        m_idle.notify_all();
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        HistoryEvent event = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();
        outcome = store.Append(event);
        lock.lock();
        m_busy = false;
    }
}
