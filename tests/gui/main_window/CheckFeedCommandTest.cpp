// Settings > Check Feed in the main window: the current profile's feed is checked in a window
// that leaves the main window usable, and the texts taken from it are saved with the profile.
#include "support/SubmitterTestEnvironment.h"
#include "ui/feed_check/FeedCheckDialog.h"

#include <QAction>
#include <QPushButton>

namespace {

const char* const kFeed = R"(<rss version="2.0"><channel><title>Kestrel &amp; Co.</title>
<link>http://kestrel.example/</link><description>Birds of &lt;b&gt;prey&lt;/b&gt;</description>
</channel></rss>)";

void TriggerCheckFeed(CSubmitterDlg& window)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("Check &Feed"))
            return action->trigger();
    }
    QFAIL("no Check Feed command");
}

} // namespace

class CheckFeedCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void savesTheFeedsTextsInTheCheckedProfile();
    void asksForAProfileFirst();
};

void CheckFeedCommandTest::savesTheFeedsTextsInTheCheckedProfile()
{
    SubmitterTestEnvironment env;
    env.server.server.Get("/feed.xml", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kFeed, "application/rss+xml");
    });
    env.Start();
    env.WriteProgramFile("dirdata.xml", DirectoryDatabaseXml({}));
    const std::string blog = StateFileLines({"Blog", env.server.Url("/feed.xml"), "", "", "", "",
                                             "birds", "blog@example.com", "Ada", "Lee", "0"});
    env.WriteProgramFile("sv.dat", StateFileLines({"Blog", "1"}) + blog);
    CSubmitterDlg window(env.Environment());
    window.show();

    TriggerCheckFeed(window);
    auto* check = window.findChild<CFeedCheckDialog*>();
    QVERIFY(check);
    QVERIFY(!check->isModal());
    QVERIFY(WaitUntil([check] { return !check->IsChecking(); }, 10000));
    QVERIFY(check->Report().IsUsable());
    check->findChild<QPushButton*>(QStringLiteral("useTextsButton"))->click();

    const std::string saved =
        StateFileLines({"Blog", env.server.Url("/feed.xml"), "Kestrel & Co.", "Birds of prey", "",
                        "", "birds", "blog@example.com", "Ada", "Lee", "0"});
    QCOMPARE(env.ReadProgramFile("sv.dat").value_or("no sv.dat"),
             StateFileLines({"Blog", "1"}) + saved);
    QVERIFY(env.windowMessages.messages.empty());
}

void CheckFeedCommandTest::asksForAProfileFirst()
{
    SubmitterTestEnvironment env;
    env.Start();
    CSubmitterDlg window(env.Environment());
    window.show();

    TriggerCheckFeed(window);
    QVERIFY(!window.findChild<CFeedCheckDialog*>());
    QCOMPARE(env.windowMessages.messages.size(), size_t{1});
    QCOMPARE(env.windowMessages.messages[0].caption, std::string("Check Feed"));
}

QTEST_MAIN(CheckFeedCommandTest)
#include "CheckFeedCommandTest.moc"
