#include "ui/mail/ConfirmationMails.h"

#include "history/UtcTime.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {

// What no look can change: only new settings can.
bool IsLasting(const MailLook& look)
{
    if (look.stopped == MailLook::Stopped::NotSetUp ||
        look.stopped == MailLook::Stopped::NoPassword)
        return true;
    const MailboxProblem problem = look.report.outcome.problem;
    return look.stopped == MailLook::Stopped::Mailbox &&
           (problem == MailboxProblem::LoginRefused ||
            problem == MailboxProblem::CertificateNotTrusted ||
            problem == MailboxProblem::EncryptionRefused || problem == MailboxProblem::BadAddress ||
            problem == MailboxProblem::FolderMissing);
}

} // namespace

CConfirmationMails::CConfirmationMails(DataFolder folder, QStatusBar& statusBar,
                                       SelectedDirectory selectedDirectory, QObject* parent,
                                       MailLimits limits, int lookEveryMs)
    : QObject(parent), m_folder(std::move(folder)),
      m_selectedDirectory(std::move(selectedDirectory)), m_limits(limits)
{
    m_limits.stop = &m_closing;
    m_count = new QLabel(&statusBar);
    m_count->setObjectName(QStringLiteral("confirmationMailsWaiting"));
    m_count->hide();
    statusBar.addPermanentWidget(m_count);
    m_openLink = new QAction(tr("Open Confirmation &Link"), this);
    m_openLink->setObjectName(QStringLiteral("openConfirmationLink"));
    connect(m_openLink, &QAction::triggered, this, [this] {
        if (const std::optional<std::string> directory = m_selectedDirectory())
            OpenLinkOf(*directory);
    });
    connect(&m_look, &QFutureWatcher<MailLook>::finished, this, &CConfirmationMails::Finished);
    connect(&m_timer, &QTimer::timeout, this, &CConfirmationMails::Look);
    m_timer.start(lookEveryMs);
    QTimer::singleShot(0, this, &CConfirmationMails::Look);
}

CConfirmationMails::~CConfirmationMails()
{
    m_closing = true;
    m_watchEnding = true;
    m_look.waitForFinished();
    if (m_watch)
        m_watch->wait();
}

void CConfirmationMails::WatchMailbox()
{
    m_watchEnding = false;
    MailLimits limits = m_limits;
    limits.stop = &m_watchEnding;
    // A thread of its own: the watch lasts as long as the window, which would hold one of the
    // few threads of the shared pool all that time.
    m_watch = QThread::create([this, folder = m_folder, limits] {
        WatchForNewMail(folder, limits, [this] {
            QMetaObject::invokeMethod(this, &CConfirmationMails::Look, Qt::QueuedConnection);
        });
    });
    m_watch->setParent(this);
    connect(m_watch, &QThread::finished, this, [this] {
        m_watch->deleteLater();
        m_watch = nullptr;
        if (std::exchange(m_watchAgain, false))
            m_watchStarted = false;
    });
    m_watch->start();
}

MailLimits CConfirmationMails::WindowLimits()
{
    MailLimits limits;
    limits.exchangeTimeout = std::chrono::seconds(20);
    limits.lowSpeedTime = std::chrono::seconds(10);
    return limits;
}

void CConfirmationMails::AddTo(QMenu& directoryMenu)
{
    directoryMenu.addAction(m_openLink);
    connect(&directoryMenu, &QMenu::aboutToShow, this, [this] {
        const std::optional<std::string> directory = m_selectedDirectory();
        m_openLink->setEnabled(directory && std::any_of(m_waiting.begin(), m_waiting.end(),
                                                        [&](const ConfirmationMail& mail) {
                                                            return mail.directory == *directory;
                                                        }));
    });
}

void CConfirmationMails::LookAfterSubmission()
{
    if (!m_stalled)
        Look();
}

void CConfirmationMails::SettingsChanged()
{
    m_stalled = false;
    m_problem.clear();
    Look();
    // The watch under way has the old settings; a new one starts after the next good look.
    if (m_watch) {
        m_watchAgain = true;
        m_watchEnding = true;
    } else {
        m_watchStarted = false;
    }
}

bool CConfirmationMails::OpenLinkOf(const std::string& directory)
{
    const auto mail =
        std::find_if(m_waiting.begin(), m_waiting.end(), [&](const ConfirmationMail& waiting) {
            return waiting.directory == directory;
        });
    if (mail == m_waiting.end())
        return false;
    const ConfirmationMail opened = *mail;
    m_opened.insert(opened.link);
    m_waiting.erase(mail);
    ShowCount();
    emit linkOpening(QString::fromStdString(opened.link), opened);
    return true;
}

std::set<std::string> CConfirmationMails::WaitingDirectories() const
{
    std::set<std::string> directories;
    for (const ConfirmationMail& mail : m_waiting)
        directories.insert(mail.directory);
    return directories;
}

void CConfirmationMails::Look()
{
    if (m_stalled)
        return;
    if (m_look.isRunning()) {
        m_lookAgain = true;
        return;
    }
    m_look.setFuture(QtConcurrent::run([folder = m_folder, limits = m_limits] {
        return LookIntoMailbox(folder, SystemUtcMilliseconds(), limits, false);
    }));
}

void CConfirmationMails::Finished()
{
    const MailLook look = m_look.result();
    if (look.stopped == MailLook::Stopped::No) {
        Take(look.report.confirmations);
        // The mailbox can be read and a mail is expected: from now on it is also waited on,
        // where it lets us.
        if (look.submissions > 0 && !m_watch && !m_watchStarted) {
            m_watchStarted = true;
            WatchMailbox();
        }
    } else {
        m_stalled = IsLasting(look);
        const QString problem = QString::fromStdString(look.problem);
        // An unset mailbox is the normal state: nothing to say.
        if (look.stopped != MailLook::Stopped::NotSetUp && problem != m_problem)
            emit announced(tr("Confirmation mails: %1").arg(problem));
        m_problem = problem;
    }
    if (std::exchange(m_lookAgain, false))
        Look();
}

void CConfirmationMails::Take(const std::vector<ConfirmationMail>& found)
{
    std::vector<ConfirmationMail> waiting;
    for (const ConfirmationMail& mail : found) {
        if (m_opened.contains(mail.link))
            continue;
        // The latest mail of a directory and profile is the one that counts.
        std::erase_if(waiting, [&](const ConfirmationMail& kept) {
            return kept.directory == mail.directory && kept.profile == mail.profile;
        });
        waiting.push_back(mail);
    }
    if (waiting == m_waiting)
        return;
    m_waiting = std::move(waiting);
    ShowCount();
}

void CConfirmationMails::ShowCount()
{
    const int count = static_cast<int>(m_waiting.size());
    const QString text = count == 1 ? tr("1 confirmation mail waiting")
                                    : tr("%n confirmation mails waiting", nullptr, count);
    m_count->setText(text);
    m_count->setAccessibleName(text);
    m_count->setVisible(count > 0);
    emit waitingChanged(count);
    emit announced(count > 0 ? text : tr("No confirmation mails waiting"));
}
