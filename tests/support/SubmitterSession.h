#pragma once

#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "ui/browser/PageHtmlReader.h"

#include <QTest>
#include <QTimer>
#include <QWebChannel>
#include <memory>

// A main window on a test environment, shown with its start page loaded, and the steps of a
// submission round as the user takes them: choose a directory, wait for the fill, press the
// page's submit button, let the result page be checked. Every step waits on a predicate with a
// time limit and says whether it got there.
class SubmitterSession
{
public:
    explicit SubmitterSession(SubmitterTestEnvironment& environment) : m_environment(environment) {}

    // Opens the window; false when it never showed or its start page never loaded.
    [[nodiscard]] bool Open()
    {
        m_window = std::make_unique<CSubmitterDlg>(m_environment.Environment());
        Inspect(*m_window).Browser()->Channel()->registerObject(QStringLiteral("probe"), &m_probe);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return false;
        m_driver = std::make_unique<BrowserDriver>(*Inspect(*m_window).Browser());
        return m_driver->WaitUntilComplete() && Inspect(*m_window).WaitForDatabase();
    }

    CSubmitterDlg& Window() const { return *m_window; }
    BrowserDriver& Driver() const { return *m_driver; }
    // Counts the frames the page renders, for a click that must not be lost.
    ChannelProbe& Probe() { return m_probe; }

    // Chooses the directory in the list as the user does; true when its page is on its way.
    [[nodiscard]] bool ChooseDirectory(int row)
    {
        Inspect(*m_window).PickDirectoryRow(row);
        return Inspect(*m_window).FillPending();
    }

    [[nodiscard]] bool WaitUntilFilled()
    {
        return WaitUntil(
            [this] {
                return !Inspect(*m_window).FillPending() &&
                       !m_driver
                            ->RunText(
                                QStringLiteral("document.querySelector('[name=title]').value"))
                            .isEmpty();
            },
            BrowserDriver::kTimeoutMs);
    }

    // Clicks the element with the id "send".
    [[nodiscard]] bool SubmitByClick()
    {
        if (!m_driver->WaitForRenderedFrame(m_probe.renderedFrames))
            return false;
        m_driver->Click(QStringLiteral("send"));
        return WaitUntil([this] { return Inspect(*m_window).Submitted(); },
                         BrowserDriver::kTimeoutMs);
    }

    // The result page, at a path beginning "/result", is complete within the 3000 ms; the
    // check comes at the first tick after.
    [[nodiscard]] bool WaitForCheck()
    {
        const auto resultShown = [this] {
            return Inspect(*m_window).Browser()->GetReadyState() ==
                       CBrowserCtrl::kReadyStateComplete &&
                   Inspect(*m_window).Browser()->url().path().startsWith(QStringLiteral("/result"));
        };
        if (!WaitUntil(resultShown, BrowserDriver::kTimeoutMs) || !Inspect(*m_window).Submitted())
            return false;
        m_environment.now = Inspect(*m_window).SubmitTime() + 3001;
        return WaitUntil([this] { return !Inspect(*m_window).Submitted(); },
                         BrowserDriver::kTimeoutMs) &&
               FlushPageReads();
    }

    // Reads of the page are answered in order: once this one is back, the check's has been too.
    [[nodiscard]] bool FlushPageReads()
    {
        auto read = std::make_shared<bool>(false);
        CPageHtmlReader(*Inspect(*m_window).Browser()->GetDocument())
            .Read(m_window.get(), [read](const std::string&) { *read = true; });
        return WaitUntil([&read] { return *read; }, BrowserDriver::kTimeoutMs);
    }

private:
    SubmitterTestEnvironment& m_environment;
    ChannelProbe m_probe;
    std::unique_ptr<CSubmitterDlg> m_window;
    std::unique_ptr<BrowserDriver> m_driver;
};
