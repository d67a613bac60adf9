#pragma once

#include "common/DataFolder.h"
#include "mail/ConfirmationFinder.h"
#include "mail/MailLimits.h"
#include "mail/MailLook.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QThread;

// The confirmation mails of the last two days' submissions, looked for in the mailbox of
// Settings > Confirmation Mails while the window is open: at once, after each submission, every
// two minutes and, where the server offers IMAP IDLE, as soon as a mail arrives; on threads of
// their own. The status bar counts the mails waiting
// ("3 confirmation mails waiting"); Directory > Open Confirmation Link asks for the link of the
// directory selected, which the window opens in a tab, never without the user. A mailbox that
// refuses the login or whose certificate is not trusted is not asked again until its settings
// change: one message, no retry storm.
class CConfirmationMails final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kLookEveryMs = 2 * 60 * 1000;

    using SelectedDirectory = std::function<std::optional<std::string>()>;

    CConfirmationMails(DataFolder folder, QStatusBar& statusBar,
                       SelectedDirectory selectedDirectory, QObject* parent = nullptr,
                       MailLimits limits = WindowLimits(), int lookEveryMs = kLookEveryMs);
    ~CConfirmationMails() override;

    // Adds Open Confirmation Link to `directoryMenu`.
    void AddTo(QMenu& directoryMenu);

    // A submission was made: its mail may come.
    void LookAfterSubmission();
    // The mailbox's settings changed: look again, even after a refused login.
    void SettingsChanged();

    const std::vector<ConfirmationMail>& Waiting() const { return m_waiting; }
    // The directories whose confirmation mail is waiting.
    std::set<std::string> WaitingDirectories() const;
    // Opens the link of `directory`'s mail, when one is waiting.
    bool OpenLinkOf(const std::string& directory);

    // Shorter than a command line's: a mailbox that stalls is given up sooner.
    static MailLimits WindowLimits();

signals:
    void waitingChanged(int count);
    // The window opens the link of `mail` in a tab.
    void linkOpening(const QString& link, const ConfirmationMail& mail);
    // Words for screen readers: the count as it changes, why the mailbox cannot be read.
    void announced(const QString& text);

private:
    void Look();
    // Where the server offers IMAP IDLE, a thread of its own waits there and looks as soon
    // as a mail arrives. Started by the first good look; new settings start it anew.
    void WatchMailbox();
    void Finished();
    void Take(const std::vector<ConfirmationMail>& found);
    void ShowCount();

    DataFolder m_folder;
    SelectedDirectory m_selectedDirectory;
    MailLimits m_limits;
    QTimer m_timer;
    QFutureWatcher<MailLook> m_look;
    std::atomic<bool> m_closing{false};     // ends the look under way
    std::atomic<bool> m_watchEnding{false}; // ends the watch: closing, or new settings
    QThread* m_watch = nullptr;
    bool m_watchAgain = false;   // new settings: the next good look starts it anew
    bool m_watchStarted = false; // for these settings; a watch that failed is not retried
    bool m_lookAgain = false;
    bool m_stalled = false; // the mailbox refused us: wait for new settings
    QString m_problem;
    std::vector<ConfirmationMail> m_waiting;
    std::set<std::string> m_opened; // links already opened, not offered again
    QLabel* m_count = nullptr;
    QAction* m_openLink = nullptr;
};
