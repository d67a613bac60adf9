#pragma once

#include "history/HistoryOutcome.h"
#include "history/SqliteStatement.h"

#include <optional>
#include <string>

// Whose choice it is: one directory's category list, for the profiles of one category and
// subcategory.
struct CategoryChoiceKey
{
    std::string directory;
    std::string category;
    std::string subcategory;
    std::string list; // the select's name, else its id
};

// An option as the page showed it: its value alone may be a number the directory gives its
// categories anew, so its text and group find it again.
struct ChosenOption
{
    std::string value;
    std::string text;
    std::string group;

    bool operator==(const ChosenOption&) const = default;
};

// The options the user picked by hand on directories' category lists, kept in history.sqlite
// beside the events: one row per key, replaced by a later pick. One instance per thread, like
// CHistoryStore.
class CCategoryChoiceStore final
{
public:
    // Opens or creates the file and brings its layout up to date. A write-protected file is read
    // as it stands, when its layout keeps choices at all; Remember fails then.
    HistoryOutcome Open(const std::string& path);
    bool IsOpen() const { return m_db != nullptr; }

    HistoryOutcome Remember(const CategoryChoiceKey& key, const ChosenOption& option);
    // `option` is empty when nothing is remembered for the key.
    HistoryOutcome Recall(const CategoryChoiceKey& key, std::optional<ChosenOption>& option);

private:
    HistoryOutcome Failure() const;
    static void BindKey(CSqliteStatement& statement, const CategoryChoiceKey& key);

    SqliteConnection m_db; // declared first: closed after the statements
    CSqliteStatement m_replace;
    CSqliteStatement m_select;
};
