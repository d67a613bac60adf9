// Spawns a bare QWebEngineView program (kestrine_startup_baseline) and the real program
// (kestrine_startup_probe) in turn and times each from process start until it reports that it
// is usable and that its start page has loaded. Both load the same start page from a server on 127.0.0.1, offscreen. A second
// benchmark compares the program's resident size after start-up at two database sizes with the
// size of the larger database's parsed document.
#include "directory_db/UntrustedXml.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <httplib.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kProfileCount = 100;
constexpr int kSentPerProfile = 50;

std::string DirectoryName(int index)
{
    return "Directory " + std::to_string(index);
}

// A directory as the real database has them: a variable and a handful of fields.
std::string DirectoryXml(int index)
{
    const std::string name = DirectoryName(index);
    return "<directory name=\"" + name + "\" submiturl=\"http://127.0.0.1:1/submit/" +
           std::to_string(index) +
           "?cat=CATID\" onsubmit=\"Thank you\">"
           "<variable name=\"CATID\"><cond category=\"Business\" value=\"100\"/>"
           "<cond value=\"1\"/></variable>"
           "<item name=\"url\" index=\"0\" value=\"#url#\" type=\"edit\"/>"
           "<item name=\"title\" index=\"0\" value=\"#title#\" type=\"edit\"/>"
           "<item name=\"desc\" index=\"0\" value=\"#desc#\" type=\"edit\"/>"
           "<item name=\"cat\" index=\"0\" value=\"CATID\" type=\"combobox\"/>"
           "<item name=\"email\" index=\"0\" value=\"#email#\" type=\"edit\"/></directory>\n";
}

std::string DirectoryDatabase(int directories)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n";
    for (int index = 0; index < directories; ++index)
        xml += DirectoryXml(index);
    return xml + "</r>\n";
}

// sv.dat with kProfileCount profiles, the first one current, each sent to some directories.
std::string StateFile()
{
    std::string bytes = "Profile 0\r\n" + std::to_string(kProfileCount) + "\r\n";
    for (int profile = 0; profile < kProfileCount; ++profile) {
        const std::string name = "Profile " + std::to_string(profile);
        for (const std::string& field :
             {name, "http://example.com/" + name + ".xml", name + " title", name + " description",
              std::string("Business"), std::string("Marketing"), std::string("news, feeds"),
              std::string("owner@example.com"), std::string("Ann"), std::string("Owner")})
            bytes += field + "\r\n";
        bytes += std::to_string(kSentPerProfile) + "\r\n";
        for (int sent = 0; sent < kSentPerProfile; ++sent)
            bytes += DirectoryName(profile + sent * 7) + "\r\n";
    }
    return bytes;
}

// The vendor's start page, served on 127.0.0.1 for the whole run.
class StartPageServer
{
public:
    StartPageServer()
    {
        m_server.Get("/updates/", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><head><title>Kestrine</title></head>"
                                 "<body><h1>RSS directory updates</h1></body></html>",
                                 "text/html");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~StartPageServer()
    {
        m_server.stop();
        m_thread.join();
    }

    std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(m_port); }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};

StartPageServer& Server()
{
    static StartPageServer server;
    return server;
}

// A program folder with dirdata.xml of `directories` entries and the profiles' sv.dat.
class ProgramFolder
{
public:
    explicit ProgramFolder(int directories)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrine-bench-XXXXXX");
        m_path = std::string(mkdtemp(pattern.data())) + '/';
        std::ofstream(m_path + "dirdata.xml", std::ios::binary) << DirectoryDatabase(directories);
        std::ofstream(m_path + "sv.dat", std::ios::binary) << StateFile();
    }
    ~ProgramFolder() { std::filesystem::remove_all(m_path); }

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

const ProgramFolder& FolderWith(int directories)
{
    static std::map<int, std::unique_ptr<ProgramFolder>> folders;
    auto& folder = folders[directories];
    if (!folder)
        folder = std::make_unique<ProgramFolder>(directories);
    return *folder;
}

// When a program said each of the moments it reports ("<moment> <details>" lines), in seconds
// from its start, with what it said after the moment's name.
struct Moment
{
    double seconds = 0;
    std::string details;
};
using Moments = std::map<std::string, Moment>;

// Spawns `arguments` and notes the moments it reports until it ends; nullopt when it reports
// none. The program's exit is awaited outside the timed span.
std::optional<Moments> MomentsOfLaunch(std::vector<std::string> arguments)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    Moments moments;
    std::string line;
    char byte = 0;
    while (spawned == 0 && read(pipeEnds[0], &byte, 1) == 1) {
        if (byte != '\n') {
            line += byte;
            continue;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        const size_t space = std::min(line.find(' '), line.size());
        moments[line.substr(0, space)] = {elapsed.count(), line.substr(std::min(space + 1, line.size()))};
        line.clear();
    }
    close(pipeEnds[0]);
    if (spawned == 0)
        waitpid(pid, nullptr, 0);
    if (moments.empty())
        return std::nullopt;
    return moments;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Each iteration starts the bare browser and Kestrine one after the other, so that both meet
// the same load on a shared machine; which goes first alternates, as the engine processes of the
// one before may still be ending. The figures are medians of the per-pair ratios: Kestrine
// usable (window mapped, list filled, start page requested) and Kestrine with the start page
// loaded as well, each against the bare view showing the page.
void BM_StartupVersusBareBrowser(benchmark::State& state)
{
    const std::vector<std::string> bare{KESTRINE_STARTUP_BASELINE,
                                        "http://" + Server().HostAndPort() + "/updates/"};
    const std::vector<std::string> kestrine{KESTRINE_STARTUP_PROBE,
                                            FolderWith(static_cast<int>(state.range(0))).Path(),
                                            Server().HostAndPort()};
    std::vector<double> bareMs, usableMs, loadedMs, usableRatios, loadedRatios;
    bool bareFirst = true;
    for (auto _ : state) {
        std::optional<Moments> bareLaunch, kestrineLaunch;
        if (bareFirst) {
            bareLaunch = MomentsOfLaunch(bare);
            kestrineLaunch = MomentsOfLaunch(kestrine);
        } else {
            kestrineLaunch = MomentsOfLaunch(kestrine);
            bareLaunch = MomentsOfLaunch(bare);
        }
        bareFirst = !bareFirst;
        if (!bareLaunch || !bareLaunch->contains("ready") || !kestrineLaunch ||
            !kestrineLaunch->contains("usable") || !kestrineLaunch->contains("ready")) {
            state.SkipWithError("a program did not report ready");
            return;
        }
        const double bareShown = bareLaunch->at("ready").seconds;
        const double usable = kestrineLaunch->at("usable").seconds;
        const double loaded = kestrineLaunch->at("ready").seconds;
        state.SetIterationTime(usable);
        bareMs.push_back(bareShown * 1000);
        usableMs.push_back(usable * 1000);
        loadedMs.push_back(loaded * 1000);
        usableRatios.push_back(usable / bareShown);
        loadedRatios.push_back(loaded / bareShown);
    }
    state.counters["bare_ms"] = Median(bareMs);
    state.counters["usable_ms"] = Median(usableMs);
    state.counters["loaded_ms"] = Median(loadedMs);
    state.counters["ratio"] = Median(usableRatios);
    state.counters["loaded_ratio"] = Median(loadedRatios);
}

// Resident size of the program once ready, in MB, as the probe reports it ("ready <kB>").
std::optional<double> ResidentMbAfterStartup(int directories)
{
    const std::optional<Moments> launch = MomentsOfLaunch(
        {KESTRINE_STARTUP_PROBE, FolderWith(directories).Path(), Server().HostAndPort()});
    if (!launch || !launch->contains("ready") || launch->at("ready").details.empty())
        return std::nullopt;
    return std::stod(launch->at("ready").details) / 1024;
}

// Heap taken by the parsed document of a database of `directories`, in MB.
double ParsedDocumentMb(int directories)
{
    const std::string xml = DirectoryDatabase(directories);
    const struct mallinfo2 before = mallinfo2();
    XmlDocumentPtr doc = ParseUntrustedXml(xml);
    const struct mallinfo2 after = mallinfo2();
    const auto taken =
        static_cast<double>((after.uordblks + after.hblkhd) - (before.uordblks + before.hblkhd));
    return doc ? taken / (1024 * 1024) : 0;
}

// What a database of 50,000 directories adds to the resident size, against its parsed
// document: the program should hold little beyond the document itself.
void BM_StartupMemory(benchmark::State& state)
{
    constexpr int kSmall = 500;
    constexpr int kLarge = 50000;
    std::vector<double> small, large;
    for (auto _ : state) {
        const std::optional<double> smallMb = ResidentMbAfterStartup(kSmall);
        const std::optional<double> largeMb = ResidentMbAfterStartup(kLarge);
        if (!smallMb || !largeMb) {
            state.SkipWithError("the program did not report its size");
            return;
        }
        small.push_back(*smallMb);
        large.push_back(*largeMb);
    }
    const double growth = Median(large) - Median(small);
    const double parsed = ParsedDocumentMb(kLarge);
    state.counters["rss_growth_mb"] = growth;
    state.counters["parsed_document_mb"] = parsed;
    state.counters["ratio"] = growth / parsed;
}

void SetUpHeadlessEnvironment()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The browser engine refuses its sandbox as root.
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
}

} // namespace

BENCHMARK(BM_StartupVersusBareBrowser)
    ->Arg(500)
    ->Arg(5000)
    ->Arg(50000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

BENCHMARK(BM_StartupMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    SetUpHeadlessEnvironment();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
