// A profile switch that changes every marker of a large list, Next unsent, and a refresh of a
// directory check's results, each timed from its start until the list has repainted.
#include "../directory_db/DatabaseGenerator.h"
#include "support/RecordingPresenter.h"
#include "support/WaitUntil.h"
#include "ui/directory_panel/DirectoryListModel.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

constexpr int kTimeoutMs = 60000;

std::string DirectoryName(int index)
{
    return LastDirectoryName(index + 1);
}

// A profile block of sv.dat whose sent set holds the directories `sent` picks.
template <typename Picks> std::string ProfileBlock(const std::string& name, int count, Picks sent)
{
    std::string block = name + "\r\nhttp://example.com/feed.xml\r\nTitle\r\nDescription\r\n"
                               "Business\r\nMarketing\r\nnews\r\nme@example.com\r\nAnn\r\nLee\r\n";
    std::string names;
    int held = 0;
    for (int index = 0; index < count; ++index) {
        if (sent(index)) {
            names += DirectoryName(index) + "\r\n";
            ++held;
        }
    }
    return block + std::to_string(held) + "\r\n" + names;
}

// Three profiles over `count` directories: All has sent to every one, None to none, Half (the
// current one) to every other one.
std::string StateFile(int count)
{
    return "Half\r\n3\r\n" + ProfileBlock("All", count, [](int) { return true; }) +
           ProfileBlock("None", count, [](int) { return false; }) +
           ProfileBlock("Half", count, [](int index) { return index % 2 == 0; });
}

class BenchWindow
{
public:
    explicit BenchWindow(int directories)
    {
        const std::string dataFolder = m_folder.path().toStdString() + '/';
        std::ofstream(dataFolder + "dirdata.xml", std::ios::binary)
            << GenerateDatabase(directories);
        std::ofstream(dataFolder + "sv.dat", std::ios::binary) << StateFile(directories);
        SubmitterEnvironment environment;
        environment.dataFolder = DataFolder::At(dataFolder);
        environment.vendorHost = "127.0.0.1:1"; // nothing there: the start page fails at once
        environment.clock = SystemMilliseconds;
        environment.windowMessages = &m_messages;
        environment.databaseMessages = &m_messages;
        window = std::make_unique<CSubmitterDlg>(environment);
        window->show();
        loaded = WaitUntil([this] { return window->IsDatabaseLoaded(); }, kTimeoutMs);
        list = window->findChild<QListView*>(QStringLiteral("directoryList"));
    }

    // Runs `action` and repaints the list; the seconds that took.
    template <typename Action> double Timed(Action action)
    {
        QElapsedTimer clock;
        clock.start();
        action();
        list->viewport()->repaint();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        // What the action left queued (the browser's work on a new page) runs outside the time.
        QCoreApplication::processEvents();
        return seconds;
    }

    std::unique_ptr<CSubmitterDlg> window;
    QListView* list = nullptr;
    bool loaded = false;

private:
    QTemporaryDir m_folder;
    RecordingPresenter m_messages;
};

void BM_ProfileSwitch(benchmark::State& state)
{
    BenchWindow bench(static_cast<int>(state.range(0)));
    auto* profiles = bench.window->findChild<QComboBox*>(QStringLiteral("profileCombo"));
    if (!bench.loaded || !bench.list || !profiles) {
        state.SkipWithError("the window did not load its database");
        return;
    }
    const int all = profiles->findText(QStringLiteral("All"));
    const int none = profiles->findText(QStringLiteral("None"));
    bool toAll = true;
    for (auto _ : state) {
        // The selector's change is what the user's pick sends.
        state.SetIterationTime(bench.Timed([&] { profiles->setCurrentIndex(toAll ? all : none); }));
        toAll = !toAll;
    }
}
BENCHMARK(BM_ProfileSwitch)->Arg(50000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PickNextUnsent(benchmark::State& state)
{
    BenchWindow bench(static_cast<int>(state.range(0)));
    auto* next = bench.window->findChild<QPushButton*>(QStringLiteral("nextUnsentButton"));
    if (!bench.loaded || !bench.list || !next) {
        state.SkipWithError("the window did not load its database");
        return;
    }
    for (auto _ : state)
        state.SetIterationTime(bench.Timed([next] { next->click(); }));
}
BENCHMARK(BM_PickNextUnsent)->Arg(500)->Arg(50000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One refresh of a running directory check: a batch of results reaches the list, which hides
// the dead ones under "Hide unreachable", and repaints. A check refreshes a few times a second,
// so this is the share of the window's time a check takes.
void BM_CheckResultsRefresh(benchmark::State& state)
{
    constexpr int kBatch = 1000;
    const int directories = static_cast<int>(state.range(0));
    BenchWindow bench(directories);
    auto* model = bench.window->findChild<CDirectoryListModel*>();
    auto* hide = bench.window->findChild<QCheckBox*>(QStringLiteral("hideUnreachable"));
    if (!bench.loaded || !bench.list || !model || !hide) {
        state.SkipWithError("the window did not load its database");
        return;
    }
    hide->setChecked(true);
    int first = 0;
    bool dead = true;
    for (auto _ : state) {
        std::vector<DirectoryCheckResult> results(kBatch);
        for (int i = 0; i < kBatch; ++i) {
            results[i].name = DirectoryName((first + i) % directories);
            results[i].status = dead ? DirectoryCheckStatus::NotFound : DirectoryCheckStatus::Ok;
            results[i].httpStatus = dead ? 404 : 200;
            results[i].finding =
                dead ? DirectoryCheckFinding::NotFoundAnswer : DirectoryCheckFinding::None;
        }
        state.SetIterationTime(bench.Timed([&] { model->MergeCheckResults(results, true); }));
        first = (first + kBatch) % directories;
        dead = !dead;
    }
}
BENCHMARK(BM_CheckResultsRefresh)->Arg(50000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
