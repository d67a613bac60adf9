#include "ui/tabs/BrowserTabs.h"

#include "directory_db/DirectoryDatabase.h"
#include "page_filling/ReadyTabPlan.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/tabs/SubmissionSession.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <algorithm>

namespace {

// How long closing the window waits for result pages being read, all tabs together.
constexpr int kResultReadWaitMs = 2000;
constexpr int kTickMs = 100;

// Passes a session's report on as the tabs' own, once `when` lets it: a tab kept ready holds
// its reports until the user comes to it.
template <typename... Args>
void Relay(CBrowserTab& tab, CBrowserTabs& tabs, void (CSubmissionSession::*report)(Args...),
           void (CBrowserTabs::*relay)(Args...),
           void (CBrowserTab::*when)(std::function<void()>) = &CBrowserTab::WhenShown)
{
    QObject::connect(&tab.Session(), report, &tabs, [&tab, &tabs, relay, when](Args... args) {
        (tab.*when)([&tabs, relay, ... values = args] { (tabs.*relay)(values...); });
    });
}

} // namespace

CBrowserTabs::CBrowserTabs(SessionContext context, QWidget* parent)
    : QTabWidget(parent), m_context(std::move(context))
{
    setObjectName(QStringLiteral("browserTabs"));
    setAccessibleName(tr("Browser"));
    tabBar()->setAccessibleName(tr("Pages"));
    // With one tab the window looks as it always did: the browser and nothing over it.
    setTabBarAutoHide(true);
    setDocumentMode(true);
    setTabsClosable(true);
    setElideMode(Qt::ElideRight);
    tabBar()->installEventFilter(this);
    connect(this, &QTabWidget::tabCloseRequested, this, &CBrowserTabs::CloseTab);
    connect(this, &QTabWidget::currentChanged, this, &CBrowserTabs::OnCurrentChanged);
    AddTab(0);
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("submissionTimer"));
    connect(timer, &QTimer::timeout, this, &CBrowserTabs::Tick);
    timer->start(kTickMs);

    auto* close = new QAction(tr("Close &Tab"), this);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(close, &QAction::triggered, this, [this] { CloseTab(currentIndex()); });
    auto* next = new QAction(tr("&Next Tab"), this);
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(next, &QAction::triggered, this,
            [this] { setCurrentIndex((currentIndex() + 1) % count()); });
    auto* previous = new QAction(tr("Pre&vious Tab"), this);
    // X11 reports Shift+Tab as Backtab.
    previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    connect(previous, &QAction::triggered, this,
            [this] { setCurrentIndex((currentIndex() + count() - 1) % count()); });
    m_commands = {close, next, previous};
}

CBrowserTab* CBrowserTabs::CurrentTab() const
{
    return TabAt(currentIndex());
}

CBrowserCtrl& CBrowserTabs::CurrentBrowser() const
{
    return *CurrentTab()->Browser();
}

QList<CBrowserTab*> CBrowserTabs::Tabs() const
{
    QList<CBrowserTab*> tabs;
    for (int index = 0; index < count(); ++index)
        tabs.append(TabAt(index));
    return tabs;
}

int CBrowserTabs::PendingResults() const
{
    const QList<CBrowserTab*> tabs = Tabs();
    return static_cast<int>(std::count_if(
        tabs.begin(), tabs.end(), [](const CBrowserTab* tab) { return tab->HasPendingResult(); }));
}

void CBrowserTabs::SetWorkAhead(int readyTabs, bool keepFinishedTabs)
{
    m_readyTabsWanted = std::max(0, readyTabs);
    m_keepFinishedTabs = keepFinishedTabs;
}

void CBrowserTabs::OpenDirectory(const std::string& directory)
{
    CBrowserTab* left = CurrentTab();
    CBrowserTab* target = TabFor(directory);
    // Picked again where it is shown: its page opens anew, as it always did.
    if (target == left && !left->HasPendingResult())
        target = nullptr;
    if (!target) {
        // A result still to be read keeps its page: the directory goes to a tab of its own.
        target = left->IsBusy() ? AddTab(currentIndex() + 1) : left;
        target->OpenDirectory(directory);
    }
    const QPointer<CBrowserTab> leaving = left;
    setCurrentWidget(target);
    if (leaving && leaving != target)
        LeaveBehind(*leaving);
}

void CBrowserTabs::ShowFreeTab()
{
    if (CurrentTab()->IsBusy())
        setCurrentWidget(AddTab(currentIndex() + 1));
}

void CBrowserTabs::KeepReady(const std::vector<std::string>& directories)
{
    std::vector<std::string> wanted;
    for (const std::string& directory : directories) {
        if (static_cast<int>(wanted.size()) == m_readyTabsWanted)
            break;
        // A directory open in a tab of the user's is never loaded a second time, and one the
        // database would complain about waits until the user comes to it and can be told.
        const CBrowserTab* tab = TabFor(directory);
        if (tab ? tab->IsKeptReady() : OpensUnasked(directory))
            wanted.push_back(directory);
    }
    std::vector<CBrowserTab*> ready;
    std::vector<std::string> held;
    for (CBrowserTab* tab : Tabs()) {
        if (tab->IsKeptReady()) {
            ready.push_back(tab);
            held.push_back(tab->Directory());
        }
    }
    const ReadyTabPlan plan = PlanReadyTabs(held, wanted);
    for (const ReadyTabPlan::Reuse& reuse : plan.reuse)
        ready[reuse.tab]->KeepReady(reuse.directory);
    for (const std::string& directory : plan.open)
        AddTab(count())->KeepReady(directory);
    for (const size_t tab : plan.close)
        Remove(*ready[tab]);
    // In the tab bar they follow the tab shown, in the order the user comes to them.
    int place = currentIndex() + 1;
    for (const std::string& directory : wanted) {
        if (CBrowserTab* tab = TabFor(directory))
            tabBar()->moveTab(indexOf(tab), std::min(place++, count() - 1));
    }
}

void CBrowserTabs::DropReadyTabs()
{
    for (CBrowserTab* tab : Tabs()) {
        if (tab->IsKeptReady())
            Remove(*tab);
    }
}

void CBrowserTabs::MarkSent(const std::string& directory)
{
    for (CBrowserTab* tab : Tabs())
        tab->MarkSent(directory);
}

void CBrowserTabs::CloseTab(int index)
{
    CBrowserTab* tab = TabAt(index);
    if (!tab || count() == 1)
        return;
    // A question about its result waits for an answer that only the tab shown can give.
    if (tab->IsHoldingDialog()) {
        setCurrentIndex(index);
        return;
    }
    Remove(*tab);
}

void CBrowserTabs::Tick()
{
    for (CBrowserTab* tab : Tabs())
        tab->Session().Tick();
}

void CBrowserTabs::WaitForPendingResults()
{
    const QDeadlineTimer deadline(kResultReadWaitMs);
    for (CBrowserTab* tab : Tabs())
        tab->Session().WaitForPageReads(deadline);
}

bool CBrowserTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tabBar() && event->type() == QEvent::MouseButtonRelease) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::MiddleButton) {
            CloseTab(tabBar()->tabAt(click->position().toPoint()));
            return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

CBrowserTab* CBrowserTabs::AddTab(int index)
{
    auto* tab = new CBrowserTab(m_context, this);
    // Until it is made current, a new tab is one in the background.
    tab->SetInFront(false);
    RelaySessionReports(*tab);
    connect(tab, &CBrowserTab::stateChanged, this, [this, tab] { OnTabStateChanged(*tab); });
    connect(tab, &CBrowserTab::fillReportChanged, this, [this, tab] {
        if (tab == CurrentTab())
            emit fillReportShown(tab->FillReportShown());
    });
    insertTab(index, tab, QString());
    ShowTabText(*tab);
    return tab;
}

bool CBrowserTabs::OpensUnasked(const std::string& directory) const
{
    const ProfileRecord& profile = m_context.profile.Record();
    const std::optional<std::string> address =
        m_context.database.QuietSubmitPage(directory, profile.cat, profile.subcat);
    if (!address)
        return false;
    const QUrl url(QString::fromStdString(*address));
    return (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

CBrowserTab* CBrowserTabs::TabAt(int index) const
{
    return qobject_cast<CBrowserTab*>(widget(index));
}

CBrowserTab* CBrowserTabs::TabFor(const std::string& directory) const
{
    if (directory.empty())
        return nullptr;
    for (CBrowserTab* tab : Tabs()) {
        if (tab->Directory() == directory)
            return tab;
    }
    return nullptr;
}

void CBrowserTabs::RelaySessionReports(CBrowserTab& tab)
{
    Relay(tab, *this, &CSubmissionSession::opened, &CBrowserTabs::opened);
    Relay(tab, *this, &CSubmissionSession::filled, &CBrowserTabs::filled);
    Relay(tab, *this, &CSubmissionSession::submitted, &CBrowserTabs::submitted);
    Relay(tab, *this, &CSubmissionSession::confirmationRead, &CBrowserTabs::confirmationRead);
    Relay(tab, *this, &CSubmissionSession::confirmed, &CBrowserTabs::confirmed);
    // It asks the user about the page: only while the page is shown.
    Relay(tab, *this, &CSubmissionSession::confirmationUnknown, &CBrowserTabs::confirmationUnknown,
          &CBrowserTab::WhenInFront);
}

void CBrowserTabs::OnCurrentChanged(int index)
{
    const QPointer<CBrowserTab> left = m_front;
    m_front = TabAt(index);
    if (left && left != m_front) {
        left->SetInFront(false);
        if (left->IsFinished() && !left->HasPendingResult() && !m_keepFinishedTabs)
            Remove(*left);
    }
    if (!m_front)
        return;
    m_front->SetInFront(true);
    emit currentTabChanged();
    emit fillReportShown(m_front->FillReportShown());
}

void CBrowserTabs::OnTabStateChanged(CBrowserTab& tab)
{
    ShowTabText(tab);
    ReportPendingResults();
    // Its work is done while the user is elsewhere: nothing is left to see in it.
    if (&tab != m_front && tab.IsFinished() && !tab.HasPendingResult() && !m_keepFinishedTabs)
        Remove(tab);
}

void CBrowserTabs::LeaveBehind(CBrowserTab& tab)
{
    if (indexOf(&tab) < 0 || tab.IsBusy())
        return;
    if (tab.IsFinished() && m_keepFinishedTabs)
        return;
    Remove(tab);
}

void CBrowserTabs::Remove(CBrowserTab& tab)
{
    const int index = indexOf(&tab);
    if (index < 0 || count() == 1 || tab.IsHoldingDialog())
        return;
    if (m_front == &tab)
        m_front = nullptr;
    removeTab(index);
    // Later: the tab may be the one whose report is being passed on.
    tab.deleteLater();
    ReportPendingResults();
}

void CBrowserTabs::ShowTabText(CBrowserTab& tab)
{
    const int index = indexOf(&tab);
    if (index < 0)
        return;
    QString title = tab.Title();
    QString toolTip = tab.ToolTip();
    QString accessibleName = tab.AccessibleName();
    if (tab.State() != TabState::Page && m_confirmationMails.contains(tab.Directory())) {
        const QString arrived = tr("confirmation mail arrived");
        title.prepend(QStringLiteral("\u2709 "));
        accessibleName += QStringLiteral(", ") + arrived;
        toolTip.prepend(arrived + QLatin1Char('\n'));
    }
    // A directory's name is text, never a mnemonic.
    setTabText(index, title.replace(QLatin1Char('&'), QStringLiteral("&&")));
    setTabToolTip(index, toolTip);
    tabBar()->setAccessibleTabName(index, accessibleName);
}

void CBrowserTabs::SetConfirmationMails(std::set<std::string> directories)
{
    if (directories == m_confirmationMails)
        return;
    m_confirmationMails = std::move(directories);
    for (CBrowserTab* tab : Tabs())
        ShowTabText(*tab);
}

void CBrowserTabs::ReportPendingResults()
{
    const int pending = PendingResults();
    if (pending == m_pendingResults)
        return;
    m_pendingResults = pending;
    emit pendingResultsChanged(pending);
}
