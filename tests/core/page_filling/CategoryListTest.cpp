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

} // namespace
