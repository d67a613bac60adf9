// From a directory page's document being ready to every one of its ten fields set, over 50
// loads, through the main window's own path; for a form in a frame, from the frame's document
// being ready.
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

// The pages the fill is timed on: a classic form, one that the page sends in the background,
// one in a frame of another site (localhost against 127.0.0.1), one in an open shadow root.
enum class PageKind
{
    Classic,
    BackgroundSend,
    OtherSiteFrame,
    ShadowRoot,
};

std::string Inputs()
{
    std::string inputs = "<form id=\"f\">";
    for (int field = 0; field < kFields; ++field)
        inputs += "<input name=\"f" + std::to_string(field) + "\">";
    return inputs + "<button>Send</button></form>";
}

// The document notes when it is ready and, once the last input under `root` has its value,
// runs `report` with the milliseconds since then, timed by its own clock. A frame may be filled
// while its document is still being read: then it reports 0 once it is ready.
std::string Timing(const std::string& root, const std::string& report)
{
    return "<script>\nvar ready = null, reported = false;\n"
           "function check() {\n"
           "  var root = " +
           root +
           ";\n"
           "  if (ready === null || reported || !Array.from(root.querySelectorAll('input'))\n"
           "      .every(function (i) { return i.value; })) return;\n"
           "  reported = true;\n"
           "  var filled = 'filled ' + (performance.now() - ready).toFixed(3);\n"
           "  " +
           report +
           ";\n"
           "}\n"
           "document.addEventListener('DOMContentLoaded', function () {\n"
           "  ready = performance.now();\n"
           "  (" +
           root +
           ").addEventListener('change', check);\n"
           "  check();\n"
           "});\n</script>";
}

constexpr char kRetitle[] = "document.title = filled";

std::string Page(const std::string& body)
{
    return "<!DOCTYPE html><html><head><title>form</title></head><body>" + body + "</body></html>";
}

std::string FormPage(PageKind kind, const std::string& otherSite)
{
    switch (kind) {
    case PageKind::Classic:
        return Page(Inputs() + Timing("document", kRetitle));
    case PageKind::BackgroundSend:
        return Page(Inputs() + Timing("document", kRetitle) +
                    "<script>document.getElementById('f').addEventListener('submit', "
                    "function (e) { e.preventDefault(); fetch('/send', {method: 'POST', "
                    "body: new FormData(this)}); });</script>");
    case PageKind::OtherSiteFrame:
        return Page("<iframe src=\"" + otherSite +
                    "/framed\" style=\"width:600px;height:300px\"></iframe><script>"
                    "addEventListener('message', function (e) { if (typeof e.data === "
                    "'string' && e.data.startsWith('filled ')) document.title = e.data; });"
                    "</script>");
    case PageKind::ShadowRoot:
        return Page("<feed-form></feed-form><script>customElements.define('feed-form', "
                    "class extends HTMLElement { constructor() { super(); "
                    "this.attachShadow({mode: 'open'}).innerHTML = '" +
                    Inputs() + "'; } });</script>" +
                    Timing("document.querySelector('feed-form').shadowRoot", kRetitle));
    }
    return {};
}

// The frame's form, timed from the frame's own document being ready.
std::string FramedForm()
{
    return Page(Inputs() + Timing("document", "parent.postMessage(filled, '*')"));
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

void BM_FillOnPage(benchmark::State& state, PageKind kind)
{
    LocalHttpServer server;
    server.server.Get("/form", [kind, &server](const httplib::Request&,
                                               httplib::Response& response) {
        response.set_content(FormPage(kind, "http://localhost:" + std::to_string(server.Port())),
                             "text/html");
    });
    server.server.Get("/framed", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(FramedForm(), "text/html");
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

void BM_FillWhenReady(benchmark::State& state)
{
    BM_FillOnPage(state, PageKind::Classic);
}

BENCHMARK(BM_FillWhenReady)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillOnPage, background_send, PageKind::BackgroundSend)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillOnPage, other_site_frame, PageKind::OtherSiteFrame)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillOnPage, shadow_root, PageKind::ShadowRoot)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
