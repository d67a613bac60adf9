// The field classifier on labels of growing length: the time per word stays the same.
#include "page_filling/FieldClassifier.h"

#include <benchmark/benchmark.h>

namespace {

// A label a hostile page could write: the same captions, which all hold keywords, over and over.
FieldDescriptor FieldWithLabelOf(int64_t words)
{
    constexpr const char* kCaptions[] = {"Your", "first", "name", "and", "e-mail", "address"};
    FieldDescriptor field;
    field.tag = "input";
    field.type = "text";
    field.name = "f1";
    for (int64_t i = 0; i < words; ++i)
        field.label += std::string(kCaptions[i % std::size(kCaptions)]) + ' ';
    return field;
}

void BM_ClassifyLongLabel(benchmark::State& state)
{
    const FieldDescriptor field = FieldWithLabelOf(state.range(0));
    const CFieldClassifier classifier;
    for (auto _ : state)
        benchmark::DoNotOptimize(classifier.Classify(field));
    state.counters["seconds_per_word"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_ClassifyLongLabel)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
