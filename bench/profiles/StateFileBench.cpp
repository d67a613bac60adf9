// sv.dat with 1,000 profiles of 500 sent names each: the atomic save against a plain write and
// fsync of the same bytes, and the load against reading the same lines with std::getline. Both
// loads free what they built outside the timed part: the measure is reading, not tearing down.
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kProfiles = 1000;
constexpr int kSentPerProfile = 500;
constexpr int kDirectories = 800;

CProfileStore MakeStore()
{
    CProfileStore store;
    for (int p = 0; p < kProfiles; ++p) {
        const std::string number = std::to_string(p);
        ProfileRecord profile{"Feed " + number,
                              "http://feeds.example.org/" + number + "/rss.xml",
                              "The feed number " + number,
                              "A description of the feed, long enough to be realistic.",
                              "Technology",
                              "Software",
                              "rss, feeds, news",
                              "owner" + number + "@example.org",
                              "Ann",
                              "Example",
                              {}};
        for (int d = 0; d < kSentPerProfile; ++d)
            profile.sent.insert("RSS Directory " + std::to_string((p + d * 7) % kDirectories));
        store.AddProfile(profile);
    }
    return store;
}

// One store, its file and its bytes, shared by every benchmark of the run.
struct Scene
{
    Scene()
        : folder(std::filesystem::temp_directory_path() /
                 ("kestrine-bench-profiles-" + std::to_string(getpid()))),
          path((folder / "sv.dat").string())
    {
        std::filesystem::create_directories(folder);
        std::ostringstream out;
        out << "Feed 0\r\n";
        MakeStore().SaveProfiles(out);
        bytes = out.str();
        std::ofstream(path, std::ios::binary) << bytes;
        // The program saves the store it read at start-up, so the benchmark does the same.
        std::string currentName;
        state_file::Load(path, currentName, store);
    }
    ~Scene() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string path;
    CProfileStore store;
    std::string bytes;
};

Scene& TheScene()
{
    static Scene scene;
    return scene;
}

void BM_SaveStateFile(benchmark::State& state)
{
    Scene& scene = TheScene();
    for (auto _ : state) {
        const WriteOutcome outcome = state_file::Save(scene.path, "Feed 0", scene.store);
        if (!outcome.ok)
            state.SkipWithError(outcome.error.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(scene.bytes.size()));
}

void BM_PlainWriteAndFsync(benchmark::State& state)
{
    Scene& scene = TheScene();
    const std::string plainPath = scene.path + ".plain";
    for (auto _ : state) {
        const int fd = open(plainPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool ok = fd >= 0 &&
                        write(fd, scene.bytes.data(), scene.bytes.size()) ==
                            static_cast<ssize_t>(scene.bytes.size()) &&
                        fsync(fd) == 0;
        if (fd >= 0)
            close(fd);
        if (!ok)
            state.SkipWithError("plain write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(scene.bytes.size()));
}

void BM_LoadStateFile(benchmark::State& state)
{
    Scene& scene = TheScene();
    for (auto _ : state) {
        std::string currentName;
        CProfileStore store;
        if (!state_file::Load(scene.path, currentName, store))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(store);
        state.PauseTiming();
        store = CProfileStore();
        state.ResumeTiming();
    }
}

void BM_GetlineIntoVector(benchmark::State& state)
{
    Scene& scene = TheScene();
    for (auto _ : state) {
        std::ifstream in(scene.path, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        benchmark::DoNotOptimize(lines);
        state.PauseTiming();
        lines = std::vector<std::string>();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_SaveStateFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWriteAndFsync)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadStateFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GetlineIntoVector)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
