// Choosing a category list's option by meaning: the annotated lists never get a wrong pick, and
// the rules a person relies on hold (no catch-all, no placeholder, nothing when in doubt).
#include "page_filling/CategoryChooser.h"

#include "support/CategoryScorecard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::IsEmpty;

// Beside the type, for GoogleTest to name the case.
void PrintTo(const CategoryCase& sample, std::ostream* out)
{
    *out << sample.list << " / " << sample.profile;
}

namespace {

const CategoryScorecardSet& Scorecard()
{
    static const CategoryScorecardSet set = ReadCategoryScorecard(KESTRINE_CATEGORY_LISTS);
    return set;
}

TEST(CategoryScorecardTest, ListsAreReadWithoutFault)
{
    EXPECT_THAT(Scorecard().errors, IsEmpty());
    EXPECT_GE(Scorecard().lists.size(), 20u);
    EXPECT_GE(Scorecard().cases.size(), 20u * 8u);
}

class CategoryScorecardCaseTest : public ::testing::TestWithParam<CategoryCase>
{
};

TEST_P(CategoryScorecardCaseTest, NeverChoosesAWrongOption)
{
    const CategoryCase& sample = GetParam();
    const CategoryChoice choice = ChooseCategory(sample.options, sample.profileTexts);
    EXPECT_NE(JudgeCategoryChoice(sample, choice), CategoryVerdict::Wrong)
        << "chose \"" << sample.options[static_cast<size_t>(choice.option)].text << "\"";
}

INSTANTIATE_TEST_SUITE_P(AnnotatedLists, CategoryScorecardCaseTest,
                         ::testing::ValuesIn(Scorecard().cases), [](const auto& info) {
                             std::string name = info.param.list + "_" + info.param.profile;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

struct ChoiceCase
{
    const char* label;
    std::vector<CategoryOption> options;
    CategoryProfile profile;
    int expected; // the option's position, -1 for none
};

std::vector<CategoryOption> Flat(std::initializer_list<const char*> texts)
{
    std::vector<CategoryOption> options;
    for (const char* text : texts)
        options.push_back({text, text, {}});
    return options;
}

const ChoiceCase kChoiceCases[] = {
    {"a catch-all is not chosen for a topic it lacks",
     Flat({"Arts", "Sports", "Other"}),
     {"Information Technology", "Software"},
     -1},
    {"a catch-all is chosen when the profile says so",
     Flat({"Arts", "Sports", "Sonstiges"}),
     {"Other"},
     2},
    {"a child of a catch-all group is no catch-all",
     Flat({"Sports", "Other > Technology", "Other"}),
     {"Information Technology", "Software"},
     1},
    {"the child \"Other\" of a fitting parent is a catch-all",
     Flat({"Arts", "Sports > Other"}),
     {"Sports", "Running"},
     -1},
    {"an option without value is never chosen",
     {{"Software", "", {}}, {"Arts", "1", {}}},
     {"Information Technology", "Software"},
     -1},
    {"a placeholder that names the topic's list is never chosen",
     Flat({"-- Select a category --", "Arts"}),
     {"Select a category"},
     -1},
    {"the profile's own text wins over a broader topic",
     Flat({"Business", "Financial Services"}),
     {"Financial Services"},
     1},
    {"the subcategory chooses within the category's group",
     {{"Software", "1", "Business"},
      {"Software", "2", "Computers"},
      {"Hardware", "3", "Computers"}},
     {"Information Technology", "Software"},
     1},
    {"a broader topic is taken when the list lacks the profile's own",
     Flat({"Technology", "Food", "Travel"}),
     {"Information Technology", "Software"},
     0},
    {"a narrower topic is never taken for the profile's broader one",
     Flat({"Running", "Football", "Tennis"}),
     {"Sports"},
     -1},
    {"two options equally right leave the list",
     Flat({"Computers", "Technology"}),
     {"Information Technology"},
     -1},
    {"the longest phrase decides: computer games are games",
     Flat({"Computer Games", "Computers"}),
     {"Information Technology"},
     1},
    {"tags speak only where the category names no topic",
     Flat({"Sports", "Recipes"}),
     {"", "", "recipes, baking"},
     1},
    {"the category outweighs the tags",
     Flat({"Sports", "Recipes"}),
     {"Sports", "", "recipes, baking"},
     0},
    {"a category in another language",
     Flat({"Informatique", "Cuisine", "Sports"}),
     {"Kochrezepte"},
     1},
    {"a profile with no category, tags or title leaves the list",
     Flat({"Arts", "Business"}),
     {},
     -1},
};

void PrintTo(const ChoiceCase& c, std::ostream* out)
{
    *out << c.label;
}

class ChooseCategoryTest : public ::testing::TestWithParam<ChoiceCase>
{
};

TEST_P(ChooseCategoryTest, ChoosesTheOptionAPersonWould)
{
    const ChoiceCase& sample = GetParam();
    const CategoryChoice choice = ChooseCategory(sample.options, sample.profile);
    EXPECT_EQ(choice.option, sample.expected) << sample.label;
    EXPECT_EQ(choice.IsChosen(), choice.confidence > 0.0) << sample.label;
}

INSTANTIATE_TEST_SUITE_P(Rules, ChooseCategoryTest, ::testing::ValuesIn(kChoiceCases));

} // namespace
