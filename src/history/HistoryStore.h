#pragma once

#include "history/HistoryEvent.h"
#include "history/HistoryOutcome.h"
#include "history/SqliteStatement.h"

#include <string>
#include <vector>

// history.sqlite: one row per event, in WAL mode so that the history window and the report
// read while the recorder writes. One instance per thread: the connection and its statements
// are used by the thread that opened them.
class CHistoryStore final
{
public:
    // How long a statement waits for another program instance that holds the write lock.
    static constexpr int kBusyTimeoutMs = 2000;

    // Opens or creates the file and brings its layout up to date. `vfs` chooses an SQLite file
    // system other than the default one (tests stand in a disk that fills up).
    HistoryOutcome Open(const std::string& path, const char* vfs = nullptr);
    // Opens an existing file for reading, as the history window and the report do: never
    // created, and changed only as Open would change it where it can be written. A file that
    // cannot be written (write-protected, or in a folder or on a disk that is) is read as it
    // stands; Append then fails.
    HistoryOutcome OpenToRead(const std::string& path);
    bool IsOpen() const { return m_db != nullptr; }
    // Whether the file opened is no longer the one at its path: deleted, renamed or replaced
    // since. What is written to it then is lost with it.
    bool HasMoved() const;
    void Close();
    // For a file that has moved: writes its log into it, empties the log, then closes. The log
    // lies beside the path rather than beside the file, so a log left behind would be read as
    // the log of the next file at the path, whose rows it would overwrite. Busy, and still open,
    // while another connection reads the old file.
    HistoryOutcome CloseMoved();

    HistoryOutcome Append(const HistoryEvent& event);
    // All of them or, on failure, none.
    HistoryOutcome AppendAll(const std::vector<HistoryEvent>& events);
    // Every event, newest first; events of the same millisecond in reverse order of recording.
    HistoryOutcome ReadEvents(std::vector<HistoryEvent>& events);
    // The newest event of every profile and directory pair, all of them ahead of the newest
    // confirmation by e-mail of each pair whose newest event is another.
    HistoryOutcome ReadLastEvents(std::vector<HistoryEvent>& events);

private:
    using Settle = HistoryOutcome (CHistoryStore::*)();
    // Opens `target` with SQLite's `flags`, then settles the connection and prepares the
    // statements; closed again on failure.
    HistoryOutcome OpenWith(const std::string& target, int flags, const char* vfs, Settle settle);
    HistoryOutcome Configure();
    HistoryOutcome CheckLayout();
    HistoryOutcome Prepare(CSqliteStatement& statement, const char* sql);
    HistoryOutcome ReadAll(CSqliteStatement& statement, std::vector<HistoryEvent>& events);
    HistoryOutcome Failure();
    HistoryOutcome Execute(const char* sql);

    // Declared before the statements: they are finalized first, the connection closed last.
    SqliteConnection m_db;
    CSqliteStatement m_insert;
    CSqliteStatement m_selectAll;
    CSqliteStatement m_selectLast;
};
