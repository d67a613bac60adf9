// Chooses an option of every annotated category list for every profile and reports the shares
// of right, wrong and left choices (targets: at least 85 % right, at most 2 % wrong), each
// wrong or left case on the error stream, and the time a list takes.
#include "support/CategoryScorecard.h"

#include <array>
#include <benchmark/benchmark.h>
#include <iostream>

namespace {

const CategoryScorecardSet& Set()
{
    static const CategoryScorecardSet set = ReadCategoryScorecard(KESTRINE_CATEGORY_LISTS);
    return set;
}

void PrintMiss(const CategoryCase& sample, const CategoryChoice& choice, CategoryVerdict verdict)
{
    std::cerr << (verdict == CategoryVerdict::Wrong ? "wrong " : "left  ") << sample.list << " / "
              << sample.profile;
    if (choice.IsChosen())
        std::cerr << ": \"" << sample.options[static_cast<size_t>(choice.option)].text << '"';
    std::cerr << '\n';
}

// How many choices were right, wrong and left; the misses are printed the first time.
std::array<int, 3> Verdicts(const CategoryScorecardSet& set)
{
    static const std::array<int, 3> counts = [&set] {
        std::array<int, 3> counted{};
        for (const CategoryCase& sample : set.cases) {
            const CategoryChoice choice = ChooseCategory(sample.options, sample.profileTexts);
            const CategoryVerdict verdict = JudgeCategoryChoice(sample, choice);
            ++counted[static_cast<size_t>(verdict)];
            if (verdict != CategoryVerdict::Right)
                PrintMiss(sample, choice, verdict);
        }
        return counted;
    }();
    return counts;
}

void BM_CategoryScorecard(benchmark::State& state)
{
    const CategoryScorecardSet& set = Set();
    if (!set.errors.empty() || set.cases.empty()) {
        state.SkipWithError("the annotated category lists cannot be read");
        return;
    }
    const std::array<int, 3> counts = Verdicts(set);
    for (auto _ : state) {
        for (const CategoryCase& sample : set.cases)
            benchmark::DoNotOptimize(ChooseCategory(sample.options, sample.profileTexts));
    }
    const double total = static_cast<double>(set.cases.size());
    state.counters["cases"] = total;
    state.counters["right_percent"] = 100.0 * counts[0] / total;
    state.counters["wrong_percent"] = 100.0 * counts[1] / total;
    state.counters["left_percent"] = 100.0 * counts[2] / total;
    // The targets' tool knows upper limits only: at least 85 % right is at most 15 % not.
    state.counters["not_right_percent"] = 100.0 * (counts[1] + counts[2]) / total;
    state.counters["seconds_per_list"] = benchmark::Counter(
        total, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_CategoryScorecard)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
