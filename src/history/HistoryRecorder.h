#pragma once

#include "history/HistoryEvent.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class CHistoryStore;
struct HistoryOutcome;

// Writes events to history.sqlite on a thread of its own, so that neither a slow disk nor
// another instance holding the file's lock ever holds up the window: Record only queues.
// A lock another program holds keeps the events queued, in order, until it lets go; only a lock
// held for longer than `lockPatience` is reported, once. Events a lock still holds up when the
// program ends are kept beside the file, and the next start writes them before anything else. Any
// other failure — the file cannot be opened, is not SQLite, has a newer layout, the disk is full —
// turns recording off for good, is reported once, and every later event is dropped. A file
// deleted, moved or replaced while the program runs keeps what was written to it and is let go
// within a second; the next event goes to the file then at its path, a new one where there is
// none. Reports come on the recorder's thread.
class CHistoryRecorder final
{
public:
    enum class Failure
    {
        RecordingOff,
        // The events wait for the file's lock, and are written once it is free.
        EventsHeldUp,
        // At the end, events held up could not be kept for the next start either; the error
        // says how many were lost. Reported as the recorder is destroyed.
        EventsLost,
    };
    using FailureHandler = std::function<void(Failure failure, const std::string& error)>;

    static constexpr std::chrono::milliseconds kLockPatience{10000};

    CHistoryRecorder(std::string path, FailureHandler onFailure, const char* vfs = nullptr,
                     std::chrono::milliseconds lockPatience = kLockPatience);
    // Writes what is still queued, then stops the thread. A lock held beyond the patience then
    // leaves the rest to the next start rather than keep the program from ending.
    ~CHistoryRecorder();

    CHistoryRecorder(const CHistoryRecorder&) = delete;
    CHistoryRecorder& operator=(const CHistoryRecorder&) = delete;

    void Record(HistoryEvent event);
    // Returns once every event recorded so far is written or dropped.
    void WaitUntilIdle();
    bool IsOff() const;

private:
    void Run(const char* vfs);
    // Called with the lock taken, after `outcome` came back busy: false when the recorder is
    // stopping and has waited long enough.
    bool WaitForTheLock(const HistoryOutcome& outcome, std::unique_lock<std::mutex>& lock);
    // Called with the lock taken, as the recorder stops: keeps the queue for the next start.
    void KeepTheRest(std::unique_lock<std::mutex>& lock);
    void TurnOff(const HistoryOutcome& outcome, CHistoryStore& store,
                 std::unique_lock<std::mutex>& lock);

    const std::string m_path;
    FailureHandler m_onFailure;
    const std::chrono::milliseconds m_lockPatience;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<HistoryEvent> m_queue;
    bool m_busy = true; // opening the file counts as work
    bool m_stopping = false;
    bool m_off = false;
    // Since when another connection's lock has kept the next step from being done.
    std::optional<std::chrono::steady_clock::time_point> m_heldUpSince;
    bool m_heldUpReported = false;
    // Last, so the thread starts after everything it touches exists.
    std::thread m_thread;
};
