// Tabs over the browser: the next unsent directories loaded and filled ahead of the user, and
// result pages read in tabs the user has left.
#include "directory_db/UserDirectoryFile.h"
#include "support/BrowserDriver.h"
#include "support/ModalDialogDriver.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "ui/directory_editor/DirectoryCommands.h"
#include "ui/directory_panel/DirectoryListPanel.h"
#include "ui/profiles/ProfilesConfigurator.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr int kTimeoutMs = BrowserDriver::kTimeoutMs;

// Directories "D0" … "D4" in this order, each with a form of its own and a result page that
// thanks that directory by name, which is its confirmation text. The page of `asking`, if any,
// asks the user something (`question`: alert, confirm or prompt) as it loads. Ann is the
// current profile, Bob another.
class FiveDirectories
{
public:
    explicit FiveDirectories(std::initializer_list<std::string> sent = {},
                             const std::string& asking = {}, const std::string& question = "alert")
    {
        env.server.server.Get(R"(/form/(D\d))", [asking, question](const httplib::Request& request,
                                                                   httplib::Response& response) {
            const std::string name = request.matches[1];
            const std::string ask =
                name == asking ? "<script>" + question + "('A question from " + name + "')</script>"
                               : "";
            response.set_content("<html><body><form action=\"/result/" + name +
                                     "\" method=\"post\"><input name=\"title\">" + ask +
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
        env.WriteProgramFile("sv.dat", StateFileLines({"Ann", "2"}) +
                                           ProfileBlock("Ann", "", sent) + ProfileBlock("Bob", ""));
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

// Answers the next question a page asks in front (an alert's or a confirm's box, a prompt's
// dialog) from inside its own event loop, and keeps its text.
class PageQuestionAnswerer
{
public:
    PageQuestionAnswerer()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
        m_poll.start(5);
    }

    std::optional<QString> asked;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            asked = box->text();
        else if (auto* input = qobject_cast<QInputDialog*>(modal))
            asked = input->labelText();
        else
            return;
        m_poll.stop();
        qobject_cast<QDialog*>(modal)->accept();
    }

    QTimer m_poll;
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
    void aQuestionFromAnUnseenPageHoldsUpNothing_data();
    void aQuestionFromAnUnseenPageHoldsUpNothing();
    void aReadyTabIsShownOnlyForWhatItWasFilledFor_data();
    void aReadyTabIsShownOnlyForWhatItWasFilledFor();
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

void WorkAheadTest::aQuestionFromAnUnseenPageHoldsUpNothing_data()
{
    QTest::addColumn<QString>("question");
    QTest::newRow("alert") << "alert";
    QTest::newRow("confirm") << "confirm";
    QTest::newRow("prompt") << "prompt";
}

void WorkAheadTest::aQuestionFromAnUnseenPageHoldsUpNothing()
{
    QFETCH(QString, question);
    FiveDirectories site({}, "D1", question.toStdString());
    site.env.SetReadyTabs(2);
    auto window = site.Open();
    CBrowserTabs& tabs = *Inspect(*window).Tabs();
    const auto d1Asked = [&window] {
        return TabOf(*window, "D1") && TabOf(*window, "D1")->HasUnansweredQuestion();
    };
    {
        // A question that held up the event loop would keep the dialog below from returning
        // until its tab was shown: the user finds it at last.
        bool rescued = false;
        QTimer rescue;
        rescue.setSingleShot(true);
        connect(&rescue, &QTimer::timeout, this, [&] {
            rescued = true;
            if (CBrowserTab* tab = TabOf(*window, "D1"))
                tabs.setCurrentWidget(tab);
        });
        rescue.start(2 * kTimeoutMs);
        PageQuestionAnswerer rescuedQuestion;

        // The user picks D0 and opens Manage Profiles while D1's page loads in the background
        // and asks; the page shown still answers its scripts, and the dialog, closed, returns
        // at once.
        Inspect(*window).PickDirectoryRow(0);
        std::optional<QVariant> answer;
        ModalDialogDriver<CProfilesConfigurator> profiles([&](CProfilesConfigurator& dialog) {
            if (WaitUntil(d1Asked, kTimeoutMs))
                answer = BrowserDriver(tabs.CurrentBrowser()).Run(QStringLiteral("6 * 7"));
            dialog.reject();
        });
        window->OnManageProfiles();
        QVERIFY(profiles.acted);
        QVERIFY(!rescued);
        QCOMPARE(answer.value_or(QVariant()).toInt(), 42);
        QCOMPARE(tabs.CurrentTab()->Directory(), std::string("D0"));
    }

    // Its tab says that it waits; shown, the page asks again, in front, and is filled.
    WAIT_VERIFY(d1Asked() && TabOf(*window, "D1")->State() == TabState::Filled, kTimeoutMs);
    CBrowserTab* asking = TabOf(*window, "D1");
    QCOMPARE(tabs.tabText(tabs.indexOf(asking)), QStringLiteral("? D1"));
    QVERIFY(tabs.tabToolTip(tabs.indexOf(asking)).contains(QStringLiteral("waits for an answer")));
    PageQuestionAnswerer user;
    tabs.setCurrentWidget(asking);
    WAIT_COMPARE(user.asked, std::optional(QStringLiteral("A question from D1")), kTimeoutMs);
    WAIT_COMPARE(asking->State(), TabState::Filled, kTimeoutMs);
    QVERIFY(!asking->HasUnansweredQuestion());
}

void WorkAheadTest::aReadyTabIsShownOnlyForWhatItWasFilledFor_data()
{
    QTest::addColumn<bool>("byImport");    // else another profile is picked
    QTest::addColumn<QString>("asking");   // the directory whose page asks a question, if any
    QTest::addColumn<QString>("value");    // what D1's title field holds once shown
    QTest::addColumn<bool>("openedAgain"); // its tab was kept and says why it loaded anew

    QTest::newRow("another profile") << false << ""
                                     << "Bob title" << false;
    QTest::newRow("another profile, its page asking") << false << "D1"
                                                      << "Bob title" << false;
    QTest::newRow("its rules replaced") << true << ""
                                        << "Ann@example.com" << true;
    QTest::newRow("its rules replaced, its page asking") << true << "D1"
                                                         << "Ann@example.com" << true;
}

void WorkAheadTest::aReadyTabIsShownOnlyForWhatItWasFilledFor()
{
    QFETCH(bool, byImport);
    QFETCH(QString, asking);
    QFETCH(QString, value);
    QFETCH(bool, openedAgain);
    FiveDirectories site({}, asking.toStdString());
    site.env.SetReadyTabs(1);
    auto window = site.Open();
    CBrowserTabs& tabs = *Inspect(*window).Tabs();
    PageQuestionAnswerer user;

    Inspect(*window).PickDirectoryRow(0);
    WAIT_VERIFY(TabOf(*window, "D1") && TabOf(*window, "D1")->State() == TabState::Filled,
                kTimeoutMs);
    if (byImport) {
        // A list the user imports takes D1's place: its title field gets the e-mail now.
        DirectoryRecord record{.name = "D1", .submitUrl = site.env.server.Url("/form/D1")};
        record.confirmation = "Thanks, D1";
        record.items = {{.name = "title", .type = FieldType::Edit, .value = "#email#"}};
        QVERIFY(window->findChild<CDirectoryCommands*>()->ChangeUserDirectories(
            [&record](CUserDirectoryFile& file) { file.Put(record); }));
    } else {
        Inspect(*window).ProfileCombo()->setCurrentIndex(
            Inspect(*window).ProfileCombo()->findText(QStringLiteral("Bob")));
        QCOMPARE(Inspect(*window).CurrentProfile().name, std::string("Bob"));
    }
    WAIT_VERIFY(TabOf(*window, "D1") && TabOf(*window, "D1")->State() == TabState::Filled,
                kTimeoutMs);

    CBrowserTab* shown = TabOf(*window, "D1");
    tabs.setCurrentWidget(shown);
    WAIT_COMPARE(shown->State(), TabState::Filled, kTimeoutMs);
    QCOMPARE(BrowserDriver(*shown->Browser())
                 .RunText(QStringLiteral("document.querySelector('[name=title]').value")),
             value);
    // A page that asked in the background asks again, in front.
    QCOMPARE(user.asked.has_value(), !asking.isEmpty());
    QCOMPARE(tabs.tabToolTip(tabs.indexOf(shown)).contains(QStringLiteral("Opened again")),
             openedAgain);
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
    Inspect(*window).MenuCommand(QStringLiteral("User &Guide"))->trigger();
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
