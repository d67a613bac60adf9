#pragma once

#include "page_filling/FillReport.h"
#include "ui/tabs/BrowserTab.h"

#include <QList>
#include <QTabWidget>
#include <QUrl>
#include <optional>
#include <set>
#include <string>
#include <vector>

class CBrowserCtrl;
class QAction;

// The tabs over the browser, each a page with its own submission session. The user works in the
// current tab as in a single browser; a tab whose form went off keeps reading its result page
// after the user has moved on, and tabs kept ready hold the next directories already loaded and
// filled. What the sessions report reaches the window through this one object, in the order it
// happened, and what a tab kept ready would report waits until the user comes to it. A timer
// ("submissionTimer") ticks every session ten times a second.
class CBrowserTabs final : public QTabWidget
{
    Q_OBJECT

public:
    CBrowserTabs(SessionContext context, QWidget* parent);

    CBrowserTab* CurrentTab() const;
    CBrowserCtrl& CurrentBrowser() const;
    QList<CBrowserTab*> Tabs() const;
    // Tabs whose submitted page's result is still to be read.
    int PendingResults() const;

    // How many directories are kept ready (0: none), and whether tabs whose submission came to
    // an end stay open once the user has left them.
    void SetWorkAhead(int readyTabs, bool keepFinishedTabs);
    int ReadyTabsWanted() const { return m_readyTabsWanted; }

    // The user's pick: the directory's own tab when it has one; else its page opens in the
    // current tab, or in a new one while the current tab still waits for its result.
    void OpenDirectory(const std::string& directory);
    // A page the user asks for (an address, a help page, a repair) goes to the tab shown,
    // unless that tab still waits for its result or an answer: then a new tab is shown for it.
    void ShowFreeTab();
    // Keeps tabs ready for exactly these directories, in this order, loading none twice.
    void KeepReady(const std::vector<std::string>& directories);
    // The tabs kept ready were filled for another profile, or for a database now replaced.
    void DropReadyTabs();
    void MarkSent(const std::string& directory);
    // The directories whose confirmation mail has arrived: their tabs say so.
    void SetConfirmationMails(std::set<std::string> directories);

    // Ctrl+W, the tab's close button and a middle click. The last tab never closes.
    void CloseTab(int index);
    // Close Tab, Next Tab and Previous Tab, for the window's menu and keys.
    QList<QAction*> Commands() const { return m_commands; }

    // Closing waits, for a short while at most, for the result pages still to be read.
    void WaitForPendingResults();

signals:
    // The tab shown is another one now.
    void currentTabChanged();
    // The fill report of the page shown, or none.
    void fillReportShown(const std::optional<FillReport>& report);
    void pendingResultsChanged(int pending);

    // What the sessions report, as CSubmissionSession does.
    void opened(const std::string& directory, const QUrl& page);
    void filled(const std::string& directory, const QUrl& page, const FillReport& report,
                int fieldsTotal, bool byButton);
    void submitted(const std::string& directory, const QUrl& page);
    void confirmationRead(const std::string& directory, const QUrl& page, bool confirmed);
    void confirmed(const std::string& profile, const std::string& directory);
    void confirmationUnknown(const std::string& directory, const std::string& profile,
                             const std::string& html);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The 100 ms tick of every session.
    void Tick();
    CBrowserTab* AddTab(int index);
    CBrowserTab* TabAt(int index) const;
    CBrowserTab* TabFor(const std::string& directory) const;
    // Whether the directory's page can be opened and filled without anything to tell the user.
    bool OpensUnasked(const std::string& directory) const;
    void RelaySessionReports(CBrowserTab& tab);
    void OnCurrentChanged(int index);
    void OnTabStateChanged(CBrowserTab& tab);
    // The user moved on from `tab`: it closes unless it still has a result to read or is kept.
    void LeaveBehind(CBrowserTab& tab);
    void Remove(CBrowserTab& tab);
    void ShowTabText(CBrowserTab& tab);
    void ReportPendingResults();

    SessionContext m_context;
    int m_readyTabsWanted = 2;
    bool m_keepFinishedTabs = false;
    CBrowserTab* m_front = nullptr; // the tab shown, until the next one takes its place
    int m_pendingResults = 0;
    QList<QAction*> m_commands;
    std::set<std::string> m_confirmationMails; // by directory
};
