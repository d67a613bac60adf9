#include "FillLatencyProbe.h"

#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>
#include <optional>

namespace {

constexpr int kTimeoutMs = 15000;

} // namespace

FillLatencyProbe::FillLatencyProbe(CSubmitterDlg& window)
    : m_directoryList(window.findChild<QListWidget*>(QStringLiteral("directoryList"))),
      m_timer(window.findChild<QTimer*>(QStringLiteral("submissionTimer"))),
      m_browser(window.findChild<CBrowserCtrl*>(QStringLiteral("browser")))
{}

std::vector<double> FillLatencyProbe::Measure(int loads)
{
    {
        const QSignalBlocker blocker(m_directoryList);
        m_directoryList->setCurrentRow(0);
    }
    // A user picks a directory at any moment of the timer's period. Started straight after the
    // previous fill, which itself follows a tick, every load would finish at the same point of
    // the period and wait the same time for the next tick; so the starts are spread evenly over
    // the period instead.
    const int period = m_timer->interval();
    std::vector<double> latencies;
    for (int load = 0; load < loads; ++load) {
        if (!WaitForTimerPhase(load * period / loads) || !MeasureOne(latencies))
            return {};
    }
    return latencies;
}

bool FillLatencyProbe::WaitForTimerPhase(int phaseMs)
{
    bool due = false;
    QObject context; // ends the connection and the single shot with this call
    QObject::connect(m_timer, &QTimer::timeout, &context, [&] {
        QObject::disconnect(m_timer, nullptr, &context, nullptr);
        QTimer::singleShot(phaseMs, Qt::PreciseTimer, &context, [&due] { due = true; });
    });
    return WaitUntil([&due] { return due; }, kTimeoutMs);
}

bool FillLatencyProbe::MeasureOne(std::vector<double>& latencies)
{
    CBrowserPage* page = m_browser->GetDocument();
    QElapsedTimer clock;
    std::optional<qint64> loaded;
    std::optional<qint64> filled;
    const auto onLoaded =
        QObject::connect(page, &QWebEnginePage::loadFinished, [&] { loaded = clock.elapsed(); });
    const auto onTitle =
        QObject::connect(page, &QWebEnginePage::titleChanged, [&](const QString& title) {
            if (title == QStringLiteral("filled"))
                filled = clock.elapsed();
        });
    clock.start();
    // What the list tells the window when the user picks the selected entry again.
    emit m_directoryList->itemSelectionChanged();
    const bool done = WaitUntil([&] { return loaded && filled; }, kTimeoutMs);
    QObject::disconnect(onLoaded);
    QObject::disconnect(onTitle);
    if (done)
        latencies.push_back(static_cast<double>(*filled - *loaded));
    return done;
}
