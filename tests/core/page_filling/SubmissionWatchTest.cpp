#include "page_filling/SubmissionWatch.h"

#include <gtest/gtest.h>
#include <cctype>
#include <string>
#include <vector>

namespace {

// What the page reports, in order; the last step's answer is the verdict.
struct Step
{
    enum Kind
    {
        Armed,         // the fill of document `generation` set fields in a form
        FormCollected, // `filled`: the form holds a field the fill set
        SubmitEvent,   // a submit event went through on document `generation`
        Navigation,    // leaving document `generation`; `filled` stands for a form submission
    } kind;
    uint64_t generation;
    bool filled = false;
};

struct WatchCase
{
    std::string name;
    std::vector<Step> steps;
    bool counts;
};

void PrintTo(const WatchCase& row, std::ostream* out)
{
    *out << row.name;
}

class SubmissionWatchCases : public testing::TestWithParam<WatchCase>
{
};

TEST_P(SubmissionWatchCases, OnlyTheFilledFormsSubmissionCounts)
{
    CSubmissionWatch watch;
    bool verdict = false;
    for (const Step& step : GetParam().steps) {
        switch (step.kind) {
        case Step::Armed:
            watch.Arm(step.generation);
            break;
        case Step::FormCollected:
            watch.OnFormDataCollected(step.generation, step.filled);
            break;
        case Step::SubmitEvent:
            verdict = watch.CountsSubmitEvent(step.generation, step.filled);
            break;
        case Step::Navigation:
            verdict = watch.CountsNavigation(step.generation, step.filled);
            break;
        }
    }
    EXPECT_EQ(verdict, GetParam().counts);
}

INSTANTIATE_TEST_SUITE_P(
    SubmissionWatch, SubmissionWatchCases,
    testing::Values(
        WatchCase{"filled form leaves the page",
                  {{Step::Armed, 1}, {Step::FormCollected, 1, true}, {Step::Navigation, 1, true}},
                  true},
        WatchCase{"search form beside it leaves the page",
                  {{Step::Armed, 1}, {Step::FormCollected, 1, false}, {Step::Navigation, 1, true}},
                  false},
        WatchCase{"search form read, then the filled form sent",
                  {{Step::Armed, 1},
                   {Step::FormCollected, 1, false},
                   {Step::FormCollected, 1, true},
                   {Step::Navigation, 1, true}},
                  true},
        WatchCase{"filled form read, then a hidden form sent by the page",
                  {{Step::Armed, 1},
                   {Step::FormCollected, 1, true},
                   {Step::FormCollected, 1, false},
                   {Step::Navigation, 1, true}},
                  false},
        WatchCase{"a link leaves the page after the form was read",
                  {{Step::Armed, 1}, {Step::FormCollected, 1, true}, {Step::Navigation, 1, false}},
                  false},
        WatchCase{"a page that was never filled",
                  {{Step::FormCollected, 1, true}, {Step::Navigation, 1, true}},
                  false},
        WatchCase{"a form read on the document before the filled one",
                  {{Step::FormCollected, 1, true}, {Step::Armed, 2}, {Step::Navigation, 2, true}},
                  false},
        WatchCase{"the form's data goes with one navigation only",
                  {{Step::Armed, 1},
                   {Step::FormCollected, 1, true},
                   {Step::Navigation, 1, true},
                   {Step::Navigation, 1, true}},
                  false},
        WatchCase{"submit event of the filled form",
                  {{Step::Armed, 1}, {Step::SubmitEvent, 1, true}},
                  true},
        WatchCase{"submit event of another form",
                  {{Step::Armed, 1}, {Step::SubmitEvent, 1, false}},
                  false},
        WatchCase{"submit event heard after the page moved on",
                  {{Step::Armed, 1}, {Step::SubmitEvent, 2, true}},
                  false}),
    [](const testing::TestParamInfo<WatchCase>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

} // namespace
