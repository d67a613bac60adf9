#pragma once

#include <QPointer>
#include <optional>
#include <string>

class CBrowserTab;
class CBrowserTabs;
class CSubmitterDlg;

// The user of the work-ahead scenario, going through the directories with Next unsent as fast
// as the program lets them: waits for each directory's page to show filled, reads it for half a
// second, clicks its submit button and moves on at once. It also watches what the program keeps
// open meanwhile.
class ScriptedUser
{
public:
    static constexpr int kThinkMs = 500;

    // The user reads the page: the event loop runs on, as it does while a person looks.
    static void Pause(int milliseconds);

    ScriptedUser(CSubmitterDlg& window, int readyTabs);

    // Presses Next unsent and waits for the next directory's page to be on screen and filled;
    // the seconds that took, or nullopt when it never came.
    std::optional<double> NextUnsent();
    // Reads the page shown for the think time, then clicks its submit button; false when the
    // program never saw the page submitted.
    bool Submit();
    // Waits until the result of every submitted page has been read.
    bool WaitForResults(int timeoutMs);
    // Waits up to `timeoutMs` for the finished tabs the user has left to close themselves; how
    // many are still open then.
    int FinishedTabsLeftOpen(int timeoutMs);
    // Waits until the setting's number of tabs have been opened ahead and filled.
    bool WaitForReadyTabs(int timeoutMs);

    // The most tabs seen open beyond the shown one, the ones kept ready and the ones whose
    // result is pending (a finished tab the user left counts until it closes itself).
    int MostTabsOverLimit() const { return m_mostTabsOverLimit; }
    // Pages the program called filled whose title field was empty when the user read them.
    int UnfilledPages() const { return m_unfilledPages; }
    // Submit clicks the program never saw, after which the form was submitted from its script.
    int LostClicks() const { return m_lostClicks; }

private:
    template <typename Predicate> bool WaitWatchingTabs(Predicate predicate, int timeoutMs);
    void NoteTabsOverLimit();
    int CountFinishedTabsLeft() const;
    bool WaitForSubmission(CBrowserTab& tab);

    CSubmitterDlg& m_window;
    CBrowserTabs& m_tabs;
    int m_readyTabs = 0;
    std::string m_lastDirectory;
    QPointer<CBrowserTab> m_shown; // the page the user works on
    int m_mostTabsOverLimit = 0;
    int m_unfilledPages = 0;
    int m_lostClicks = 0;
};
