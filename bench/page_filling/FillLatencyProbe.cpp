#include "FillLatencyProbe.h"

#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"

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
    std::optional<double> filled;
    const auto onTitle =
        QObject::connect(page, &QWebEnginePage::titleChanged, [&](const QString& title) {
            if (title.startsWith(QStringLiteral("filled ")))
                filled = title.mid(7).toDouble();
        });
    // What the list tells the window when the user picks the selected entry again.
    emit m_directoryList->itemSelectionChanged();
    const bool done = WaitUntil([&] { return filled.has_value(); }, kTimeoutMs);
    QObject::disconnect(onTitle);
    if (done)
        latencies.push_back(*filled);
    return done;
}
