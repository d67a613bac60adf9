#pragma once

#include "history/HistoryEvent.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// Writes events to history.sqlite on a thread of its own, so that neither a slow disk nor
// another instance holding the file's lock ever holds up the window: Record only queues.
// The first failure — the file cannot be opened, is not SQLite, has a newer layout, the disk
// is full — turns recording off for good: `onFailure` is called once, on the recorder's
// thread, and every later event is dropped.
class CHistoryRecorder final
{
public:
    using FailureHandler = std::function<void(const std::string& error)>;

    CHistoryRecorder(std::string path, FailureHandler onFailure, const char* vfs = nullptr);
    // Writes what is still queued, then stops the thread.
    ~CHistoryRecorder();

    CHistoryRecorder(const CHistoryRecorder&) = delete;
    CHistoryRecorder& operator=(const CHistoryRecorder&) = delete;

    void Record(HistoryEvent event);
    // Returns once every event recorded so far is written or dropped.
    void WaitUntilIdle();
    bool IsOff() const;

private:
    void Run(std::string path, const char* vfs);

    FailureHandler m_onFailure;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<HistoryEvent> m_queue;
    bool m_busy = true; // opening the file counts as work
    bool m_stopping = false;
    bool m_off = false;
    // Last, so the thread starts after everything it touches exists.
    std::thread m_thread;
};
