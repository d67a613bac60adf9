#include "history/HistoryRecorder.h"

#include "FullDiskVfs.h"
#include "HistoryTestFolder.h"
#include "history/HistoryStore.h"

#include <chrono>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

HistoryEvent NumberedEvent(int number)
{
    return {number, "Blog", "Directory " + std::to_string(number),       HistoryEventKind::Opened,
            0,      0,      "http://127.0.0.1/" + std::to_string(number)};
}

// Collects the failures a recorder reports, from whatever thread it reports them on.
class FailureLog
{
public:
    CHistoryRecorder::FailureHandler Handler()
    {
        return [this](CHistoryRecorder::Failure failure, const std::string& error) {
            const std::lock_guard lock(m_mutex);
            using Failure = CHistoryRecorder::Failure;
            (failure == Failure::RecordingOff   ? m_errors
             : failure == Failure::EventsHeldUp ? m_heldUp
                                                : m_lost)
                .push_back(error);
        };
    }
    // The reports that turned recording off.
    std::vector<std::string> Errors() const
    {
        const std::lock_guard lock(m_mutex);
        return m_errors;
    }
    // The reports of events kept waiting for a lock.
    std::vector<std::string> HeldUp() const
    {
        const std::lock_guard lock(m_mutex);
        return m_heldUp;
    }

    // The reports of events lost at the end.
    std::vector<std::string> Lost() const
    {
        const std::lock_guard lock(m_mutex);
        return m_lost;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_heldUp;
    std::vector<std::string> m_lost;
};

// Another program's connection to the same file.
class OtherConnection
{
public:
    explicit OtherConnection(const std::string& path)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        m_db.reset(db);
    }
    void Execute(const char* sql)
    {
        EXPECT_EQ(sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    }

private:
    SqliteConnection m_db;
};

class HistoryRecorderTest : public HistoryTestFolder
{
protected:
    std::vector<HistoryEvent> StoredEvents()
    {
        CHistoryStore store;
        std::vector<HistoryEvent> events;
        EXPECT_TRUE(std::filesystem::exists(HistoryPath()));
        EXPECT_TRUE(store.Open(HistoryPath()).ok);
        EXPECT_TRUE(store.ReadEvents(events).ok);
        return events;
    }
    FailureLog m_failures;
};

TEST_F(HistoryRecorderTest, WritesEveryEventInOrderIncludingThoseQueuedAtTheEnd)
{
    constexpr int kEvents = 200;
    {
        CHistoryRecorder recorder(HistoryPath(), m_failures.Handler());
        for (int number = 0; number < kEvents; ++number)
            recorder.Record(NumberedEvent(number));
        // No wait: the destructor must write what is still queued.
    }
    const std::vector<HistoryEvent> events = StoredEvents();
    ASSERT_EQ(events.size(), static_cast<size_t>(kEvents));
    for (int number = 0; number < kEvents; ++number)
        EXPECT_EQ(events[static_cast<size_t>(kEvents - 1 - number)], NumberedEvent(number));
    EXPECT_TRUE(m_failures.Errors().empty());
}

TEST_F(HistoryRecorderTest, AFileItCannotOpenTurnsItOffWithOneReportAndNoWrites)
{
    WriteWholeFile(HistoryPath(), "not a history at all");
    CHistoryRecorder recorder(HistoryPath(), m_failures.Handler());
    recorder.WaitUntilIdle();
    EXPECT_TRUE(recorder.IsOff());
    for (int number = 0; number < 5; ++number)
        recorder.Record(NumberedEvent(number));
    recorder.WaitUntilIdle();
    EXPECT_THAT(m_failures.Errors(),
                ::testing::ElementsAre(::testing::HasSubstr("not a database")));
    EXPECT_EQ(ReadWholeFile(HistoryPath()), "not a history at all");
}

TEST_F(HistoryRecorderTest, AFullDiskTurnsItOffOnceAndKeepsWhatWasWritten)
{
    // Room for the file's creation and a few events, not for hundreds.
    full_disk_vfs::SetBudget(64 * 1024);
    constexpr int kEvents = 500;
    {
        CHistoryRecorder recorder(HistoryPath(), m_failures.Handler(), full_disk_vfs::kName);
        for (int number = 0; number < kEvents; ++number)
            recorder.Record(NumberedEvent(number));
        recorder.WaitUntilIdle();
        EXPECT_TRUE(recorder.IsOff());
        recorder.Record(NumberedEvent(kEvents));
    }
    EXPECT_THAT(m_failures.Errors(), ::testing::ElementsAre(::testing::HasSubstr("full")));
    // What reached the file before the disk filled up is intact and in order.
    const std::vector<HistoryEvent> events = StoredEvents();
    ASSERT_FALSE(events.empty());
    ASSERT_LT(events.size(), static_cast<size_t>(kEvents));
    for (size_t index = 0; index < events.size(); ++index)
        EXPECT_EQ(events[events.size() - 1 - index], NumberedEvent(static_cast<int>(index)));
}

TEST_F(HistoryRecorderTest, ALockHeldLongerThanTheBusyTimeoutHoldsEventsUpButLosesNone)
{
    using std::chrono::milliseconds;
    struct Case
    {
        milliseconds patience;
        size_t heldUpReports;
    };
    // Within the patience nothing is said; beyond it the user hears of it once.
    for (const Case& row : {Case{CHistoryRecorder::kLockPatience, 0}, Case{milliseconds(0), 1}}) {
        SCOPED_TRACE(row.patience.count());
        std::filesystem::remove(HistoryPath());
        FailureLog failures;
        constexpr int kEvents = 9;
        {
            CHistoryRecorder recorder(HistoryPath(), failures.Handler(), nullptr, row.patience);
            recorder.WaitUntilIdle();
            OtherConnection other(HistoryPath());
            other.Execute("BEGIN IMMEDIATE");
            for (int number = 0; number < kEvents; ++number)
                recorder.Record(NumberedEvent(number));
            // The point is how long the other program holds on, not waiting for something.
            std::this_thread::sleep_for(milliseconds(CHistoryStore::kBusyTimeoutMs * 3 / 2));
            other.Execute("ROLLBACK");
            recorder.WaitUntilIdle();
            EXPECT_FALSE(recorder.IsOff());
        }
        EXPECT_TRUE(failures.Errors().empty());
        EXPECT_EQ(failures.HeldUp().size(), row.heldUpReports);
        const std::vector<HistoryEvent> events = StoredEvents();
        ASSERT_EQ(events.size(), static_cast<size_t>(kEvents));
        for (int number = 0; number < kEvents; ++number)
            EXPECT_EQ(events[static_cast<size_t>(kEvents - 1 - number)], NumberedEvent(number));
    }
}

TEST_F(HistoryRecorderTest, AFileDeletedWhileRecordingIsStartedAfreshForWhatFollows)
{
    // Alone, or with another connection (the History window reading) that keeps the
    // deleted file and its log open.
    for (const bool othersHoldIt : {false, true}) {
        SCOPED_TRACE(othersHoldIt);
        FailureLog failures;
        {
            CHistoryRecorder recorder(HistoryPath(), failures.Handler());
            recorder.Record(NumberedEvent(0));
            recorder.WaitUntilIdle();
            std::optional<OtherConnection> other;
            if (othersHoldIt) {
                other.emplace(HistoryPath());
                other->Execute("BEGIN; SELECT count(*) FROM events;");
            }
            // The user removes the history between two events, as `rm history.sqlite` would.
            ASSERT_TRUE(std::filesystem::remove(HistoryPath()));
            for (int number = 1; number <= 3; ++number)
                recorder.Record(NumberedEvent(number));
            recorder.WaitUntilIdle();
            EXPECT_FALSE(recorder.IsOff());
        }
        EXPECT_TRUE(failures.Errors().empty());
        EXPECT_THAT(StoredEvents(),
                    ::testing::ElementsAre(NumberedEvent(3), NumberedEvent(2), NumberedEvent(1)));
        std::filesystem::remove(HistoryPath());
    }
}

TEST_F(HistoryRecorderTest, AFileReplacedOrMovedAsideKeepsItsEventsAndTheNewOneItsRows)
{
    struct Case
    {
        const char* label;
        bool replaced; // another history put in its place; else moved aside, none in its place
        bool readerInTransaction;
        bool readBeforeTheNextEvent = false; // by the History window, say
    };
    for (const Case& row : {Case{"replaced", true, false}, Case{"moved aside", false, false},
                            Case{"moved aside while read", false, true},
                            Case{"replaced, read at once", true, false, true}}) {
        SCOPED_TRACE(row.label);
        const std::string aside = PathOf("aside.sqlite");
        const std::string replacement = PathOf("replacement.sqlite");
        {
            CHistoryStore other;
            ASSERT_TRUE(other.Open(replacement).ok);
            for (const int number : {100, 101})
                ASSERT_TRUE(other.Append(NumberedEvent(number)).ok);
        }
        FailureLog failures;
        {
            CHistoryRecorder recorder(HistoryPath(), failures.Handler());
            for (int number = 0; number < 3; ++number)
                recorder.Record(NumberedEvent(number));
            recorder.WaitUntilIdle();
            // The History window reading the old file as it goes.
            std::optional<OtherConnection> reader;
            if (row.readerInTransaction) {
                reader.emplace(HistoryPath());
                reader->Execute("BEGIN; SELECT count(*) FROM events;");
            }
            // As `mv history.sqlite aside.sqlite` and `mv replacement.sqlite history.sqlite`.
            std::filesystem::rename(HistoryPath(), aside);
            if (row.replaced)
                std::filesystem::rename(replacement, HistoryPath());
            if (row.readBeforeTheNextEvent) {
                // The recorder lets go of the old file by itself, its log emptied.
                const std::string log = HistoryPath() + "-wal";
                const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
                while (std::filesystem::exists(log) && std::filesystem::file_size(log) != 0 &&
                       std::chrono::steady_clock::now() < deadline)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                EXPECT_THAT(StoredEvents(),
                            ::testing::ElementsAre(NumberedEvent(101), NumberedEvent(100)));
            }
            recorder.Record(NumberedEvent(3));
            recorder.WaitUntilIdle();
            EXPECT_FALSE(recorder.IsOff());
        }
        EXPECT_TRUE(failures.Errors().empty());
        using ::testing::ElementsAre;
        if (row.replaced) {
            EXPECT_THAT(StoredEvents(),
                        ElementsAre(NumberedEvent(101), NumberedEvent(100), NumberedEvent(3)));
        } else {
            EXPECT_THAT(StoredEvents(), ElementsAre(NumberedEvent(3)));
        }
        CHistoryStore moved;
        std::vector<HistoryEvent> kept;
        ASSERT_TRUE(moved.Open(aside).ok);
        ASSERT_TRUE(moved.ReadEvents(kept).ok);
        EXPECT_THAT(kept, ElementsAre(NumberedEvent(2), NumberedEvent(1), NumberedEvent(0)));
        moved.Close();
        for (const std::string& path : {HistoryPath(), aside, replacement})
            std::filesystem::remove(path);
    }
}

// The other program holds the file's write lock from before the recorder's first event to
// after its end; with no patience, the end does not wait for it.
void RecordWhileLocked(const std::string& path, FailureLog& failures, int first, int last)
{
    OtherConnection other(path);
    other.Execute("BEGIN IMMEDIATE");
    CHistoryRecorder recorder(path, failures.Handler(), nullptr, std::chrono::milliseconds(0));
    for (int number = first; number <= last; ++number)
        recorder.Record(NumberedEvent(number));
}

TEST_F(HistoryRecorderTest, EventsALockHoldsUpAtTheEndAreWrittenByTheNextStartOnce)
{
    FailureLog failures;
    {
        CHistoryRecorder recorder(HistoryPath(), failures.Handler());
        recorder.Record(NumberedEvent(0));
    }
    // Two runs end while another program holds the lock; the second one started under it too.
    RecordWhileLocked(HistoryPath(), failures, 1, 3);
    RecordWhileLocked(HistoryPath(), failures, 4, 5);
    EXPECT_TRUE(std::filesystem::exists(HistoryPath() + "-unwritten"));
    {
        CHistoryRecorder recorder(HistoryPath(), failures.Handler());
        recorder.Record(NumberedEvent(6));
    }
    EXPECT_TRUE(failures.Errors().empty());
    EXPECT_TRUE(failures.Lost().empty());
    std::vector<HistoryEvent> expected;
    for (int number = 6; number >= 0; --number)
        expected.push_back(NumberedEvent(number));
    EXPECT_EQ(StoredEvents(), expected);
    EXPECT_FALSE(std::filesystem::exists(HistoryPath() + "-unwritten"));
}

TEST_F(HistoryRecorderTest, EventsThatCannotBeKeptEitherAreCountedAsLost)
{
    {
        CHistoryRecorder recorder(HistoryPath(), m_failures.Handler());
    }
    // Where the kept events would go, something that cannot be replaced by a file.
    std::filesystem::create_directory(HistoryPath() + "-unwritten");
    std::filesystem::create_directory(HistoryPath() + "-unwritten/inside");
    RecordWhileLocked(HistoryPath(), m_failures, 1, 3);
    EXPECT_TRUE(m_failures.Errors().empty());
    EXPECT_THAT(m_failures.Lost(), ::testing::ElementsAre(::testing::HasSubstr("3 events")));
}

} // namespace
