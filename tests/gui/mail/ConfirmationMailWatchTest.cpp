// The window's watch for confirmation mails: the count in the status bar as mails arrive, the
// link opened on the user's command, and a refused login that is not tried again until the
// settings change; in the whole window, the entry and the tab that say so, Enter that opens the
// link, and the page it opens that records the confirmation for the history and the report.
#include "common/DataFolder.h"
#include "history/HistoryStore.h"
#include "history/ReportExport.h"
#include "support/DovecotServer.h"
#include "support/FileBytes.h"
#include "support/SubmitterSession.h"
#include "support/TemporaryFolder.h"
#include "support/WaitUntil.h"
#include "ui/mail/ConfirmationMails.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <chrono>

namespace {

constexpr int kWaitMs = 30000;
// Longer than any test: only the start, submissions and new settings make it look.
constexpr int kNoTimedLooks = 10 * 60 * 1000;

std::string Confirmation(const std::string& site)
{
    return "From: Robot <robot@" + site + ">\r\nSubject: Please confirm\r\n\r\nConfirm: https://" +
           site + "/confirm\r\n";
}

int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

int64_t AnHourAgo()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
               .count() -
           60 * 60 * 1000;
}

} // namespace

class ConfirmationMailWatchTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void countsTheMailsAndOpensALinkOnlyWhenAsked();
    void aRefusedLoginWaitsForNewSettings();
    void aMailArrivingLaterIsFoundWithoutBeingAskedFor();
    void theWindowOffersTheLinkAndRecordsTheConfirmedPage_data();
    void theWindowOffersTheLinkAndRecordsTheConfirmedPage();

private:
    void Configure(const std::string& passwordCommand);

    std::unique_ptr<TemporaryFolder> m_folder;
    std::unique_ptr<DovecotServer> m_dovecot;
};

void ConfirmationMailWatchTest::init()
{
    m_folder = std::make_unique<TemporaryFolder>();
    m_dovecot = std::make_unique<DovecotServer>();
    QVERIFY2(m_dovecot->Start(), m_dovecot->Log().c_str());
    CHistoryStore history;
    QVERIFY(history.Open(m_folder->File("history.sqlite")).ok);
    const int64_t anHourAgo = AnHourAgo();
    for (const char* directory : {"alpha", "beta"})
        QVERIFY(history
                    .Append({anHourAgo, "Blog", directory, HistoryEventKind::Submitted, 0, 0,
                             std::string("https://") + directory + ".example/submit"})
                    .ok);
}

void ConfirmationMailWatchTest::Configure(const std::string& passwordCommand)
{
    WriteWholeFile(m_folder->File("kestrine.conf"),
                   "[mail]\nserver=" + m_dovecot->ImapAddress() + "\nuser=" + DovecotServer::kUser +
                       "\npassword-command=" + passwordCommand + "\n");
}

void ConfirmationMailWatchTest::countsTheMailsAndOpensALinkOnlyWhenAsked()
{
    Configure("printf secret");
    QVERIFY(m_dovecot->Append(Confirmation("alpha.example")));
    QStatusBar statusBar;
    CConfirmationMails mails(
        DataFolder::At(m_folder->Path()), statusBar,
        [] { return std::optional<std::string>("alpha"); }, nullptr,
        CConfirmationMails::WindowLimits(), kNoTimedLooks);
    QSignalSpy opened(&mails, &CConfirmationMails::linkOpening);
    QSignalSpy announced(&mails, &CConfirmationMails::announced);
    auto* count = statusBar.findChild<QLabel*>(QStringLiteral("confirmationMailsWaiting"));
    QVERIFY(count);
    QVERIFY(WaitUntil([&] { return mails.Waiting().size() == 1; }, kWaitMs));
    QCOMPARE(count->text(), QStringLiteral("1 confirmation mail waiting"));

    QVERIFY(m_dovecot->Append(Confirmation("beta.example")));
    mails.LookAfterSubmission();
    QVERIFY(WaitUntil([&] { return mails.Waiting().size() == 2; }, kWaitMs));
    QCOMPARE(count->text(), QStringLiteral("2 confirmation mails waiting"));
    QCOMPARE(count->accessibleName(), count->text());
    QCOMPARE(announced.last().at(0).toString(), count->text());
    QCOMPARE(opened.count(), 0);

    QVERIFY(mails.OpenLinkOf("alpha"));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toString(), QStringLiteral("https://alpha.example/confirm"));
    QCOMPARE(count->text(), QStringLiteral("1 confirmation mail waiting"));
    // An opened link is not offered again, however often the mailbox is read.
    mails.LookAfterSubmission();
    QVERIFY(WaitUntil([&] { return Count(m_dovecot->Log(), "Login: user=<kim>") >= 3; }, kWaitMs));
    QVERIFY(!mails.OpenLinkOf("alpha"));
}

void ConfirmationMailWatchTest::aRefusedLoginWaitsForNewSettings()
{
    Configure("printf guess");
    QStatusBar statusBar;
    CConfirmationMails mails(
        DataFolder::At(m_folder->Path()), statusBar, [] { return std::nullopt; }, nullptr,
        CConfirmationMails::WindowLimits(), kNoTimedLooks);
    QSignalSpy announced(&mails, &CConfirmationMails::announced);
    QVERIFY(WaitUntil([&] { return announced.count() == 1; }, kWaitMs));
    QVERIFY2(announced.at(0).at(0).toString().contains(QStringLiteral("login refused")),
             qPrintable(announced.at(0).at(0).toString()));
    for (int submission = 0; submission < 3; ++submission)
        mails.LookAfterSubmission();
    Configure("printf secret");
    mails.SettingsChanged();
    QVERIFY(WaitUntil([&] { return Count(m_dovecot->Log(), "Login: user=<kim>") >= 1; }, kWaitMs));
    // One refusal: the submissions in between did not try the wrong password again.
    QCOMPARE(Count(m_dovecot->Log(), "Password mismatch"), 1);
}

void ConfirmationMailWatchTest::aMailArrivingLaterIsFoundWithoutBeingAskedFor()
{
    Configure("printf secret");
    QStatusBar statusBar;
    CConfirmationMails mails(
        DataFolder::At(m_folder->Path()), statusBar, [] { return std::nullopt; }, nullptr,
        CConfirmationMails::WindowLimits(), kNoTimedLooks);
    // The look at start, and the watch it starts on the same mailbox.
    QVERIFY(WaitUntil([&] { return Count(m_dovecot->Log(), "Login: user=<kim>") >= 2; }, kWaitMs));
    QVERIFY(mails.Waiting().empty());
    QVERIFY(m_dovecot->Append(Confirmation("beta.example")));
    // Neither a submission nor the timer: only the server's word that a mail came.
    QVERIFY(WaitUntil([&] { return mails.Waiting().size() == 1; }, kWaitMs));
    QCOMPARE(mails.Waiting().front().directory, std::string("beta"));
}

void ConfirmationMailWatchTest::theWindowOffersTheLinkAndRecordsTheConfirmedPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("the directory's confirmation text") << QStringLiteral("<p>Thank you</p>");
    QTest::newRow("confirmed in words") << QStringLiteral("<h1>Your feed is now CONFIRMED</h1>");
}

void ConfirmationMailWatchTest::theWindowOffersTheLinkAndRecordsTheConfirmedPage()
{
    QFETCH(QString, page);
    SubmitterTestEnvironment env;
    env.server.server.Get("/form", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<form><input name=title></form>", "text/html");
    });
    env.server.server.Get("/confirm", [page](const httplib::Request&, httplib::Response& response) {
        response.set_content(page.toStdString(), "text/html");
    });
    env.Start();
    env.WriteProgramFile("dirdata.xml",
                         DirectoryDatabaseXml({PlainDirectory("Alpha", env.server.Url("/form"))}));
    env.WriteProgramFile("sv.dat",
                         StateFileLines({"Alice"}) + "1\r\n" + ProfileBlock("Alice", "Business"));
    env.WriteProgramFile("kestrine.conf",
                         "[tabs]\nready=0\n[mail]\nserver=" + m_dovecot->ImapAddress() + "\nuser=" +
                             DovecotServer::kUser + "\npassword-command=printf secret\n");
    {
        CHistoryStore history;
        QVERIFY(history.Open(env.ProgramFolder() + "history.sqlite").ok);
        QVERIFY(history
                    .Append({AnHourAgo(), "Alice", "Alpha", HistoryEventKind::Submitted, 0, 0,
                             env.server.Url("/form")})
                    .ok);
    }
    const std::string link = env.server.Url("/confirm?key=7");
    QVERIFY(m_dovecot->Append("From: robot@127.0.0.1\r\nSubject: Please confirm\r\n\r\n"
                              "Confirm your feed: " +
                              link + "\r\n"));

    SubmitterSession session(env);
    QVERIFY(session.Open());
    SubmitterDlgInspector window = Inspect(session.Window());
    QVERIFY(session.ChooseDirectory(0));
    QVERIFY(WaitUntil([&] { return !window.FillPending(); }, kWaitMs));
    const QModelIndex entry = window.DirectoryList()->model()->index(0, 0);
    QVERIFY(WaitUntil(
        [&] {
            return entry.data(Qt::AccessibleDescriptionRole)
                .toString()
                .endsWith(QStringLiteral("confirmation mail arrived"));
        },
        kWaitMs));
    QTabBar* tabBar = window.Tabs()->tabBar();
    QVERIFY(WaitUntil(
        [&] {
            return tabBar->accessibleTabName(0) ==
                   QStringLiteral("Alpha: Filled, confirmation mail arrived");
        },
        kWaitMs));
    QCOMPARE(env.RequestCount("/confirm"), size_t(0)); // never without the user

    window.DirectoryList()->setFocus();
    QTest::keyClick(window.DirectoryList(), Qt::Key_Return);
    std::vector<HistoryEvent> events;
    QVERIFY(WaitUntil(
        [&] {
            CHistoryStore store;
            return store.Open(env.ProgramFolder() + "history.sqlite").ok &&
                   store.ReadEvents(events).ok && !events.empty() &&
                   events.front().kind == HistoryEventKind::ConfirmedByEmail;
        },
        kWaitMs));
    QCOMPARE(window.Browser()->url().toString().toStdString(), link);
    QCOMPARE(events.front(), (HistoryEvent{events.front().timeUtcMs, "Alice", "Alpha",
                                           HistoryEventKind::ConfirmedByEmail, 0, 0, link}));
    // Opened, the mail waits no more: the entry no longer offers it.
    QVERIFY(!entry.data(Qt::AccessibleDescriptionRole).toString().contains(QStringLiteral("mail")));

    const std::string report = env.ProgramFolder() + "report.csv";
    QVERIFY(ExportReportFromFiles(report, DataFolder::At(env.ProgramFolder())).written.ok);
    const std::string csv = ReadWholeFile(report);
    QVERIFY2(csv.find(",Alice confirmed by e-mail\r\nAlpha,") != std::string::npos, csv.c_str());
    QVERIFY2(!csv.ends_with(",\r\n"), csv.c_str()); // the column holds the time
}

QTEST_MAIN(ConfirmationMailWatchTest)
#include "ConfirmationMailWatchTest.moc"
