#include "history/UnwrittenEvents.h"

#include "common/AtomicFileWriter.h"
#include "history/HistoryStore.h"
#include "history/UnwrittenEventsFormat.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

// Another instance holds its turn for the moment it takes to read and write a small file.
constexpr std::chrono::milliseconds kTurnPatience{3000};
constexpr std::chrono::milliseconds kTurnRetryPause{20};

// The turn at the kept events: an advisory lock on the folder, which stays in place when the
// file itself is replaced.
class CFolderTurn final
{
public:
    explicit CFolderTurn(const std::string& historyPath)
    {
        const std::filesystem::path folder = std::filesystem::path(historyPath).parent_path();
        m_fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const auto deadline = std::chrono::steady_clock::now() + kTurnPatience;
        while (m_fd >= 0 && flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) ||
                std::chrono::steady_clock::now() >= deadline) {
                m_error = std::strerror(errno);
                return;
            }
            std::this_thread::sleep_for(kTurnRetryPause);
        }
        if (m_fd < 0)
            m_error = std::strerror(errno);
    }
    ~CFolderTurn()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    CFolderTurn(const CFolderTurn&) = delete;
    CFolderTurn& operator=(const CFolderTurn&) = delete;

    // Empty once the turn is ours.
    const std::string& Error() const { return m_error; }

private:
    int m_fd = -1;
    std::string m_error;
};

// The kept events, none when there is no file. An empty error tells that the file could be read:
// one that cannot is never replaced by less than it holds.
std::vector<HistoryEvent> ReadKept(const std::string& path, std::string& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            error = std::strerror(errno);
        return {};
    }
    std::string bytes;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        bytes.append(buffer, got > 0 ? static_cast<size_t>(got) : 0);
    if (got < 0)
        error = std::strerror(errno);
    close(fd);
    return ReadUnwrittenEvents(bytes);
}

} // namespace

std::string UnwrittenEventsPath(const std::string& historyPath)
{
    return historyPath + "-unwritten";
}

HistoryOutcome KeepUnwrittenEvents(const std::string& historyPath,
                                   const std::vector<HistoryEvent>& events)
{
    if (events.empty())
        return {};
    const CFolderTurn turn(historyPath);
    if (!turn.Error().empty())
        return HistoryOutcome::Failed(turn.Error());
    const std::string path = UnwrittenEventsPath(historyPath);
    std::string error;
    std::vector<HistoryEvent> kept = ReadKept(path, error);
    if (!error.empty())
        return HistoryOutcome::Failed(error);
    kept.insert(kept.end(), events.begin(), events.end());
    const WriteOutcome written = CAtomicFileWriter().Write(path, PackUnwrittenEvents(kept));
    return written.ok ? HistoryOutcome{} : HistoryOutcome::Failed(written.error);
}

HistoryOutcome TakeUnwrittenEvents(CHistoryStore& store, const std::string& historyPath)
{
    const std::string path = UnwrittenEventsPath(historyPath);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    const CFolderTurn turn(historyPath);
    // Another instance keeping or taking events at this moment: as a lock on the file would.
    if (!turn.Error().empty())
        return {false, turn.Error(), true};
    std::string unreadable;
    const std::vector<HistoryEvent> kept = ReadKept(path, unreadable);
    // A file that cannot be read is left for the user: a later end adds none to it, and says so.
    if (!unreadable.empty())
        return {};
    if (HistoryOutcome written = store.AppendAll(kept); !written.ok)
        return written;
    // The folder lets history.sqlite be written: it lets this file go too.
    std::filesystem::remove(path, error);
    return {};
}
