#include "FillLatencyProbe.h"

#include "page_filling/BrowserCtrl.h"
#include "page_filling/BrowserPage.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTest>
#include <optional>

namespace {

constexpr int kTimeoutMs = 15000;

} // namespace

std::vector<double> FillLatencyProbe::Measure(int loads)
{
    {
        const QSignalBlocker blocker(m_window.m_directoryList);
        m_window.m_directoryList->setCurrentRow(0);
    }
    std::vector<double> latencies;
    for (int load = 0; load < loads; ++load) {
        if (!MeasureOne(latencies))
            return {};
    }
    return latencies;
}

bool FillLatencyProbe::MeasureOne(std::vector<double>& latencies)
{
    CBrowserPage* page = m_window.m_browser->GetDocument();
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
    m_window.OnSelchangeDirectoryList();
    const bool done = QTest::qWaitFor([&] { return loaded && filled; }, kTimeoutMs);
    QObject::disconnect(onLoaded);
    QObject::disconnect(onTitle);
    if (done)
        latencies.push_back(static_cast<double>(*filled - *loaded));
    return done;
}
