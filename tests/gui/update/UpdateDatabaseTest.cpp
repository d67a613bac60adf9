#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WaitUntil.h"
#include "support/WidgetTexts.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/update/UpdateDialog.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <thread>

Q_DECLARE_METATYPE(MessageIcon)

namespace {

constexpr const char* kUpdatePath = "/updates/demo.xml";
const QString kStartPage = QStringLiteral("/updates/");
// No page of these directories is ever opened.
const std::string kOldDatabase =
    DirectoryDatabaseXml({PlainDirectory("Alpha", "http://127.0.0.1:9/a"),
                          PlainDirectory("Beta", "http://127.0.0.1:9/b")});
const std::string kNewDatabase =
    DirectoryDatabaseXml({PlainDirectory("Gamma", "http://127.0.0.1:9/g"),
                          PlainDirectory("Beta", "http://127.0.0.1:9/b"),
                          PlainDirectory("Delta", "http://127.0.0.1:9/d")});

// Ends every update dialog with an internal error as soon as it shows, before its download
// could start: what the user sees when the worker thread cannot be started.
class InternalErrorInjector : public QObject
{
public:
    InternalErrorInjector() { qApp->installEventFilter(this); }
    ~InternalErrorInjector() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<CUpdateDialog*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            QMetaObject::invokeMethod(
                dialog, [dialog] { dialog->done(-1); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

class UpdateDatabaseTest : public QObject
{
    Q_OBJECT

private:
    // Profile Blog, current, has sent to Beta; the database lists Alpha and Beta; the update
    // answers with `status` and a database listing Gamma, Beta and Delta.
    static void Prepare(SubmitterTestEnvironment& env, int status, bool withProfile = true)
    {
        env.WriteProgramFile("dirdata.xml", kOldDatabase);
        if (withProfile) {
            env.WriteProgramFile("sv.dat", StateFileLines({"Blog", "1"}) +
                                               ProfileBlock("Blog", "", {"Beta"}));
        }
        env.server.server.Get(kUpdatePath,
                              [=](const httplib::Request&, httplib::Response& response) {
                                  response.status = status;
                                  response.set_content(kNewDatabase, "text/xml");
                              });
        env.Start();
    }

    // A window showing its start page, with Beta picked and a page waiting to be filled.
    static std::unique_ptr<CSubmitterDlg> OpenWindow(SubmitterTestEnvironment& env,
                                                     bool submitted = true)
    {
        auto window = std::make_unique<CSubmitterDlg>(env.Environment());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not exposed");
        const bool loaded = WaitUntil(
            [&] {
                return Inspect(*window).Browser()->GetReadyState() ==
                           CBrowserCtrl::kReadyStateComplete &&
                       Inspect(*window).Browser()->url().path() == kStartPage;
            },
            15000);
        if (!loaded || !Inspect(*window).WaitForDatabase())
            qWarning("the start page or the database did not load");
        // The page-filling timer would act on the state below; only the update may touch it here.
        Inspect(*window).Timer()->stop();
        Inspect(*window).SelectDirectoryRowQuietly(1);
        Inspect(*window).SetPageState("Beta", true, submitted);
        return window;
    }

    static void VerifyNewDatabaseInstalled(const SubmitterTestEnvironment& env)
    {
        QCOMPARE(env.windowMessages.messages,
                 (std::vector<RecordingPresenter::Message>{
                     {"Update successful", "Update", MessageIcon::None}}));
        QCOMPARE(env.ReadProgramFile("dirdata.xml"), std::optional(kNewDatabase));
    }

    // The page's directory stays. Its pending fill goes with the page when a blank one takes
    // its place: it was for the directory's page only.
    static void VerifyPageState(CSubmitterDlg& window, bool fillPending, bool submitted)
    {
        QCOMPARE(Inspect(window).CurrentDirectory(), std::string("Beta"));
        QCOMPARE(Inspect(window).FillPending(), fillPending);
        QCOMPARE(Inspect(window).Submitted(), submitted);
    }

private slots:
    void successReloadsTheListWithoutSelection_data()
    {
        QTest::addColumn<bool>("withProfile");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("submitted"); // the page shown waits for its result
        QTest::newRow("current profile")
            << true << QStringList{"Gamma [not sent]", "Beta [sent]", "Delta [not sent]"} << false;
        QTest::newRow("no profile") << false << QStringList{"Gamma", "Beta", "Delta"} << false;
        QTest::newRow("result awaited")
            << true << QStringList{"Gamma [not sent]", "Beta [sent]", "Delta [not sent]"} << true;
    }

    void successReloadsTheListWithoutSelection()
    {
        QFETCH(bool, withProfile);
        QFETCH(QStringList, entries);
        QFETCH(bool, submitted);
        SubmitterTestEnvironment env;
        Prepare(env, 200, withProfile);
        auto window = OpenWindow(env, submitted);

        window->OnUpdateDatabase();

        VerifyNewDatabaseInstalled(env);
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()), entries);
        QCOMPARE(Inspect(*window).CurrentDirectoryRow(), -1);
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), -1);
        // A page waiting for its result keeps it; any other makes way for a blank one.
        if (submitted)
            QCOMPARE(Inspect(*window).Browser()->url().path(), kStartPage);
        else
            WAIT_COMPARE(Inspect(*window).Browser()->url(), QUrl(QStringLiteral("about:blank")),
                         15000);
        VerifyPageState(*window, submitted, submitted);
        const auto request = env.WaitForRequest(kUpdatePath);
        QVERIFY(request);
        QCOMPARE(request->headers.find("User-Agent")->second,
                 std::string("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR "
                             "1.1.4322)"));
    }

    // Settings > Database Source chose another address: the update downloads from it alone.
    void updateDownloadsFromTheChosenSource()
    {
        SubmitterTestEnvironment env;
        env.server.server.Get("/mirror/d.xml", [](const httplib::Request&, httplib::Response& r) {
            r.set_content(kNewDatabase, "text/xml");
        });
        Prepare(env, 404);
        env.WriteProgramFile("kestrine.conf",
                             "[update]\nsource=" + env.server.Url("/mirror/d.xml") + "\n");
        auto window = OpenWindow(env);

        window->OnUpdateDatabase();

        VerifyNewDatabaseInstalled(env);
        QVERIFY(env.WaitForRequest("/mirror/d.xml"));
        for (const LocalHttpServer::Request& request : env.server.Requests())
            QVERIFY(request.path != kUpdatePath);
    }

    // A data folder that still reads the installed database it could not copy: the update
    // gives the folder its own copy and leaves the installed one alone.
    void updateReplacesTheUsersCopyNotTheInstalledOne()
    {
        SubmitterTestEnvironment env;
        Prepare(env, 200);
        env.WriteProgramFile("installed.xml", kOldDatabase);
        QVERIFY(std::filesystem::remove(env.ProgramFolder() + "dirdata.xml"));
        SubmitterEnvironment environment = env.Environment();
        environment.dataFolder.databaseFile = env.ProgramFolder() + "installed.xml";
        CSubmitterDlg window(environment);
        QVERIFY(Inspect(window).WaitForDatabase());
        QCOMPARE(Entries(*Inspect(window).DirectoryList()),
                 (QStringList{"Alpha [not sent]", "Beta [sent]"}));

        window.OnUpdateDatabase();

        VerifyNewDatabaseInstalled(env);
        QCOMPARE(env.ReadProgramFile("installed.xml"), std::optional(kOldDatabase));
        QCOMPARE(Entries(*Inspect(window).DirectoryList()),
                 (QStringList{"Gamma [not sent]", "Beta [sent]", "Delta [not sent]"}));
    }

    // The start-up read that ends after an update must not put the old database back: the
    // update waits for it and loads its own database afterwards.
    void aLateStartupReadDoesNotUndoAnUpdate()
    {
        SubmitterTestEnvironment env;
        std::promise<void> served;
        env.server.server.Get(kUpdatePath,
                              [&](const httplib::Request&, httplib::Response& response) {
                                  response.set_content(kNewDatabase, "text/xml");
                                  served.set_value();
                              });
        env.Start();
        // The start-up read waits on a pipe until the update has been downloaded.
        const std::string pipe = env.ProgramFolder() + "installed.xml";
        QCOMPARE(mkfifo(pipe.c_str(), 0600), 0);
        std::thread oldDatabase([&, downloaded = served.get_future()] {
            downloaded.wait_for(std::chrono::seconds(15));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            std::ofstream(pipe, std::ios::binary) << kOldDatabase;
        });
        SubmitterEnvironment environment = env.Environment();
        environment.dataFolder.databaseFile = pipe;
        CSubmitterDlg window(environment);

        window.OnUpdateDatabase();
        oldDatabase.join();

        QVERIFY(Inspect(window).WaitForDatabase());
        QTest::qWait(200);
        QCOMPARE(Entries(*Inspect(window).DirectoryList()),
                 (QStringList{"Gamma", "Beta", "Delta"}));
    }

    void failuresLeaveDatabaseListAndPage_data()
    {
        QTest::addColumn<bool>("internalError");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MessageIcon>("icon");
        QTest::newRow("retrieval failed")
            << false << QStringLiteral("The update could not be retrieved")
            << MessageIcon::Exclamation;
        QTest::newRow("internal error")
            << true << QStringLiteral("Internal error") << MessageIcon::Error;
    }

    void failuresLeaveDatabaseListAndPage()
    {
        QFETCH(bool, internalError);
        QFETCH(QString, text);
        QFETCH(MessageIcon, icon);
        SubmitterTestEnvironment env;
        Prepare(env, 404);
        auto window = OpenWindow(env);
        const QUrl page = Inspect(*window).Browser()->url();
        std::optional<InternalErrorInjector> injector;
        if (internalError)
            injector.emplace();

        window->OnUpdateDatabase();

        QCOMPARE(env.windowMessages.messages,
                 (std::vector<RecordingPresenter::Message>{{text.toStdString(), "Error", icon}}));
        // The test server notes a request once its answer has gone out, a moment after the
        // window may have read it.
        WAIT_COMPARE(env.RequestCount(kUpdatePath), size_t{internalError ? 0u : 1u}, 5000);
        QCOMPARE(env.ReadProgramFile("dirdata.xml"), std::optional(kOldDatabase));
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()),
                 (QStringList{"Alpha [not sent]", "Beta [sent]"}));
        QCOMPARE(Inspect(*window).CurrentDirectoryRow(), 1);
        QCOMPARE(Inspect(*window).Browser()->url(), page);
        VerifyPageState(*window, true, true);
    }
};

QTEST_MAIN(UpdateDatabaseTest)
#include "UpdateDatabaseTest.moc"
