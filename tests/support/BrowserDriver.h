#pragma once

#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageFiller.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebChannel>
#include <QWebEngineScript>
#include <memory>
#include <optional>

// Drives a browser the way a user and a page would, and waits for the engine, always on a
// predicate with a time limit.
class BrowserDriver
{
public:
    static constexpr int kTimeoutMs = 15000;

    explicit BrowserDriver(CBrowserCtrl& browser) : m_browser(browser) {}

    bool WaitUntilComplete()
    {
        return WaitUntil(
            [this] { return m_browser.GetReadyState() == CBrowserCtrl::kReadyStateComplete; },
            kTimeoutMs);
    }

    // Waits for this navigation's own load to finish. The ready state alone may still report the
    // previous page, and a submission the last case made may land in between and cancel this
    // load; then the page is asked for again.
    bool Load(const QString& url)
    {
        constexpr int kAttempts = 3;
        const QUrl requested(url);
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            std::optional<bool> loadedHere;
            const auto connection = QObject::connect(
                m_browser.GetDocument(), &QWebEnginePage::loadFinished,
                [this, &loadedHere, &requested] { loadedHere = m_browser.url() == requested; });
            m_browser.Navigate(url);
            const bool finished =
                WaitUntil([&loadedHere] { return loadedHere.has_value(); }, kTimeoutMs);
            QObject::disconnect(connection);
            if (!finished)
                return false;
            if (*loadedHere)
                return WaitUntilComplete();
        }
        return false;
    }

    // Runs `source` in the given world and returns its result; nullopt when it never answers.
    std::optional<QVariant> Run(const QString& source, quint32 world = QWebEngineScript::MainWorld)
    {
        // Shared with the callback, which may still come after a time-out.
        auto result = std::make_shared<std::optional<QVariant>>();
        m_browser.GetDocument()->runJavaScript(
            source, world, [result](const QVariant& value) { *result = value; });
        (void)WaitUntil([&result] { return result->has_value(); }, kTimeoutMs);
        return *result;
    }

    QString RunText(const QString& source) { return Run(source).value_or(QVariant()).toString(); }

    // Fills the page from `fields` and returns the fill's report; fieldsSet is -1 when the
    // report never came.
    FillReport Fill(const std::vector<FormField>& fields)
    {
        QObject context;
        std::optional<FillReport> report;
        CPageFiller(*m_browser.GetDocument())
            .Fill(fields, &context, [&report](const FillReport& done) { report = done; });
        if (!WaitUntil([&report] { return report.has_value(); }, kTimeoutMs))
            return FillReport{.fieldsSet = -1};
        return *report;
    }

    // Synthetic input can be lost before the page has drawn itself once; two animation frames
    // reported over the channel (by an object registered as "probe") prove that it has.
    bool WaitForRenderedFrame(const int& renderedFrames)
    {
        const int before = renderedFrames;
        Run(QStringLiteral("requestAnimationFrame(() => requestAnimationFrame(() => "
                           "kestrine.objects.probe.frameRendered()))"),
            QWebEngineScript::ApplicationWorld);
        return WaitUntil([&] { return renderedFrames > before; }, kTimeoutMs);
    }

    // A real mouse click in the middle of the element with this id.
    void Click(const QString& id)
    {
        const QJsonObject box =
            QJsonDocument::fromJson(RunText(QStringLiteral("JSON.stringify(document."
                                                           "getElementById('%1')."
                                                           "getBoundingClientRect())")
                                                .arg(id))
                                        .toUtf8())
                .object();
        const QPoint centre(box.value(QStringLiteral("x")).toDouble() +
                                box.value(QStringLiteral("width")).toDouble() / 2,
                            box.value(QStringLiteral("y")).toDouble() +
                                box.value(QStringLiteral("height")).toDouble() / 2);
        QTest::mouseClick(m_browser.focusProxy(), Qt::LeftButton, {}, centre);
    }

    // Clicks the submit button with this id on a page that may refuse the submission, and
    // returns once the page has heard the submit event and two more frames have been drawn:
    // by then every task the attempt queued has run, and a notice it sent over the channel
    // has arrived ahead of the frames'.
    bool AttemptSubmission(const QString& buttonId, const int& renderedFrames)
    {
        Run(QStringLiteral("window.heardSubmits = 0; window.addEventListener('submit', "
                           "function () { ++window.heardSubmits; }, true)"));
        if (!WaitForRenderedFrame(renderedFrames))
            return false;
        Click(buttonId);
        return WaitUntil([this] { return RunText(QStringLiteral("window.heardSubmits")) == "1"; },
                         kTimeoutMs) &&
               WaitForRenderedFrame(renderedFrames);
    }

    // Focuses the element with this id and presses Enter in it, as typing would.
    void PressEnterIn(const QString& id)
    {
        m_browser.setFocus();
        Run(QStringLiteral("document.getElementById('%1').focus()").arg(id));
        QTest::keyClick(m_browser.focusProxy(), Qt::Key_Return);
    }

private:
    CBrowserCtrl& m_browser;
};

// A browser on screen as the tests of one page use it, with `probe` on its channel for
// WaitForRenderedFrame.
inline std::unique_ptr<CBrowserCtrl> OpenProbedBrowser(QObject& probe)
{
    auto browser = std::make_unique<CBrowserCtrl>();
    browser->resize(800, 600);
    browser->show();
    if (!QTest::qWaitForWindowExposed(browser.get()))
        qWarning("the browser was not exposed");
    browser->Channel()->registerObject(QStringLiteral("probe"), &probe);
    return browser;
}
