// Which selects are category lists: by what the page calls them, in the interface languages,
// else by their options; lists of languages and countries never are.
#include "page_filling/CategoryList.h"

#include <gtest/gtest.h>

namespace {

struct ListCase
{
    const char* label;
    SelectTexts select;
    std::vector<const char*> options;
    bool isCategoryList;
};

void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << c.label;
}

const std::vector<const char*> kLanguages = {"English", "Deutsch", "Français", "Español",
                                             "Italiano"};
const std::vector<const char*> kTopics = {"Arts", "Business", "Computers", "Sports", "Travel"};
const std::vector<const char*> kShades = {"Red", "Green", "Blue", "Yellow", "Black"};

const ListCase kCases[] = {
    {"English caption", {"f12", "", {"Category:"}}, kShades, true},
    {"name of a programmer", {"cat_id", "", {}}, kShades, true},
    {"camel-case id", {"", "parentCatId", {}}, kShades, true},
    {"German caption", {"s1", "", {"Rubrik"}}, kShades, true},
    {"French caption", {"s1", "", {"Catégorie du site"}}, kShades, true},
    {"Spanish caption", {"s1", "", {"Categoría"}}, kShades, true},
    {"Dutch caption", {"s1", "", {"Rubriek"}}, kShades, true},
    {"Polish caption", {"s1", "", {"Kategoria"}}, kShades, true},
    {"Italian name", {"sottocategoria", "", {}}, kShades, true},
    {"topic", {"topic", "", {}}, kShades, true},
    {"named nothing, options are topics", {"s1", "", {}}, kTopics, true},
    {"named nothing, options are no topics", {"s1", "", {}}, kShades, false},
    {"a language list of topic-like name", {"lang", "", {"Sprache"}}, kTopics, false},
    {"a country list", {"country", "", {"Pays"}}, kLanguages, false},
    {"a language list named nothing", {"s1", "", {}}, kLanguages, false},
    {"too few options to tell", {"s1", "", {}}, {"Arts", "Sports"}, false},
};

class CategoryListTest : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(CategoryListTest, TellsCategoryListsFromOthers)
{
    const ListCase& c = GetParam();
    std::vector<CategoryOption> options;
    for (const char* text : c.options)
        options.push_back({text, text, {}});
    EXPECT_EQ(IsCategoryList(c.select, options), c.isCategoryList) << c.label;
}

INSTANTIATE_TEST_SUITE_P(Selects, CategoryListTest, ::testing::ValuesIn(kCases));

struct ChosenCase
{
    const char* label;
    std::vector<CategoryOption> options;
    int found;
};

void PrintTo(const ChosenCase& c, std::ostream* out)
{
    *out << c.label;
}

// The user chose "Software" (value 7) in the group "Computers".
const CategoryOption kChosen{"Software", "7", "Computers"};

const ChosenCase kChosenCases[] = {
    {"as it was", {{"Arts", "3", ""}, {"Software", "7", "Computers"}}, 1},
    {"renumbered", {{"Arts", "3", ""}, {"Software", "12", "Computers"}}, 1},
    {"renumbered, its value now another's",
     {{"Software", "12", "Computers"}, {"Sports", "7", "Computers"}},
     0},
    {"the same text under another group first",
     {{"Software", "4", "Business"}, {"Software", "7", "Computers"}},
     1},
    {"only under another group", {{"Software", "7", "Business"}}, -1},
    {"renamed", {{"Apps", "7", "Computers"}}, -1},
    {"twice, neither with its value",
     {{"Software", "8", "Computers"}, {"Software", "9", "Computers"}},
     -1},
    {"twice, one with its value",
     {{"Software", "8", "Computers"}, {"Software", "7", "Computers"}},
     1},
    {"now disabled", {{"Software", "", "Computers"}}, -1},
    {"gone", {}, -1},
};

class FindChosenOptionTest : public ::testing::TestWithParam<ChosenCase>
{
};

TEST_P(FindChosenOptionTest, FindsTheUsersOptionAgainOrNone)
{
    const ChosenCase& c = GetParam();
    EXPECT_EQ(FindChosenOption(c.options, kChosen), c.found) << c.label;
}

INSTANTIATE_TEST_SUITE_P(Lists, FindChosenOptionTest, ::testing::ValuesIn(kChosenCases));

} // namespace
