// What recording an event costs the thread that records it. The window's thread calls Record,
// which only queues; writing the same event straight into history.sqlite (WAL, synchronous
// NORMAL) is the baseline the recorder spares it. A file locked by another instance would add
// up to the busy timeout to every direct write, which no figure here shows.
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A fixed count: queueing is so cheap that a timed run would queue millions of events, and
// writing them afterwards would take minutes.
constexpr int kEvents = 20000;

HistoryEvent SampleEvent(int64_t number)
{
    return {1765000000000 + number,
            "Feed 0",
            "RSS Directory " + std::to_string(number % 800),
            HistoryEventKind::Filled,
            7,
            9,
            "http://127.0.0.1:8431/directory/submit.php?cat=12"};
}

// A fresh history file per benchmark, removed afterwards.
class BenchFile
{
public:
    explicit BenchFile(const char* name)
        : m_folder(std::filesystem::temp_directory_path() /
                   ("kestrine-bench-history-" + std::to_string(getpid()) + "-" + name))
    {
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    ~BenchFile() { std::filesystem::remove_all(m_folder); }
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;

    std::string Path() const { return (m_folder / "history.sqlite").string(); }

private:
    std::filesystem::path m_folder;
};

void BM_AppendDirectly(benchmark::State& state)
{
    const BenchFile file("direct");
    CHistoryStore store;
    if (!store.Open(file.Path()).ok) {
        state.SkipWithError("cannot open the history");
        return;
    }
    int64_t number = 0;
    for (auto _ : state) {
        if (!store.Append(SampleEvent(number++)).ok) {
            state.SkipWithError("append failed");
            return;
        }
    }
}
BENCHMARK(BM_AppendDirectly)->Iterations(kEvents)->UseRealTime();

void BM_RecordOnTheRecorder(benchmark::State& state)
{
    const BenchFile file("recorder");
    CHistoryRecorder recorder(file.Path(), [](CHistoryRecorder::Failure, const std::string&) {});
    recorder.WaitUntilIdle();
    int64_t number = 0;
    for (auto _ : state)
        recorder.Record(SampleEvent(number++));
    // The writes themselves are not the caller's time: they finish after the timed loop.
    recorder.WaitUntilIdle();
}
BENCHMARK(BM_RecordOnTheRecorder)->Iterations(kEvents)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
