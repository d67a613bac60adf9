// Working ahead: the memory of the process tree with 0, 2 and 4 directories kept ready (first,
// before the other windows have grown the process); then a user going through ten slow
// directory sites with Next unsent, each page and each result page taking 1.5 s to come, with
// no directory kept ready (the program as it was) and with the default two; and a user doing the
// same with the keyboard alone, on forms that ask for a word from a picture and some for "I
// agree".
#include "KeyboardUser.h"
#include "ProcessTreeMemory.h"
#include "ScriptedUser.h"
#include "SlowDirectorySites.h"
#include "profiles/ProfileStore.h"
#include "support/BrowserDriver.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "ui/tabs/BrowserTabs.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kAnswerDelayMs = 1500;
constexpr int kDirectoriesWorked = 10;
// Beyond the tenth, the program keeps up to four more ready.
constexpr int kSites = kDirectoriesWorked + 4;
// The last result is read 3 s after its submission, once its page has come.
constexpr int kResultsTimeoutMs = 30000;
constexpr int kReadyTimeoutMs = 20000;
// A finished tab the user has left closes itself at the next ticks.
constexpr int kFinishedTabsCloseMs = 1000;
constexpr char kProfile[] = "Bench";

double Seconds(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// The main window over the slow sites, with its start page shown, set to keep `readyTabs`
// directories ready; with `askUser`, the sites' forms ask for the user's own answers.
class WorkAheadWindow
{
public:
    explicit WorkAheadWindow(int readyTabs, bool askUser = false)
        : m_sites(kSites, kAnswerDelayMs, askUser)
    {
        m_environment.Start();
        m_environment.WriteProgramFile("dirdata.xml", m_sites.DirectoryDatabase());
        m_environment.WriteProgramFile("sv.dat", StateFileLines({kProfile, "1"}) +
                                                     ProfileBlock(kProfile, "Business"));
        m_environment.SetReadyTabs(readyTabs);
        SubmitterEnvironment environment = m_environment.Environment();
        // The result check waits for 3 s of real time.
        environment.clock = SystemMilliseconds;
        m_window = std::make_unique<CSubmitterDlg>(environment);
        m_window->show();
        m_window->activateWindow();
        m_opened = QTest::qWaitForWindowActive(m_window.get()) &&
                   Inspect(*m_window).WaitForDatabase() &&
                   BrowserDriver(*Inspect(*m_window).Browser()).WaitUntilComplete();
        if (m_opened)
            m_user.emplace(*m_window, readyTabs);
    }

    CSubmitterDlg& Window() const { return *m_window; }
    bool Opened() const { return m_opened; }
    ScriptedUser& User() { return *m_user; }

    const SlowDirectorySites& Sites() const { return m_sites; }

    // How many of the first `count` directories sv.dat holds as sent for the profile.
    int MarkedSent(int count) const
    {
        std::istringstream file(m_environment.ReadProgramFile("sv.dat").value_or(""));
        std::string currentName;
        std::getline(file, currentName); // the profile section follows the first line
        CProfileStore store;
        if (!store.LoadProfiles(file))
            return 0;
        int marked = 0;
        for (int index = 0; index < count; ++index)
            marked += store.IsSent(kProfile, SlowDirectorySites::Name(index));
        return marked;
    }

private:
    SlowDirectorySites m_sites;
    SubmitterTestEnvironment m_environment;
    // Destroyed first: it talks to the sites and the recorders to the end.
    std::unique_ptr<CSubmitterDlg> m_window;
    bool m_opened = false;
    std::optional<ScriptedUser> m_user;
};

// The window for the benchmark's setting of directories kept ready; null, with the benchmark
// skipped, when it never showed its start page.
std::unique_ptr<WorkAheadWindow> OpenWindow(benchmark::State& state, bool askUser = false)
{
    auto bench = std::make_unique<WorkAheadWindow>(static_cast<int>(state.range(0)), askUser);
    if (bench->Opened())
        return bench;
    state.SkipWithError("the window did not show its start page");
    return nullptr;
}

struct WorkThrough
{
    std::vector<double> waits; // from each Next unsent to its page on screen, filled
    double tenSubmitted = 0;   // from the first Next unsent to the tenth page submitted
    double resultsRead = 0;    // from the first Next unsent to every result read
    int finishedTabsLeftOpen = 0;
    std::string failure;
};

WorkThrough WorkThroughTenDirectories(ScriptedUser& user)
{
    WorkThrough run;
    QElapsedTimer clock;
    clock.start();
    for (int directory = 1; directory <= kDirectoriesWorked; ++directory) {
        const std::optional<double> wait = user.NextUnsent();
        if (!wait) {
            run.failure = "directory " + std::to_string(directory) + " never showed filled";
            return run;
        }
        run.waits.push_back(*wait);
        if (!user.Submit()) {
            run.failure = "directory " + std::to_string(directory) + " was never submitted";
            return run;
        }
    }
    run.tenSubmitted = Seconds(clock);
    if (!user.WaitForResults(kResultsTimeoutMs))
        run.failure =
            "results were still pending after " + std::to_string(kResultsTimeoutMs) + " ms";
    run.resultsRead = Seconds(clock);
    run.finishedTabsLeftOpen = user.FinishedTabsLeftOpen(kFinishedTabsCloseMs);
    return run;
}

// The median wait of directories 2 to 6: the first has nothing ready before it.
double MedianWaitOfTwoToSix(const std::vector<double>& waits)
{
    std::vector<double> middle(waits.begin() + 1, waits.begin() + 6);
    std::nth_element(middle.begin(), middle.begin() + 2, middle.end());
    return middle[2];
}

// The whole process tree's resident memory once the shown directory and the ones kept ready
// have loaded and been filled.
void BM_ReadyTabsMemory(benchmark::State& state)
{
    const std::unique_ptr<WorkAheadWindow> bench = OpenWindow(state);
    if (!bench)
        return;
    ScriptedUser& user = bench->User();
    ProcessTreeMemory memory;
    for (auto _ : state) {
        if (!user.NextUnsent() || !user.WaitForReadyTabs(kReadyTimeoutMs)) {
            state.SkipWithError("the directories kept ready never loaded");
            break;
        }
        memory = MeasureProcessTree(getpid());
    }
    state.counters["rss_mb"] = memory.residentMb;
    state.counters["pss_mb"] = memory.proportionalMb;
    state.counters["processes"] = memory.processes;
    state.counters["tabs"] = static_cast<double>(Inspect(bench->Window()).Tabs()->Tabs().size());
}
BENCHMARK(BM_ReadyTabsMemory)->Arg(0)->Arg(2)->Arg(4)->Iterations(1)->Repetitions(1);

// The iteration's time is the user's: from the first Next unsent to the tenth page submitted.
// Reading the last results afterwards costs the user nothing; it is a counter of its own.
void BM_WorkAhead(benchmark::State& state)
{
    const std::unique_ptr<WorkAheadWindow> bench = OpenWindow(state);
    if (!bench)
        return;
    ScriptedUser& user = bench->User();
    WorkThrough run;
    for (auto _ : state) {
        run = WorkThroughTenDirectories(user);
        if (!run.failure.empty()) {
            state.SkipWithError(run.failure.c_str());
            break;
        }
        state.SetIterationTime(run.tenSubmitted);
    }
    if (!run.failure.empty())
        return;
    const int marked = bench->MarkedSent(kDirectoriesWorked);
    state.counters["median_wait_s"] = MedianWaitOfTwoToSix(run.waits);
    state.counters["first_wait_s"] = run.waits.front();
    state.counters["slowest_wait_s"] = *std::max_element(run.waits.begin() + 1, run.waits.end());
    state.counters["ten_directories_s"] = run.tenSubmitted;
    state.counters["results_read_s"] = run.resultsRead;
    state.counters["marked_sent"] = marked;
    state.counters["not_marked_sent"] = kDirectoriesWorked - marked;
    state.counters["tabs_over_limit"] = user.MostTabsOverLimit();
    state.counters["finished_tabs_left_open"] = run.finishedTabsLeftOpen;
    state.counters["pages_loaded_twice"] = bench->Sites().RepeatedPageLoads();
    state.counters["unasked_submissions"] = bench->Sites().Submissions() - kDirectoriesWorked;
    state.counters["unfilled_pages"] = user.UnfilledPages();
    state.counters["lost_clicks"] = user.LostClicks();
}
BENCHMARK(BM_WorkAhead)
    ->Arg(0)
    ->Arg(2)
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// The keyboard round over the ten directories. The iteration's time is the user's, from the
// first Ctrl+N to the tenth page submitted; the figures are the keys the user pressed besides
// the answers, per directory, and the wait from Ctrl+N to the caret in the field.
void BM_KeyboardRound(benchmark::State& state)
{
    const std::unique_ptr<WorkAheadWindow> bench = OpenWindow(state, true);
    if (!bench)
        return;
    KeyboardUser user(bench->Window());
    std::vector<double> waits;
    std::string failure;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        for (int directory = 0; directory < kDirectoriesWorked && failure.empty(); ++directory) {
            const std::optional<double> wait = user.NextUnsent();
            if (!wait)
                failure = "no caret in directory " + std::to_string(directory + 1);
            else if (!user.Answer(SlowDirectorySites::Word(directory),
                                  SlowDirectorySites::AsksAgreement(directory)))
                failure = "directory " + std::to_string(directory + 1) + " was never submitted";
            else
                waits.push_back(*wait);
        }
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
            return;
        }
        state.SetIterationTime(Seconds(clock));
    }
    if (!bench->User().WaitForResults(kResultsTimeoutMs)) {
        state.SkipWithError("results were still pending");
        return;
    }
    const int marked = bench->MarkedSent(kDirectoriesWorked);
    state.counters["keys_per_directory"] =
        static_cast<double>(user.KeysPressed()) / kDirectoriesWorked;
    state.counters["marked_sent"] = marked;
    state.counters["not_marked_sent"] = kDirectoriesWorked - marked;
    state.counters["first_caret_wait_s"] = waits.front();
    state.counters["median_caret_wait_s"] = MedianWaitOfTwoToSix(waits);
    state.counters["slowest_caret_wait_s"] = *std::max_element(waits.begin() + 1, waits.end());
}
BENCHMARK(BM_KeyboardRound)
    ->Arg(2)
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
