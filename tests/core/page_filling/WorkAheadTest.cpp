#include "page_filling/NextUnsent.h"
#include "page_filling/ReadyTabPlan.h"

#include <gtest/gtest.h>

namespace {

struct RunCase
{
    const char* label;
    std::vector<uint8_t> sent;
    std::optional<size_t> selected;
    std::vector<uint8_t> shown; // empty: every directory shown
    size_t count;
    std::vector<size_t> run;
};

class NextUnsentRunOrder : public testing::TestWithParam<RunCase>
{
};

TEST_P(NextUnsentRunOrder, GoesOnAsNextUnsentWouldWithoutComingBack)
{
    const RunCase& row = GetParam();
    const auto shown = [&row](size_t index) { return row.shown.empty() || row.shown[index]; };
    EXPECT_EQ(NextUnsentRun(row.sent, row.selected, shown, row.count), row.run);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, NextUnsentRunOrder,
    testing::Values(RunCase{"afterSelection", {0, 0, 0, 0, 0}, 1, {}, 2, {2, 3}},
                    RunCase{"skipsSent", {0, 0, 1, 0, 1, 0}, 0, {}, 2, {1, 3}},
                    RunCase{"skipsHidden", {0, 0, 0, 0}, 0, {1, 0, 1, 1}, 2, {2, 3}},
                    RunCase{"wrapsButNeverToTheSelected", {0, 0, 0}, 1, {}, 5, {2, 0}},
                    RunCase{
                        "nothingSelectedStartsAtTheTop", {1, 0, 0}, std::nullopt, {}, 5, {1, 2}},
                    RunCase{"noneWanted", {0, 0}, 0, {}, 0, {}},
                    RunCase{"allSent", {1, 1, 1}, 1, {}, 2, {}}),
    [](const testing::TestParamInfo<RunCase>& info) { return info.param.label; });

struct PlanCase
{
    const char* label;
    std::vector<std::string> held;
    std::vector<std::string> wanted;
    std::vector<ReadyTabPlan::Reuse> reuse;
    std::vector<std::string> open;
    std::vector<size_t> close;
};

class ReadyTabPlanning : public testing::TestWithParam<PlanCase>
{
};

TEST_P(ReadyTabPlanning, LoadsEachWantedDirectoryOnceAndReusesTabsNoLongerWanted)
{
    const PlanCase& row = GetParam();
    const ReadyTabPlan plan = PlanReadyTabs(row.held, row.wanted);
    EXPECT_EQ(plan.reuse, row.reuse);
    EXPECT_EQ(plan.open, row.open);
    EXPECT_EQ(plan.close, row.close);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, ReadyTabPlanning,
    testing::Values(PlanCase{"fromNothing", {}, {"B", "C"}, {}, {"B", "C"}, {}},
                    PlanCase{"movedOnByOne", {"B", "C"}, {"C", "D"}, {{0, "D"}}, {}, {}},
                    PlanCase{"allStillWanted", {"B", "C"}, {"B", "C"}, {}, {}, {}},
                    PlanCase{"markedMeanwhileIsReused", {"B", "C"}, {"B", "D"}, {{1, "D"}}, {}, {}},
                    PlanCase{"turnedOff", {"B", "C"}, {}, {}, {}, {0, 1}},
                    PlanCase{"fewerWanted", {"B", "C", "D"}, {"D"}, {}, {}, {0, 1}},
                    PlanCase{"moreWanted", {"C"}, {"B", "C", "D"}, {}, {"B", "D"}, {}},
                    PlanCase{"twiceHeldIsSpare", {"B", "B"}, {"B", "C"}, {{1, "C"}}, {}, {}}),
    [](const testing::TestParamInfo<PlanCase>& info) { return info.param.label; });

} // namespace
