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

TEST_F(CategoryChoiceStoreTest, AFileOfTheLayoutBeforeIsBroughtUpToDateWithItsEvents)
{
    {
        CHistoryStore events;
        ASSERT_TRUE(events.Open(HistoryPath()).ok);
        ASSERT_TRUE(events.Append({1, "Ann", "Atlas", HistoryEventKind::Opened, 0, 0, "x"}).ok);
    }
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(HistoryPath().c_str(), &raw), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(raw, "DROP TABLE category_choices; PRAGMA user_version = 3;", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);

    CCategoryChoiceStore store;
    const HistoryOutcome opened = store.Open(HistoryPath());
    ASSERT_TRUE(opened.ok) << opened.error;
    EXPECT_TRUE(store.Remember(kKey, kSoftware).ok);
    CHistoryStore events;
    std::vector<HistoryEvent> read;
    ASSERT_TRUE(events.Open(HistoryPath()).ok);
    ASSERT_TRUE(events.ReadEvents(read).ok);
    EXPECT_EQ(read.size(), 1u);
    EXPECT_EQ(RecallFrom(HistoryPath(), kKey), kSoftware);
}

// A write-protected file cannot be brought up to date: one that keeps choices is read as it
// stands, an older one keeps none; neither is changed.
TEST_F(CategoryChoiceStoreTest, AWriteProtectedFileIsReadAsItStands)
{
    for (const int layout : {history_schema::kCurrentVersion, 3}) {
        fs::remove(HistoryPath());
        {
            CCategoryChoiceStore store;
            ASSERT_TRUE(store.Open(HistoryPath()).ok);
            ASSERT_TRUE(store.Remember(kKey, kSoftware).ok);
        }
        if (layout < history_schema::kCategoryChoicesKeptSince) {
            sqlite3* raw = nullptr;
            ASSERT_EQ(sqlite3_open(HistoryPath().c_str(), &raw), SQLITE_OK);
            EXPECT_EQ(sqlite3_exec(raw, "DROP TABLE category_choices; PRAGMA user_version = 3;",
                                   nullptr, nullptr, nullptr),
                      SQLITE_OK);
            sqlite3_close(raw);
        }
        const std::string before = ReadWholeFile(HistoryPath());
        fs::permissions(HistoryPath(),
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(Folder(), fs::perms::all);
        const bool keepsChoices = layout >= history_schema::kCategoryChoicesKeptSince;
        EXPECT_TRUE(PassesWithoutPrivileges([&]() -> std::string {
            CCategoryChoiceStore store;
            std::optional<ChosenOption> option;
            const HistoryOutcome opened = store.Open(HistoryPath());
            if (opened.ok != keepsChoices)
                return "opened: " + std::to_string(opened.ok) + " " + opened.error;
            if (!keepsChoices)
                return {};
            if (!store.Recall(kKey, option).ok || option != kSoftware)
                return "the choice was not read";
            return store.Remember(kKey, {"3", "Arts", ""}).ok ? "written" : "";
        })) << "layout "
            << layout;
        fs::permissions(Folder(), fs::perms::owner_all);
        fs::permissions(HistoryPath(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_TRUE(ReadWholeFile(HistoryPath()) == before) << "layout " << layout;
    }
}

} // namespace
