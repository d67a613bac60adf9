// One page's submission session on a browser of its own, without a main window: the page opened
// for a directory is filled from the profile, its form's submission is noticed, and the result
// page is read for the confirmation once the settle time has passed.
#include "ui/tabs/SubmissionSession.h"

#include "support/DirectorySessionRig.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"

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
        DirectorySessionRig rig;
        QVERIFY(rig.Start("<directory name=\"Alpha\" submiturl=\"" + server.Url("/form") +
                          "\" onsubmit=\"Thank you\"><item name=\"title\" index=\"0\" "
                          "value=\"#title#\" type=\"edit\"/></directory>"));
        CSubmissionSession& session = *rig.session;
        CBrowserCtrl& browser = rig.browser;
        BrowserDriver& driver = rig.driver;
        QSignalSpy submitted(&session, &CSubmissionSession::submitted);
        QSignalSpy confirmed(&session, &CSubmissionSession::confirmed);

        session.OpenDirectory("Alpha");
        QVERIFY(session.Snapshot().fillPending);
        QVERIFY(WaitUntil(
            [&] {
                return !session.Snapshot().fillPending &&
                       driver.RunText(QStringLiteral("document.forms[0].title.value")) ==
                           QStringLiteral("Ann's feed");
            },
            BrowserDriver::kTimeoutMs));

        QVERIFY(driver.WaitForRenderedFrame(rig.probe.renderedFrames));
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
        rig.OnTick(this, [&ticked] { ++ticked; });
        QVERIFY(WaitUntil([&ticked] { return ticked >= 3; }, BrowserDriver::kTimeoutMs));
        QCOMPARE(confirmed.count(), 0);
        rig.now += 3001;
        WAIT_COMPARE(confirmed.count(), 1, BrowserDriver::kTimeoutMs);
        QCOMPARE(confirmed.at(0).at(0).value<std::string>(), std::string("Ann"));
        QCOMPARE(confirmed.at(0).at(1).value<std::string>(), std::string("Alpha"));
        QVERIFY(rig.messages.messages.empty());
    }
};

QTEST_MAIN(SubmissionSessionTest)
#include "SubmissionSessionTest.moc"
