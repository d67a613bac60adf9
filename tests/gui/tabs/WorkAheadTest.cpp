// Tabs over the browser: the next unsent directories loaded and filled ahead of the user, and
// result pages read in tabs the user has left.
#include "support/BrowserDriver.h"
#include "support/MessageBoxWatcher.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "ui/directory_panel/DirectoryListPanel.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

constexpr int kTimeoutMs = BrowserDriver::kTimeoutMs;

// Directories "D0" … "D4" in this order, each with a form of its own and a result page that
// thanks that directory by name, which is its confirmation text. The page of `asking`, if any,
// asks the user something as it loads.
class FiveDirectories
{
public:
    explicit FiveDirectories(std::initializer_list<std::string> sent = {},
                             const std::string& asking = {})
    {
        env.server.server.Get(R"(/form/(D\d))", [asking](const httplib::Request& request,
                                                         httplib::Response& response) {
            const std::string name = request.matches[1];
            const std::string question =
                name == asking ? "<script>alert('A question from " + name + "')</script>" : "";
            response.set_content("<html><body><form action=\"/result/" + name +
                                     "\" method=\"post\"><input name=\"title\">" + question +
                                     "<button id=\"send\">Send</button></form></body></html>",
                                 "text/html");
        });
        env.server.server.Post(
            R"(/result/(D\d))", [](const httplib::Request& request, httplib::Response& response) {
                response.set_content("<html><body>Thanks, " + std::string(request.matches[1]) +
                                         "</body></html>",
                                     "text/html");
            });
        env.Start();
        std::string directories = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n";
        for (const char* name : {"D0", "D1", "D2", "D3", "D4"}) {
            directories += std::string("<directory name=\"") + name + "\" submiturl=\"" +
                           env.server.Url(std::string("/form/") + name) + "\" onsubmit=\"Thanks, " +
                           name + "\"><item name=\"title\" index=\"0\" value=\"#title#\" " +
                           "type=\"edit\"/></directory>\n";
        }
        env.WriteProgramFile("dirdata.xml", directories + "</r>\n");
        env.WriteProgramFile("sv.dat",
                             StateFileLines({"Ann", "1"}) + ProfileBlock("Ann", "", sent));
    }

    std::unique_ptr<CSubmitterDlg> Open() { return OpenShownWindow(env.Environment()); }

    size_t PageRequests(const std::string& directory) const
    {
        const std::vector<LocalHttpServer::Request> requests = env.server.Requests();
        return static_cast<size_t>(
            std::count_if(requests.begin(), requests.end(), [&](const auto& request) {
                return request.path == "/form/" + directory;
            }));
    }

    SubmitterTestEnvironment env;
};

// The directories of the window's tabs, in the tab bar's order.
QStringList TabDirectories(CSubmitterDlg& window)
{
    QStringList directories;
    for (const CBrowserTab* tab : Inspect(window).Tabs()->Tabs())
        directories.append(QString::fromStdString(tab->Directory()));
    return directories;
}

bool EveryTabIs(CSubmitterDlg& window, TabState state)
{
    const QList<CBrowserTab*> tabs = Inspect(window).Tabs()->Tabs();
    return std::all_of(tabs.begin(), tabs.end(),
                       [state](const CBrowserTab* tab) { return tab->State() == state; });
}

CBrowserTab* TabOf(CSubmitterDlg& window, const std::string& directory)
{
    for (CBrowserTab* tab : Inspect(window).Tabs()->Tabs()) {
        if (tab->Directory() == directory)
            return tab;
    }
    return nullptr;
}

// The page's own form goes off, as the user's press of its button sends it.
void SubmitShownPage(CSubmitterDlg& window)
{
    BrowserDriver(*Inspect(window).Browser())
        .Run(QStringLiteral("document.forms[0].requestSubmit()"));
}

} // namespace

class WorkAheadTest : public QObject
{
    Q_OBJECT

private slots:
    void readyTabsHoldTheNextUnsentDirectoriesEachLoadedOnce();
    void resultsAreReadForEachTabAfterTheUserMovedOn();
    void withWorkingAheadOffOnePageServesEveryDirectory();
    void aBackgroundPageAsksOnlyOnceItsTabIsShown();
    void keysGoFromTabToTabAndCloseAnyButTheLast();
    void aPageOfTheUsersOwnNeverReplacesOneWaitingForItsResult();
};

void WorkAheadTest::readyTabsHoldTheNextUnsentDirectoriesEachLoadedOnce()
{
    FiveDirectories site({"D1"});
    site.env.SetReadyTabs(2);
    auto window = site.Open();

    Inspect(*window).PickDirectoryRow(0);
    // D1 is sent already: the tabs kept ready are D2's and D3's.
    WAIT_COMPARE(TabDirectories(*window), QStringList({"D0", "D2", "D3"}), kTimeoutMs);
    QVERIFY(Inspect(*window).Tabs()->Tabs()[1]->IsKeptReady());
    QCOMPARE(Inspect(*window).Tabs()->CurrentTab()->Directory(), std::string("D0"));
    WAIT_VERIFY(EveryTabIs(*window, TabState::Filled), kTimeoutMs);

    // D3 gets marked by hand meanwhile: its tab is given to D4.
    emit window->findChild<CDirectoryListPanel*>()->markRequested("D3", true);
    WAIT_COMPARE(TabDirectories(*window), QStringList({"D0", "D2", "D4"}), kTimeoutMs);
    WAIT_VERIFY(EveryTabIs(*window, TabState::Filled), kTimeoutMs);

    // Next unsent shows D2 as it is, filled; D0's tab, left without a submission, goes.
    Inspect(*window).NextUnsentButton()->click();
    QCOMPARE(Inspect(*window).Tabs()->CurrentTab()->Directory(), std::string("D2"));
    QCOMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Filled);
    QCOMPARE(Inspect(*window).SelectedDirectoryRow(), 2);
    WAIT_COMPARE(TabDirectories(*window), QStringList({"D2", "D4"}), kTimeoutMs);
    for (const char* directory : {"D0", "D2", "D3", "D4"})
        QVERIFY2(site.PageRequests(directory) == 1, directory);
    QCOMPARE(site.PageRequests("D1"), size_t(0));
}

void WorkAheadTest::resultsAreReadForEachTabAfterTheUserMovedOn()
{
    FiveDirectories site;
    site.env.SetReadyTabs(2);
    auto window = site.Open();

    Inspect(*window).PickDirectoryRow(0);
    WAIT_COMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Filled, kTimeoutMs);
    SubmitShownPage(*window);
    WAIT_COMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Submitted, kTimeoutMs);
    // The user moves on at once; D0's tab keeps its page to read the result.
    Inspect(*window).NextUnsentButton()->click();
    QCOMPARE(Inspect(*window).Tabs()->CurrentTab()->Directory(), std::string("D1"));
    WAIT_COMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Filled, kTimeoutMs);
    SubmitShownPage(*window);
    WAIT_COMPARE(Inspect(*window).Tabs()->PendingResults(), 2, kTimeoutMs);
    QVERIFY(
        Inspect(*window).ProgressStatus()->text().endsWith(QStringLiteral("2 results pending")));
    QVERIFY(site.env.WaitForRequest("/result/D0"));
    QVERIFY(site.env.WaitForRequest("/result/D1"));
    WAIT_VERIFY(
        TabOf(*window, "D0")->Browser()->GetReadyState() == CBrowserCtrl::kReadyStateComplete &&
            TabOf(*window, "D1")->Browser()->GetReadyState() == CBrowserCtrl::kReadyStateComplete,
        kTimeoutMs);

    site.env.now += 3001;
    // Each tab read its own result page: D0's, left behind, closed once read.
    WAIT_VERIFY(!TabOf(*window, "D0"), kTimeoutMs);
    WAIT_COMPARE(TabOf(*window, "D1")->State(), TabState::Sent, kTimeoutMs);
    QCOMPARE(Inspect(*window).Entry(0), QStringLiteral("D0 [sent]"));
    QCOMPARE(Inspect(*window).Entry(1), QStringLiteral("D1 [sent]"));
    QCOMPARE(Inspect(*window).Entry(2), QStringLiteral("D2 [not sent]"));
    QCOMPARE(Inspect(*window).ProgressStatus()->text(),
             QStringLiteral("2 of 5 directories sent for Ann"));
    const std::string state = site.env.ReadProgramFile("sv.dat").value_or("");
    QVERIFY(state.find("D0\r\n") != std::string::npos && state.find("D1\r\n") != std::string::npos);
}

void WorkAheadTest::withWorkingAheadOffOnePageServesEveryDirectory()
{
    FiveDirectories site;
    auto window = site.Open();
    CBrowserCtrl* browser = Inspect(*window).Browser();

    Inspect(*window).PickDirectoryRow(0);
    WAIT_COMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Filled, kTimeoutMs);
    Inspect(*window).NextUnsentButton()->click();
    QCOMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Loading);
    WAIT_COMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Filled, kTimeoutMs);
    QCOMPARE(Inspect(*window).Tabs()->count(), 1);
    QCOMPARE(Inspect(*window).Browser(), browser);
    QVERIFY(Inspect(*window).Tabs()->tabBar()->isHidden());
    QCOMPARE(site.PageRequests("D2"), size_t(0));

    // The fill report belongs to its page: it goes when the user goes to another.
    QVERIFY(!Inspect(*window).FillStatus()->text().isEmpty());
    QVERIFY(BrowserDriver(*browser).Load(QString::fromStdString(site.env.server.Url("/updates/"))));
    QCOMPARE(Inspect(*window).FillStatus()->text(), QString());
}

void WorkAheadTest::aBackgroundPageAsksOnlyOnceItsTabIsShown()
{
    FiveDirectories site({}, "D2");
    site.env.SetReadyTabs(2);
    auto window = site.Open();
    // The page's question holds up the event loop it arrives in, as a dialog does: the user's
    // part is played from inside it.
    bool askedUnseen = false;
    bool shownByClosing = false;
    QTimer user;
    connect(&user, &QTimer::timeout, this, [&] {
        CBrowserTab* tab = TabOf(*window, "D2");
        if (!tab || !tab->IsHoldingDialog())
            return;
        user.stop();
        askedUnseen = QApplication::activeModalWidget() == nullptr;
        // Closing that tab shows it instead: its question is still to be answered.
        Inspect(*window).Tabs()->CloseTab(Inspect(*window).Tabs()->indexOf(tab));
        shownByClosing = Inspect(*window).Tabs()->CurrentTab() == tab;
    });
    user.start(5);
    MessageBoxWatcher watcher;

    Inspect(*window).PickDirectoryRow(0);
    WAIT_VERIFY(watcher.seen.has_value(), kTimeoutMs);
    QVERIFY(askedUnseen);
    QVERIFY(shownByClosing);
    QCOMPARE(watcher.seen->text, QStringLiteral("A question from D2"));
    // Answered, the page loads on and is filled as any other.
    WAIT_COMPARE(TabOf(*window, "D2")->State(), TabState::Filled, kTimeoutMs);
}

void WorkAheadTest::keysGoFromTabToTabAndCloseAnyButTheLast()
{
    FiveDirectories site;
    site.env.SetReadyTabs(1);
    auto window = site.Open();
    Inspect(*window).PickDirectoryRow(0);
    WAIT_COMPARE(TabDirectories(*window), QStringList({"D0", "D1"}), kTimeoutMs);
    CBrowserTabs& tabs = *Inspect(*window).Tabs();

    QTest::keyClick(window.get(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs.CurrentTab()->Directory(), std::string("D1"));
    QCOMPARE(Inspect(*window).SelectedDirectoryRow(), 1);
    QTest::keyClick(window.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs.CurrentTab()->Directory(), std::string("D0"));
    // Closed, D0's tab makes way for D1's, which keeps D2 ready behind it.
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    WAIT_COMPARE(TabDirectories(*window), QStringList({"D1", "D2"}), kTimeoutMs);
    QTest::mouseClick(tabs.tabBar(), Qt::MiddleButton, {}, tabs.tabBar()->tabRect(1).center());
    QCOMPARE(tabs.count(), 1);
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(tabs.count(), 1);
}

void WorkAheadTest::aPageOfTheUsersOwnNeverReplacesOneWaitingForItsResult()
{
    FiveDirectories site;
    auto window = site.Open();
    Inspect(*window).PickDirectoryRow(0);
    WAIT_COMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Filled, kTimeoutMs);
    SubmitShownPage(*window);
    WAIT_COMPARE(Inspect(*window).Tabs()->CurrentTab()->State(), TabState::Submitted, kTimeoutMs);

    // The guide comes in a tab of its own; D0's page goes on to its result.
    Inspect(*window).MenuCommand(QStringLiteral("User Guide"))->trigger();
    QCOMPARE(TabDirectories(*window), QStringList({"D0", ""}));
    QCOMPARE(Inspect(*window).Tabs()->currentIndex(), 1);
    QVERIFY(site.env.WaitForRequest("/result/D0"));
    WAIT_VERIFY(TabOf(*window, "D0")->Browser()->GetReadyState() ==
                    CBrowserCtrl::kReadyStateComplete,
                kTimeoutMs);
    site.env.now += 3001;
    WAIT_COMPARE(Inspect(*window).Entry(0), QStringLiteral("D0 [sent]"), kTimeoutMs);
    WAIT_COMPARE(TabDirectories(*window), QStringList({""}), kTimeoutMs);
}

QTEST_MAIN(WorkAheadTest)
#include "WorkAheadTest.moc"
