// One page's submission session on a browser of its own, without a main window: the page opened
// for a directory is filled from the profile, its form's submission is noticed, and the result
// page is read for the confirmation once the settle time has passed.
#include "ui/tabs/SubmissionSession.h"

#include "directory_db/DirectoryDatabase.h"
#include "profiles/ProfileStore.h"
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/FileBytes.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingPresenter.h"
#include "support/TemporaryFolder.h"
#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/profiles/CurrentProfile.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebChannel>

namespace {

constexpr char kFormPage[] = "<html><body><form action=\"/result\" method=\"post\">"
                             "<input name=\"title\"><button id=\"send\">Send</button>"
                             "</form></body></html>";

} // namespace

class SubmissionSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void aPageAloneIsFilledSubmittedAndConfirmed()
    {
        LocalHttpServer server;
        server.server.Get("/form", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(kFormPage, "text/html");
        });
        server.server.Post("/result", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><body>Thank you</body></html>", "text/html");
        });
        server.Start();
        TemporaryFolder folder;
        WriteWholeFile(folder.File("dirdata.xml"),
                       "<r><directory name=\"Alpha\" submiturl=\"" + server.Url("/form") +
                           "\" onsubmit=\"Thank you\"><item name=\"title\" index=\"0\" "
                           "value=\"#title#\" type=\"edit\"/></directory></r>");
        RecordingPresenter messages;
        CDirectoryDatabase database(messages);
        QVERIFY(database.LoadFile(folder.File("dirdata.xml")));
        CProfileStore store;
        ProfileRecord ann;
        ann.name = "Ann";
        ann.title = "Ann's feed";
        store.AddProfile(ann);
        CCurrentProfile profile(store, DataFolder::At(folder.File("")), messages, nullptr);
        QVERIFY(profile.Pick("Ann"));

        CBrowserCtrl browser;
        ChannelProbe probe;
        browser.Channel()->registerObject(QStringLiteral("probe"), &probe);
        browser.resize(800, 600);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        BrowserDriver driver(browser);
        uint32_t now = 1000;
        CSubmissionSession session(
            browser, database, profile, [&now] { return now; }, messages, nullptr);
        QSignalSpy submitted(&session, &CSubmissionSession::submitted);
        QSignalSpy confirmed(&session, &CSubmissionSession::confirmed);
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, &session, &CSubmissionSession::Tick);
        ticks.start(100);

        session.OpenDirectory("Alpha");
        QVERIFY(session.Snapshot().fillPending);
        QVERIFY(WaitUntil(
            [&] {
                return !session.Snapshot().fillPending &&
                       driver.RunText(QStringLiteral("document.forms[0].title.value")) ==
                           QStringLiteral("Ann's feed");
            },
            BrowserDriver::kTimeoutMs));

        QVERIFY(driver.WaitForRenderedFrame(probe.renderedFrames));
        driver.Click(QStringLiteral("send"));
        WAIT_VERIFY(session.Snapshot().submitted, BrowserDriver::kTimeoutMs);
        QCOMPARE(session.Snapshot().submitTime, uint32_t(1000));
        QCOMPARE(submitted.count(), 1);
        QVERIFY(WaitUntil(
            [&] {
                return browser.url().path() == QStringLiteral("/result") &&
                       browser.GetReadyState() == CBrowserCtrl::kReadyStateComplete;
            },
            BrowserDriver::kTimeoutMs));
        // Not before the settle time has passed, however many ticks come.
        int ticked = 0;
        connect(&ticks, &QTimer::timeout, this, [&ticked] { ++ticked; });
        QVERIFY(WaitUntil([&ticked] { return ticked >= 3; }, BrowserDriver::kTimeoutMs));
        QCOMPARE(confirmed.count(), 0);
        now += 3001;
        WAIT_COMPARE(confirmed.count(), 1, BrowserDriver::kTimeoutMs);
        QCOMPARE(confirmed.at(0).at(0).value<std::string>(), std::string("Ann"));
        QCOMPARE(confirmed.at(0).at(1).value<std::string>(), std::string("Alpha"));
        QVERIFY(messages.messages.empty());
    }
};

QTEST_MAIN(SubmissionSessionTest)
#include "SubmissionSessionTest.moc"
