#include "FillLatencyProbe.h"

#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"

#include <QListView>
#include <optional>

namespace {

constexpr int kTimeoutMs = 15000;

} // namespace

FillLatencyProbe::FillLatencyProbe(CSubmitterDlg& window)
    : m_directoryList(window.findChild<QListView*>(QStringLiteral("directoryList"))),
      m_browser(window.findChild<CBrowserCtrl*>(QStringLiteral("browser")))
{}

std::vector<double> FillLatencyProbe::Measure(int loads)
{
    // The user picks the first directory; its first fill is not counted.
    m_directoryList->selectionModel()->select(m_directoryList->model()->index(0, 0),
                                              QItemSelectionModel::ClearAndSelect);
    std::vector<double> latencies;
    if (!MeasureOne(latencies))
        return {};
    latencies.clear();
    for (int load = 0; load < loads; ++load) {
        if (!MeasureOne(latencies))
            return {};
    }
    return latencies;
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
    emit m_directoryList->selectionModel()->selectionChanged({}, {});
    const bool done = WaitUntil([&] { return filled.has_value(); }, kTimeoutMs);
    QObject::disconnect(onTitle);
    if (done)
        latencies.push_back(*filled);
    return done;
}
