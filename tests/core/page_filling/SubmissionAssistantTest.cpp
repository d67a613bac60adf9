#include "page_filling/DirectoryFilter.h"
#include "page_filling/FillReport.h"
#include "page_filling/NextUnsent.h"
#include "page_filling/SentFlags.h"
#include "page_filling/SubmissionProgress.h"
#include "profiles/SentSet.h"

#include <gtest/gtest.h>

namespace {

struct FillCase
{
    const char* label;
    FillReport report;
    std::string text;
    bool warning;
};

class FillReportText : public testing::TestWithParam<FillCase>
{
};

TEST_P(FillReportText, SaysWhatWasFilledAndWhatIsMissing)
{
    const StatusMessage message = DescribeFill(GetParam().report);
    EXPECT_EQ(message.text, GetParam().text);
    EXPECT_EQ(message.warning, GetParam().warning);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, FillReportText,
    testing::Values(
        FillCase{
            "all", {9, 9, {}, true}, "Filled 9 of 9 fields \u00b7 nothing left for you", false},
        FillCase{"missing",
                 {9, 7, {"tags", "email"}, true},
                 "Filled 7 of 9 fields \u00b7 not found: tags, email \u00b7 nothing left for you",
                 false},
        FillCase{"sameNameTwice",
                 {4, 2, {"tag", "tag"}, true},
                 "Filled 2 of 4 fields \u00b7 not found: tag \u00b7 nothing left for you",
                 false},
        FillCase{"noForm",
                 {2, 1, {"url"}, false},
                 "Filled 1 of 2 fields \u00b7 not found: url \u00b7 the submission will not be "
                 "noticed \u00b7 nothing left for you",
                 false},
        // Required fields come first from the page; two fields of one caption are one answer.
        FillCase{"leftForUser",
                 {6,
                  6,
                  {},
                  true,
                  false,
                  {"Type the word in the picture", "I agree to the terms", "Category", "Category"}},
                 "Filled 6 of 6 fields \u00b7 left for you: Type the word in the picture, I agree "
                 "to the terms, Category",
                 false},
        FillCase{"frame",
                 {2, 2, {}, true, false, {}, "forms.example.net", "https://forms.example.net"},
                 "Filled 2 of 2 fields \u00b7 in a frame of forms.example.net \u00b7 nothing left "
                 "for you",
                 false},
        FillCase{"none",
                 {3, 0, {"a", "b", "c"}, false},
                 "No field of this directory was found on the page",
                 true},
        FillCase{"closedComponents",
                 {2, 0, {"a", "b"}, false, true},
                 "No field of this directory was found on the page \u00b7 its form may be inside "
                 "components whose fields cannot be reached",
                 true},
        FillCase{"noRules",
                 {0, 0, {}, false},
                 "No field of this directory was found on the page",
                 true}),
    [](const testing::TestParamInfo<FillCase>& info) { return info.param.label; });

TEST(SubmissionProgress, CountsAndNamesTheProfile)
{
    EXPECT_EQ(DescribeProgress(12, 48, "Blog"), "12 of 48 directories sent for Blog");
    EXPECT_EQ(DescribeNothingUnsent("Blog", false), "Every directory is sent for Blog");
    EXPECT_EQ(DescribeNothingUnsent("Blog", true), "No directory shown is unsent for Blog");
    EXPECT_EQ(DescribeNothingUnsent("Blog", true, true),
              "The directories still unsent for Blog were found dead by the last check");
}

struct NextCase
{
    const char* label;
    std::vector<uint8_t> sent;
    std::optional<size_t> selected;
    std::vector<uint8_t> shown; // empty: every row shown
    std::optional<size_t> next;
};

class NextUnsentOrder : public testing::TestWithParam<NextCase>
{
};

TEST_P(NextUnsentOrder, PicksTheFirstUnsentAfterTheSelection)
{
    const NextCase& row = GetParam();
    const auto shown = [&row](size_t index) { return row.shown.empty() || row.shown[index]; };
    EXPECT_EQ(NextUnsent(row.sent, row.selected, shown), row.next);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, NextUnsentOrder,
    testing::Values(NextCase{"nothingSelected", {1, 0, 0}, std::nullopt, {}, 1},
                    NextCase{"afterSelection", {0, 1, 0, 0}, 0, {}, 2},
                    NextCase{"wraps", {0, 1, 1, 1}, 2, {}, 0},
                    NextCase{"selectedItselfLast", {1, 0, 1}, 1, {}, 1},
                    NextCase{"allSent", {1, 1, 1}, 1, {}, std::nullopt},
                    NextCase{"empty", {}, std::nullopt, {}, std::nullopt},
                    NextCase{"filterSkipsHidden", {0, 0, 0, 0}, 0, {1, 0, 0, 1}, 3},
                    NextCase{"filterHidesAllUnsent", {0, 1, 0}, 1, {0, 1, 0}, std::nullopt},
                    NextCase{"selectionBeyondEnd", {0, 0}, 7, {}, 0}),
    [](const testing::TestParamInfo<NextCase>& info) { return info.param.label; });

struct FilterCase
{
    const char* label;
    std::string search;
    bool unsentOnly;
    std::string name;
    bool sent;
    bool accepted;
};

class DirectoryFilterMatch : public testing::TestWithParam<FilterCase>
{
};

TEST_P(DirectoryFilterMatch, MatchesSubstringsWithoutRegardToCase)
{
    const FilterCase& row = GetParam();
    EXPECT_EQ(CDirectoryFilter(row.search, row.unsentOnly).Accepts(row.name, row.sent),
              row.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Matches, DirectoryFilterMatch,
    testing::Values(FilterCase{"empty", "", false, "Feeds", true, true},
                    FilterCase{"substring", "eed", false, "Feeds Today", false, true},
                    FilterCase{"otherCase", "FEEDS t", false, "Feeds Today", false, true},
                    FilterCase{"absent", "blog", false, "Feeds Today", false, false},
                    FilterCase{"latin1", "\u00c9t\u00c9", false, "L'\u00e9t\u00e9", false, true},
                    FilterCase{"latinExtended", "\u0141\u00d3D\u0179", false, "\u0142\u00f3d\u017a",
                               false, true},
                    FilterCase{"cyrillic", "\u041d\u041e\u0412", false, "\u043d\u043e\u0432", false,
                               true},
                    FilterCase{"noFalseFold", "\u0131", false, "i", false, false},
                    FilterCase{"unsentOnlyHidesSent", "", true, "Feeds", true, false},
                    FilterCase{"unsentOnlyShowsUnsent", "fee", true, "Feeds", false, true},
                    FilterCase{"strayBytes", "\xff", false, "a\xff", false, true},
                    FilterCase{"strayByteIsNoLetter", "\xc3", false, "\u00c3", false, false}),
    [](const testing::TestParamInfo<FilterCase>& info) { return info.param.label; });

TEST(DirectoryFilter, ActiveOnlyWhenItHidesSomething)
{
    EXPECT_FALSE(CDirectoryFilter().IsActive());
    EXPECT_FALSE(CDirectoryFilter("", false).IsActive());
    EXPECT_TRUE(CDirectoryFilter("a", false).IsActive());
    EXPECT_TRUE(CDirectoryFilter("", true).IsActive());
}

// Marks as the store's IsSent answers: exact names, any profile of the name.
TEST(SentFlags, MarkExactNamesOfEveryProfileOfTheName)
{
    const std::vector<std::string> names{"A", "A Extra", "a", "B", "A"};
    const CSentSet first{"A", "Gone"};
    const CSentSet second{"B"};
    EXPECT_EQ(SentFlags(names, {&first}), (std::vector<uint8_t>{1, 0, 0, 0, 1}));
    EXPECT_EQ(SentFlags(names, {&first, &second}), (std::vector<uint8_t>{1, 0, 0, 1, 1}));
    EXPECT_EQ(SentFlags(names, {}), (std::vector<uint8_t>(5, 0)));
}

} // namespace
