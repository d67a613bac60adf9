#include "support/SubmitterTestEnvironment.h"
#include "support/WaitUntil.h"
#include "support/WidgetTexts.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/update/UpdateDialog.h"

#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTest>
#include <memory>

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
    static std::unique_ptr<CSubmitterDlg> OpenWindow(SubmitterTestEnvironment& env)
    {
        auto window = std::make_unique<CSubmitterDlg>(env.Environment());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not exposed");
        const bool loaded = WaitUntil(
            [&] {
                return window->m_browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete &&
                       window->m_browser->url().path() == kStartPage;
            },
            15000);
        if (!loaded)
            qWarning("the start page did not load");
        // The page-filling timer would act on the state below; only the update may touch it here.
        window->m_timer.stop();
        const QSignalBlocker blocker(window->m_directoryList);
        window->m_directoryList->setCurrentRow(1);
        window->m_currentDirectory = "Beta";
        window->m_fillPending = true;
        window->m_submitted = true;
        return window;
    }

    static void VerifyPageStateKept(const CSubmitterDlg& window)
    {
        QCOMPARE(window.m_currentDirectory, std::string("Beta"));
        QVERIFY(window.m_fillPending);
        QVERIFY(window.m_submitted);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_temporary.isValid());
        // ddupdate.xml goes into this test's own folder.
        qputenv("TMPDIR", m_temporary.path().toUtf8());
    }

    void successReloadsTheListWithoutSelectionOnABlankPage_data()
    {
        QTest::addColumn<bool>("withProfile");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("current profile")
            << true << QStringList{"Gamma [not sent]", "Beta [sent]", "Delta [not sent]"};
        QTest::newRow("no profile") << false << QStringList{"Gamma", "Beta", "Delta"};
    }

    void successReloadsTheListWithoutSelectionOnABlankPage()
    {
        QFETCH(bool, withProfile);
        QFETCH(QStringList, entries);
        SubmitterTestEnvironment env;
        Prepare(env, 200, withProfile);
        auto window = OpenWindow(env);

        window->OnUpdateDatabase();

        QCOMPARE(env.windowMessages.messages,
                 (std::vector<RecordingPresenter::Message>{
                     {"Update successful", "Update", MessageIcon::None}}));
        QCOMPARE(env.ReadProgramFile("dirdata.xml"), std::optional(kNewDatabase));
        QCOMPARE(Entries(*window->m_directoryList), entries);
        QCOMPARE(window->m_directoryList->currentRow(), -1);
        QVERIFY(window->m_directoryList->selectedItems().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(window->m_browser->url(), QUrl(QStringLiteral("about:blank")),
                                  15000);
        VerifyPageStateKept(*window);
        const auto request = env.WaitForRequest(kUpdatePath);
        QVERIFY(request);
        QCOMPARE(request->headers.find("User-Agent")->second,
                 std::string("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR "
                             "1.1.4322)"));
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
        const QUrl page = window->m_browser->url();
        std::optional<InternalErrorInjector> injector;
        if (internalError)
            injector.emplace();

        window->OnUpdateDatabase();

        QCOMPARE(env.windowMessages.messages,
                 (std::vector<RecordingPresenter::Message>{{text.toStdString(), "Error", icon}}));
        QCOMPARE(env.RequestCount(kUpdatePath), size_t{internalError ? 0u : 1u});
        QCOMPARE(env.ReadProgramFile("dirdata.xml"), std::optional(kOldDatabase));
        QCOMPARE(Entries(*window->m_directoryList),
                 (QStringList{"Alpha [not sent]", "Beta [sent]"}));
        QCOMPARE(window->m_directoryList->currentRow(), 1);
        QCOMPARE(window->m_browser->url(), page);
        VerifyPageStateKept(*window);
    }

private:
    QTemporaryDir m_temporary;
};

QTEST_MAIN(UpdateDatabaseTest)
#include "UpdateDatabaseTest.moc"
