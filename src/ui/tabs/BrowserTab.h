#pragma once

#include "common/MessagePresenter.h"
#include "common/MillisecondClock.h"
#include "page_filling/FillReport.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CBrowserCtrl;
class CCategoryChoiceFile;
class CCurrentProfile;
class CDirectoryDatabase;
class CSubmissionSession;

// Where a tab's page stands in its directory's submission.
enum class TabState
{
    Page,         // no directory's page: the start page, a help page, a page of the user's own
    Loading,      // the directory's submission page is on its way
    Filled,       // the program's fill of it is done
    Submitted,    // the form went off; its result page is still to be read
    Sent,         // the result page confirmed it, or the user marked it
    NotConfirmed, // the result page was read and held no confirmation
};

// What every tab's submission session works with.
struct SessionContext
{
    const CDirectoryDatabase& database;
    const CCurrentProfile& profile;
    MillisecondClock clock;
    MessagePresenter& presenter;
    // Where the user's category picks are remembered; none, nowhere.
    std::shared_ptr<CCategoryChoiceFile> categoryChoices;
};

// One tab: a page and its own submission session. A tab may be opened ahead in the background
// for a directory the user is expected to come to; it loads and fills its page there, and
// holds what it would report until it is shown. A question its page asks there is answered at
// once for the user, and the page opened again once shown, to ask it in front; so is a page
// kept ready for a profile or by rules that changed since.
class CBrowserTab final : public QWidget
{
    Q_OBJECT

public:
    CBrowserTab(const SessionContext& context, QWidget* parent);

    CBrowserCtrl* Browser() const { return m_browser; }
    CSubmissionSession& Session() const { return *m_session; }
    const std::string& Directory() const;
    TabState State() const { return m_state; }
    // Opened ahead in the background and not shown yet.
    bool IsKeptReady() const { return m_keptReady; }
    // Its directory's submission has come to an end: sent, or read as not confirmed.
    bool IsFinished() const;
    bool HasPendingResult() const;
    // A question about its result waits for the tab to be shown.
    bool IsHoldingDialog() const { return !m_heldQuestions.empty(); }
    // Its page asked a question while the tab was in the background, unseen.
    bool HasUnansweredQuestion() const;
    // Its page is not to be replaced: a result is still to be read, or a question answered.
    bool IsBusy() const { return HasPendingResult() || IsHoldingDialog(); }
    // The fill report of the page shown, until the tab's page moves on to another document.
    const std::optional<FillReport>& FillReportShown() const { return m_fillReport; }

    // Opens the directory's submission page and fills it once it has loaded.
    void OpenDirectory(const std::string& directory);
    // The same, for a directory the user has not asked for yet.
    void KeepReady(const std::string& directory);
    // The tab becomes the one shown, or one in the background.
    void SetInFront(bool inFront);
    // Runs `report` once the tab has been shown; at once when it has been.
    void WhenShown(std::function<void()> report);
    // Runs `question` the next time the tab is the one shown; at once when it is.
    void WhenInFront(std::function<void()> question);
    // The directory got marked sent, by its result page or by hand.
    void MarkSent(const std::string& directory);

    QString Title() const;
    // The title in words: "Directory 01: Not confirmed by the result page".
    QString AccessibleName() const;
    QString ToolTip() const;

signals:
    void stateChanged();
    void fillReportChanged();

private:
    void SetState(TabState state);
    void OnFilled(const FillReport& report);
    // Shown: a page kept ready that was filled for what has changed since, or one that asked
    // a question unseen, is opened again.
    void OnShown();
    // Opens its directory's page anew, dropping what the last opening would report; `note`
    // tells the user why.
    void Reopen(const QString& note);

    CBrowserCtrl* m_browser = nullptr;
    CSubmissionSession* m_session = nullptr;
    TabState m_state = TabState::Page;
    bool m_keptReady = false;
    bool m_inFront = false;
    QString m_note; // why the page was opened again, for the tooltip
    std::optional<FillReport> m_fillReport;
    std::vector<std::function<void()>> m_heldReports;   // until first shown
    std::vector<std::function<void()>> m_heldQuestions; // until next in front
};
