// What checking many directories costs. The directories' pages are served on the loopback from
// servers at 127.0.0.2, 127.0.0.3, …, one per directory host, each page a form of about 4 KB.
// The check (libcurl's multi interface, 16 transfers, 2 per host, every page parsed and judged)
// is measured against the plainest way of fetching the same pages: 16 threads, each with one
// libcurl handle, reading one host's pages and judging nothing. The check of 50,000 directories
// over 64 hosts reports its cost per directory, compared with that of 2,000 over 16, and how
// far resident memory grows above the targets (the loaded database's share) while it runs.
#include "directory_check/DirectoryCheckRun.h"
#include "directory_check/DirectoryChecker.h"
#include "net/CurlTransfer.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <httplib.h>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kTransfers = 16;

std::string PageHtml()
{
    std::string html = "<html><head><title>Submit your feed</title></head><body><p>";
    while (html.size() < 3800)
        html += "Directory of feeds about everything, sorted by category and language. ";
    return html + "</p><form action=\"/add\" method=\"post\"><input name=\"url\">"
                  "<input name=\"title\"><textarea name=\"desc\"></textarea>"
                  "<select name=\"cat\"><option>1</option></select><input type=\"submit\">"
                  "</form></body></html>";
}

// One directory host: a server on its own loopback address.
class PageHost
{
public:
    explicit PageHost(int number) : m_address("127.0.0." + std::to_string(number + 2))
    {
        static const std::string html = PageHtml();
        m_server.new_task_queue = [] { return new httplib::ThreadPool(4); };
        m_server.Get(R"(/dir/\d+)", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(html, "text/html");
        });
        m_port = m_server.bind_to_any_port(m_address);
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running())
            std::this_thread::yield();
    }

    ~PageHost()
    {
        m_server.stop();
        m_thread.join();
    }

    std::string Url(size_t directory) const
    {
        return "http://" + m_address + ":" + std::to_string(m_port) + "/dir/" +
               std::to_string(directory);
    }

private:
    std::string m_address;
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};

// Directory i lives on host i % hosts, so neighbours in the list are on different servers.
struct Workload
{
    std::vector<std::unique_ptr<PageHost>> hosts;
    std::vector<DirectoryCheckTarget> targets;

    Workload(size_t directories, size_t hostCount)
    {
        for (size_t h = 0; h < hostCount; ++h)
            hosts.push_back(std::make_unique<PageHost>(static_cast<int>(h)));
        targets.reserve(directories);
        for (size_t i = 0; i < directories; ++i) {
            targets.push_back({"RSS Directory " + std::to_string(i),
                               hosts[i % hostCount]->Url(i),
                               {{"url", FieldType::Edit, 0, "#url#"},
                                {"title", FieldType::Edit, 0, "#title#"},
                                {"desc", FieldType::Edit, 0, "#desc#"},
                                {"cat", FieldType::ComboBox, 0, "1"}}});
        }
    }
};

double ResidentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

void BM_CheckDirectories(benchmark::State& state)
{
    const auto directories = static_cast<size_t>(state.range(0));
    const Workload workload(directories, static_cast<size_t>(state.range(1)));
    const double before = ResidentMegabytes();
    double peak = before;
    size_t notOk = 0;
    for (auto _ : state) {
        CDirectoryChecker checker;
        const DirectoryCheckOutcome outcome =
            CDirectoryCheckRun(checker, nullptr)
                .Run(workload.targets, true,
                     [&](const DirectoryCheckProgress& progress, const DirectoryCheckResult& last) {
                         notOk += last.IsOk() ? 0 : 1;
                         if (progress.done % 1000 == 0)
                             peak = std::max(peak, ResidentMegabytes());
                     });
        peak = std::max(peak, ResidentMegabytes());
        benchmark::DoNotOptimize(outcome.results.data());
    }
    if (notOk != 0)
        state.SkipWithError("a directory was not judged ok");
    state.counters["seconds_per_directory"] = benchmark::Counter(
        static_cast<double>(directories),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["rss_growth_mb"] = peak - before;
}
BENCHMARK(BM_CheckDirectories)
    ->Args({2000, 16})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);
BENCHMARK(BM_CheckDirectories)
    ->Args({50000, 64})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// The baseline: 16 threads, thread t fetching the pages of host t with one handle, which keeps
// its connection.
void BM_PlainThreadedFetch(benchmark::State& state)
{
    const auto directories = static_cast<size_t>(state.range(0));
    const Workload workload(directories, kTransfers);
    const CCurlLibrary& library = CCurlLibrary::Shared();
    const DownloadLimits limits = DownloadLimits::ForDirectoryCheck();
    for (auto _ : state) {
        std::vector<std::thread> threads;
        for (size_t t = 0; t < kTransfers; ++t) {
            threads.emplace_back([&, t] {
                const CCurlLibrary::EasyHandle curl = library.EasyInit();
                ApplyTransferOptions(library, curl.get(), limits);
                std::string body;
                library.EasySetopt(curl.get(), CURLOPT_WRITEDATA, &body);
                library.EasySetopt(
                    curl.get(), CURLOPT_WRITEFUNCTION,
                    +[](char* data, size_t size, size_t count, void* user) {
                        static_cast<std::string*>(user)->append(data, size * count);
                        return size * count;
                    });
                for (size_t i = t; i < directories; i += kTransfers) {
                    body.clear();
                    library.EasySetopt(curl.get(), CURLOPT_URL,
                                       workload.targets[i].address.c_str());
                    library.EasyPerform(curl.get());
                    benchmark::DoNotOptimize(body.data());
                }
            });
        }
        for (std::thread& thread : threads)
            thread.join();
    }
}
BENCHMARK(BM_PlainThreadedFetch)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);

} // namespace

BENCHMARK_MAIN();
