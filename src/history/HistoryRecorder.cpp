#include "history/HistoryRecorder.h"

#include "common/TextCatalogue.h"
#include "history/HistoryStore.h"
#include "history/UnwrittenEvents.h"

#include <utility>
#include <vector>

namespace {

// Between two attempts, for a lock SQLite reports at once rather than after its busy timeout.
constexpr std::chrono::milliseconds kRetryPause{100};
// How soon a file moved away while nothing is recorded is let go.
constexpr std::chrono::milliseconds kMoveWatch{1000};

HistoryOutcome Append(CHistoryStore& store, const HistoryEvent& event, const std::string& path,
                      const char* vfs)
{
    // Deleted, moved or replaced while open: the history goes on in the file now at its path, a
    // new one where there is none, rather than in one nobody will find. The old file keeps every
    // event written to it.
    if (store.HasMoved()) {
        if (HistoryOutcome closed = store.CloseMoved(); !closed.ok)
            return closed;
        if (HistoryOutcome reopened = store.Open(path, vfs); !reopened.ok)
            return reopened;
    }
    return store.Append(event);
}

} // namespace

CHistoryRecorder::CHistoryRecorder(std::string path, FailureHandler onFailure, const char* vfs,
                                   std::chrono::milliseconds lockPatience)
    : m_path(std::move(path)), m_onFailure(std::move(onFailure)), m_lockPatience(lockPatience),
      m_thread(&CHistoryRecorder::Run, this, vfs)
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

void CHistoryRecorder::Run(const char* vfs)
{
    // Opened here, not in the constructor: waiting out a lock held by another instance, or
    // migrating a large file, must not hold up the window either.
    CHistoryStore store;
    bool keptTaken = false;
    // Opens the store if it is closed, writes what an earlier run kept for this one, then `next`.
    const auto advance = [&](const std::optional<HistoryEvent>& next) {
        if (!store.IsOpen()) {
            if (HistoryOutcome opened = store.Open(m_path, vfs); !opened.ok)
                return opened;
        }
        if (!keptTaken) {
            if (HistoryOutcome taken = TakeUnwrittenEvents(store, m_path); !taken.ok)
                return taken;
            keptTaken = true;
        }
        return next ? Append(store, *next, m_path, vfs) : HistoryOutcome{};
    };
    HistoryOutcome outcome = advance(std::nullopt);
    std::unique_lock lock(m_mutex);
    while (true) {
        if (outcome.busy) {
            if (!WaitForTheLock(outcome, lock))
                return;
        } else {
            m_heldUpSince.reset();
            m_heldUpReported = false;
            if (!outcome.ok && !m_off)
                TurnOff(outcome, store, lock);
            m_busy = false;
            m_idle.notify_all();
            while (!m_wake.wait_for(lock, kMoveWatch,
                                    [this] { return m_stopping || !m_queue.empty(); })) {
                // Held open, a file moved away keeps its log beside the path, where the History
                // window or another instance would read it as the log of the file put there.
                // It is reopened, or a new one started, only for the next event.
                lock.unlock();
                if (store.HasMoved())
                    store.CloseMoved();
                lock.lock();
            }
            if (m_queue.empty())
                return;
            m_busy = true;
        }
        // What a lock held up is done again; the next event leaves the queue only once it is
        // written.
        std::optional<HistoryEvent> next;
        if (!m_queue.empty())
            next = m_queue.front();
        lock.unlock();
        outcome = advance(next);
        lock.lock();
        if (outcome.ok && next)
            m_queue.pop_front();
    }
}

bool CHistoryRecorder::WaitForTheLock(const HistoryOutcome& outcome,
                                      std::unique_lock<std::mutex>& lock)
{
    const auto now = std::chrono::steady_clock::now();
    if (!m_heldUpSince)
        m_heldUpSince = now;
    if (now - *m_heldUpSince >= m_lockPatience) {
        if (m_stopping) {
            KeepTheRest(lock);
            return false;
        }
        if (!std::exchange(m_heldUpReported, true)) {
            lock.unlock();
            m_onFailure(Failure::EventsHeldUp, outcome.error);
            lock.lock();
        }
    }
    m_wake.wait_for(lock, kRetryPause);
    return true;
}

void CHistoryRecorder::KeepTheRest(std::unique_lock<std::mutex>& lock)
{
    const std::vector<HistoryEvent> rest(m_queue.begin(), m_queue.end());
    m_queue.clear();
    lock.unlock();
    if (const HistoryOutcome kept = KeepUnwrittenEvents(m_path, rest); !kept.ok) {
        const std::string lost = FillIn(
            TranslatedText(KESTRINE_COUNT_TEXT("HistoryRecorder",
                                               "%n events could not be written to the history "
                                               "nor kept for the next start, and are lost: %1"),
                           static_cast<int>(rest.size())),
            {kept.error});
        m_onFailure(Failure::EventsLost, lost);
    }
    lock.lock();
    m_busy = false;
    m_idle.notify_all();
}

void CHistoryRecorder::TurnOff(const HistoryOutcome& outcome, CHistoryStore& store,
                               std::unique_lock<std::mutex>& lock)
{
    m_off = true;
    m_queue.clear();
    lock.unlock();
    store.Close();
    m_onFailure(Failure::RecordingOff, outcome.error);
    lock.lock();
}
