#include "history/HistoryRecorder.h"

#include "FullDiskVfs.h"
#include "HistoryTestFolder.h"
#include "history/HistoryStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
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
        return [this](const std::string& error) {
            const std::lock_guard lock(m_mutex);
            m_errors.push_back(error);
        };
    }
    std::vector<std::string> Errors() const
    {
        const std::lock_guard lock(m_mutex);
        return m_errors;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_errors;
};

class HistoryRecorderTest : public HistoryTestFolder
{
protected:
    std::vector<HistoryEvent> StoredEvents()
    {
        CHistoryStore store;
        std::vector<HistoryEvent> events;
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

} // namespace
