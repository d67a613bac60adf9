// The options the user picked by hand on directories' category lists: each key apart, a later pick
// replacing an earlier one, kept across restarts in history.sqlite beside the events, and read
// from a write-protected file as it stands.
#include "history/CategoryChoiceStore.h"

#include "HistoryTestFolder.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const CategoryChoiceKey kKey{"Atlas", "Computers", "Software", "cat_id"};
const ChosenOption kSoftware{"7", "Software", "Computers"};

std::optional<ChosenOption> RecallFrom(const std::string& path, const CategoryChoiceKey& key)
{
    CCategoryChoiceStore store;
    std::optional<ChosenOption> option;
    if (!store.Open(path).ok || !store.Recall(key, option).ok)
        return ChosenOption{"(not read)", {}, {}};
    return option;
}

class CategoryChoiceStoreTest : public HistoryTestFolder
{
};

TEST_F(CategoryChoiceStoreTest, EachKeyKeepsItsOwnLastPickAcrossRestarts)
{
    {
        CCategoryChoiceStore store;
        ASSERT_TRUE(store.Open(HistoryPath()).ok);
        ASSERT_TRUE(store.Remember(kKey, {"3", "Arts", ""}).ok);
        ASSERT_TRUE(store.Remember(kKey, kSoftware).ok); // picked again: the later one counts
        ASSERT_TRUE(store.Remember({"Atlas", "Computers", "", "cat_id"}, {"2", "Games", ""}).ok);
        ASSERT_TRUE(
            store.Remember({"Zenith\xE9", "Recettes\xE0", "", ""}, {"c", "Cuisine", ""}).ok);
    }
    const struct
    {
        CategoryChoiceKey key;
        std::optional<ChosenOption> option;
    } rows[] = {
        {kKey, kSoftware},
        {{"Atlas", "Computers", "", "cat_id"}, ChosenOption{"2", "Games", ""}},
        {{"Zenith\xE9", "Recettes\xE0", "", ""}, ChosenOption{"c", "Cuisine", ""}},
        {{"Atlas", "Computers", "Software", "subcat_id"}, std::nullopt}, // another list
        {{"Atlas", "Cooking", "Software", "cat_id"}, std::nullopt},      // another category
        {{"Atlas", "Computers", "Hardware", "cat_id"}, std::nullopt},    // another subcategory
        {{"Zenith", "Computers", "Software", "cat_id"}, std::nullopt},   // another directory
        {{"atlas", "computers", "software", "cat_id"}, std::nullopt},    // names as they are
    };
    for (const auto& row : rows)
        EXPECT_EQ(RecallFrom(HistoryPath(), row.key), row.option) << row.key.directory;
}

// A file of the layout before choices were kept is brought up to date with its events; a
// write-protected one cannot be, and keeps none; a write-protected file of the current layout is
// read as it stands. None that cannot be written is changed.
TEST_F(CategoryChoiceStoreTest, AFileKeepsItsEventsAndIsChangedOnlyWhereItCanBeWritten)
{
    const struct
    {
        int layout;
        bool writable;
    } rows[] = {{3, true}, {3, false}, {history_schema::kCurrentVersion, false}};
    for (const auto& row : rows) {
        fs::remove(HistoryPath());
        {
            CHistoryStore events;
            CCategoryChoiceStore choices;
            ASSERT_TRUE(events.Open(HistoryPath()).ok && choices.Open(HistoryPath()).ok);
            ASSERT_TRUE(events.Append({1, "Ann", "Atlas", HistoryEventKind::Opened, 0, 0, "x"}).ok);
            ASSERT_TRUE(choices.Remember(kKey, kSoftware).ok);
        }
        if (row.layout < history_schema::kCategoryChoicesKeptSince) {
            sqlite3* raw = nullptr;
            ASSERT_EQ(sqlite3_open(HistoryPath().c_str(), &raw), SQLITE_OK);
            EXPECT_EQ(sqlite3_exec(raw, "DROP TABLE category_choices; PRAGMA user_version = 3;",
                                   nullptr, nullptr, nullptr),
                      SQLITE_OK);
            sqlite3_close(raw);
        }
        const std::string before = ReadWholeFile(HistoryPath());
        fs::permissions(HistoryPath(), row.writable
                                           ? fs::perms::all
                                           : fs::perms::owner_read | fs::perms::group_read |
                                                 fs::perms::others_read);
        fs::permissions(Folder(), fs::perms::all);
        const bool keepsChoices =
            row.writable || row.layout >= history_schema::kCategoryChoicesKeptSince;
        // The layout before kept none: the pick written before went with its table.
        const std::optional<ChosenOption> kept =
            row.layout >= history_schema::kCategoryChoicesKeptSince ? std::optional(kSoftware)
                                                                    : std::nullopt;
        EXPECT_TRUE(PassesWithoutPrivileges([&]() -> std::string {
            CCategoryChoiceStore store;
            std::optional<ChosenOption> option;
            const HistoryOutcome opened = store.Open(HistoryPath());
            if (opened.ok != keepsChoices)
                return "opened: " + std::to_string(opened.ok) + " " + opened.error;
            if (keepsChoices && !store.Recall(kKey, option).ok)
                return "not read";
            if (option != kept)
                return "the wrong choice was read";
            if (keepsChoices && store.Remember(kKey, kSoftware).ok != row.writable)
                return "written: " + std::to_string(row.writable);
            std::vector<HistoryEvent> events;
            CHistoryStore history;
            if (!history.OpenToRead(HistoryPath()).ok || !history.ReadEvents(events).ok ||
                events.size() != 1)
                return "events lost";
            return {};
        })) << "layout "
            << row.layout << (row.writable ? ", writable" : ", write-protected");
        fs::permissions(Folder(), fs::perms::owner_all);
        fs::permissions(HistoryPath(), fs::perms::owner_read | fs::perms::owner_write);
        if (!row.writable)
            EXPECT_TRUE(ReadWholeFile(HistoryPath()) == before) << "layout " << row.layout;
    }
}

} // namespace
