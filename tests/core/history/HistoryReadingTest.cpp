// The history window and the report read history.sqlite without creating or changing it, and
// read one that cannot be written as it stands.
#include "history/HistoryReading.h"

#include "HistoryTestFolder.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> FolderEntries(const std::string& folder)
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        entries[entry.path().filename().string()] = ReadWholeFile(entry.path().string());
    return entries;
}

struct ReadingCase
{
    const char* label;
    bool fileExists;
    fs::perms folder; // while the history is read
    fs::perms file;
    size_t every;          // events read for the history window
    size_t lastOfEachPair; // and for the report
    // The layout an earlier version left, whose events table is the same.
    int layout = history_schema::kCurrentVersion;
};

void PrintTo(const ReadingCase& row, std::ostream* out)
{
    *out << row.label;
}

class HistoryReadingTest : public HistoryTestFolder,
                           public ::testing::WithParamInterface<ReadingCase>
{
};

TEST_P(HistoryReadingTest, ShowsWhatTheFileHoldsAndWritesNothing)
{
    const ReadingCase& row = GetParam();
    if (row.fileExists) {
        CHistoryStore store;
        ASSERT_TRUE(store.Open(HistoryPath()).ok);
        for (const HistoryEvent& event :
             {HistoryEvent{0, "Blog", "Atlas", HistoryEventKind::Opened, 0, 0, ""},
              HistoryEvent{1, "Blog", "Atlas", HistoryEventKind::Submitted, 0, 0, ""},
              HistoryEvent{2, "Blog", "Zenith", HistoryEventKind::Opened, 0, 0, ""}})
            ASSERT_TRUE(store.Append(event).ok);
        store.Close();
        const std::string setLayout = "PRAGMA user_version = " + std::to_string(row.layout);
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(HistoryPath().c_str(), &raw), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(raw, setLayout.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(raw);
    }
    const auto before = FolderEntries(Folder());
    if (row.fileExists)
        fs::permissions(HistoryPath(), row.file);
    fs::permissions(Folder(), row.folder);

    const bool passed = PassesWithoutPrivileges([&]() -> std::string {
        for (const auto& [selection, expected] :
             {std::pair{HistorySelection::Every, row.every},
              std::pair{HistorySelection::LastOfEachPair, row.lastOfEachPair}}) {
            std::vector<HistoryEvent> events(1);
            const HistoryOutcome outcome = ReadHistoryFile(HistoryPath(), selection, events);
            if (!outcome.ok)
                return "not read: " + outcome.error;
            if (events.size() != expected)
                return std::to_string(events.size()) + " events read";
        }
        return {};
    });

    fs::permissions(Folder(), fs::perms::owner_all);
    EXPECT_TRUE(passed);
    EXPECT_EQ(FolderEntries(Folder()), before);
}

constexpr auto kAll = fs::perms::all;
constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;

INSTANTIATE_TEST_SUITE_P(
    Files, HistoryReadingTest,
    ::testing::Values(
        ReadingCase{"Writable", true, kAll, kAll, 3, 2},
        ReadingCase{"InAReadOnlyFolder", true, kReadOnly, kAll, 3, 2},
        ReadingCase{"WriteProtected", true, kAll, kReadOnly, 3, 2},
        ReadingCase{"WriteProtectedInAReadOnlyFolder", true, kReadOnly, kReadOnly, 3, 2},
        ReadingCase{"WriteProtectedOfAnEarlierLayout", true, kAll, kReadOnly, 3, 2, 2},
        ReadingCase{"WriteProtectedWithoutCategoryChoices", true, kAll, kReadOnly, 3, 2, 3},
        ReadingCase{"Missing", false, kAll, kAll, 0, 0}),
    [](const ::testing::TestParamInfo<ReadingCase>& info) { return info.param.label; });

TEST(HistoryReadingWithoutPath, IsAnEmptyHistory)
{
    std::vector<HistoryEvent> events(1);
    EXPECT_TRUE(ReadHistoryFile({}, HistorySelection::Every, events).ok);
    EXPECT_TRUE(events.empty());
}

} // namespace
