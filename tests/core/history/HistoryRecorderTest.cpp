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
            (failure == CHistoryRecorder::Failure::RecordingOff ? m_errors : m_heldUp)
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

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_heldUp;
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

} // namespace
