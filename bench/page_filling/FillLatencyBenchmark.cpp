// From a directory page's document being ready to every one of its ten fields set, over 50
// loads, through the main window's own path.
#include "FillLatencyProbe.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

constexpr int kFields = 10;
constexpr int kLoads = 50;

// Ten inputs. The page notes when its document is ready and, once the last input has its
// value, retitles itself "filled <milliseconds since then>", timed by its own clock.
std::string FormPage()
{
    std::string page = "<!DOCTYPE html><html><head><title>form</title></head><body><form>";
    for (int field = 0; field < kFields; ++field)
        page += "<input name=\"f" + std::to_string(field) + "\">";
    return page + R"(</form><script>
var ready = null;
document.addEventListener('DOMContentLoaded', function () { ready = performance.now(); });
document.addEventListener('change', function () {
  if (ready !== null && document.title === 'form' &&
      Array.from(document.querySelectorAll('input')).every(function (i) { return i.value; }))
    document.title = 'filled ' + (performance.now() - ready).toFixed(3);
});
</script></body></html>)";
}

std::string DirectoryDatabase(const std::string& url)
{
    std::string xml = "<?xml version=\"1.0\"?><r><directory name=\"Bench\" submiturl=\"" + url +
                      "\" onsubmit=\"Thanks\">";
    for (int field = 0; field < kFields; ++field) {
        xml += "<item name=\"f" + std::to_string(field) + "\" index=\"0\" value=\"#title# " +
               std::to_string(field) + "\" type=\"edit\"/>";
    }
    return xml + "</directory></r>";
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

double Percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

void BM_FillWhenReady(benchmark::State& state)
{
    LocalHttpServer server;
    server.server.Get("/form", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(FormPage(), "text/html");
    });
    server.server.Get("/updates/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body>Start</body></html>", "text/html");
    });
    server.Start();
    QTemporaryDir folder;
    const std::string dataFolder = folder.path().toStdString() + '/';
    WriteFile(dataFolder + "dirdata.xml", DirectoryDatabase(server.Url("/form")));
    WriteFile(dataFolder + "sv.dat", "Bench\r\n1\r\nBench\r\nhttp://feed.example/rss\r\n"
                                     "Title\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n");

    SubmitterEnvironment environment;
    environment.dataFolder = DataFolder::At(dataFolder);
    environment.vendorHost = server.HostAndPort();
    environment.clock = SystemMilliseconds;
    auto window = std::make_unique<CSubmitterDlg>(environment);
    window->show();
    if (!WaitUntil([&window] { return window->IsDatabaseLoaded(); }, 15000)) {
        state.SkipWithError("the database did not load");
        return;
    }

    std::vector<double> latencies;
    for (auto _ : state) {
        latencies = FillLatencyProbe(*window).Measure(kLoads);
        if (latencies.empty()) {
            state.SkipWithError("a load or a fill did not finish");
            return;
        }
    }
    state.counters["median_ms"] = Percentile(latencies, 0.5);
    state.counters["max_ms"] = Percentile(latencies, 1.0);
}

BENCHMARK(BM_FillWhenReady)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
