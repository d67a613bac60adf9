#include "ScriptedUser.h"

#include "support/BrowserDriver.h"
#include "support/SubmitterDlgInspector.h"
#include "support/WaitUntil.h"
#include "ui/tabs/BrowserTab.h"
#include "ui/tabs/BrowserTabs.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace {

constexpr int kPageTimeoutMs = 20000;
constexpr int kSubmissionTimeoutMs = 5000;

bool IsFinished(TabState state)
{
    return state == TabState::Sent || state == TabState::NotConfirmed;
}

} // namespace

void ScriptedUser::Pause(int milliseconds)
{
    const QDeadlineTimer until(milliseconds);
    (void)WaitUntil([&until] { return until.hasExpired(); }, milliseconds + 1000);
}

ScriptedUser::ScriptedUser(CSubmitterDlg& window, int readyTabs)
    : m_window(window), m_tabs(*Inspect(window).Tabs()), m_readyTabs(readyTabs)
{}

template <typename Predicate>
bool ScriptedUser::WaitWatchingTabs(Predicate predicate, int timeoutMs)
{
    return WaitUntil(
        [&] {
            NoteTabsOverLimit();
            return predicate();
        },
        timeoutMs);
}

void ScriptedUser::NoteTabsOverLimit()
{
    // A finished tab may close itself at a tick after its mark: FinishedTabsLeftOpen sees to it.
    const int allowed = 1 + m_readyTabs + m_tabs.PendingResults() + CountFinishedTabsLeft();
    m_mostTabsOverLimit =
        std::max(m_mostTabsOverLimit, static_cast<int>(m_tabs.Tabs().size()) - allowed);
}

int ScriptedUser::CountFinishedTabsLeft() const
{
    const QList<CBrowserTab*> tabs = m_tabs.Tabs();
    return static_cast<int>(std::count_if(tabs.begin(), tabs.end(), [this](CBrowserTab* tab) {
        return tab != m_tabs.CurrentTab() && IsFinished(tab->State());
    }));
}

int ScriptedUser::FinishedTabsLeftOpen(int timeoutMs)
{
    (void)WaitWatchingTabs([this] { return CountFinishedTabsLeft() == 0; }, timeoutMs);
    return CountFinishedTabsLeft();
}

std::optional<double> ScriptedUser::NextUnsent()
{
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(Inspect(m_window).NextUnsentButton(), Qt::LeftButton);
    const bool shown = WaitWatchingTabs(
        [this] {
            CBrowserTab* tab = m_tabs.CurrentTab();
            return tab && tab->Directory() != m_lastDirectory && tab->State() == TabState::Filled &&
                   tab->Browser()->isVisible();
        },
        kPageTimeoutMs);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (!shown)
        return std::nullopt;
    m_shown = m_tabs.CurrentTab();
    m_lastDirectory = m_shown->Directory();
    return seconds;
}

bool ScriptedUser::Submit()
{
    if (!m_shown)
        return false;
    CBrowserTab& tab = *m_shown;
    BrowserDriver driver(*tab.Browser());
    // Counted once the page has drawn itself: a click before its first frame can be lost.
    driver.Run(QStringLiteral("window.benchFramesDrawn = false; requestAnimationFrame(() => "
                              "requestAnimationFrame(() => { window.benchFramesDrawn = true; }))"));
    Pause(kThinkMs);
    if (!WaitUntil(
            [&driver] {
                return driver.RunText(QStringLiteral("String(window.benchFramesDrawn)")) ==
                       QStringLiteral("true");
            },
            kPageTimeoutMs))
        return false;
    if (driver.RunText(QStringLiteral("document.querySelector('[name=title]').value")).isEmpty())
        ++m_unfilledPages;
    driver.Click(QStringLiteral("send"));
    if (WaitForSubmission(tab))
        return true;
    ++m_lostClicks;
    driver.Run(QStringLiteral("document.getElementById('submission').requestSubmit()"));
    return WaitForSubmission(tab);
}

bool ScriptedUser::WaitForSubmission(CBrowserTab& tab)
{
    const QPointer<CBrowserTab> watched(&tab);
    return WaitWatchingTabs(
        [&watched] { return watched && watched->State() == TabState::Submitted; },
        kSubmissionTimeoutMs);
}

bool ScriptedUser::WaitForResults(int timeoutMs)
{
    return WaitWatchingTabs([this] { return m_tabs.PendingResults() == 0; }, timeoutMs);
}

bool ScriptedUser::WaitForReadyTabs(int timeoutMs)
{
    return WaitWatchingTabs(
        [this] {
            const QList<CBrowserTab*> tabs = m_tabs.Tabs();
            return std::count_if(tabs.begin(), tabs.end(), [](CBrowserTab* tab) {
                       return tab->IsKeptReady() && tab->State() == TabState::Filled;
                   }) >= m_readyTabs;
        },
        timeoutMs);
}
