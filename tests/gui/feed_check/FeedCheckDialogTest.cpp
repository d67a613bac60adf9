// The profile editor's Check feed button against a local server: the check runs while the
// editor stays responsive, and what the user takes from the feed lands in the editor's fields.
#include "ui/feed_check/FeedCheckDialog.h"

#include "gui/profiles/DialogChild.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"
#include "ui/profiles/ProfileData.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const char* const kFeed = R"(<?xml version="1.0"?>
<rss version="2.0"><channel><title>Kestrel &amp; Co.</title><link>http://kestrel.example/</link>
<description>&lt;p&gt;Birds of &lt;b&gt;prey&lt;/b&gt;&lt;/p&gt;</description>
<item><link>http://kestrel.example/1</link><pubDate>Sat, 07 Sep 2002 00:00:01 GMT</pubDate></item>
</channel></rss>)";

const char* const kPodcast =
    "<?xml version=\"1.0\"?>\n"
    "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\"><channel>"
    "<title>Byte Talk</title><link>http://bytes.example/</link>"
    "<itunes:category text=\"Technology\"><itunes:category text=\"Software How-To\"/>"
    "</itunes:category><category>Sports</category></channel></rss>";

const char* const kPage = R"(<!DOCTYPE html><html><head>
<link rel="alternate" type="application/rss+xml" title="Posts" href="/feed.xml">
<link rel="alternate" type="application/atom+xml" title="Comments" href="/comments.atom">
</head><body></body></html>)";

} // namespace

class FeedCheckDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void copiesTheFeedsTextsIntoEmptyFields();
    void takesAFeedTheWebPageAnnounces();
    void proposesTheFeedsCategoryToAProfileWithout_data();
    void proposesTheFeedsCategoryToAProfileWithout();

private:
    // Clicks the editor's Check feed button and waits for the check window to report.
    CFeedCheckDialog* CheckFeedOf(CProfileData& editor);

    LocalHttpServer m_server;
};

void FeedCheckDialogTest::initTestCase()
{
    m_server.server.Get("/feed.xml", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kFeed, "application/rss+xml");
    });
    m_server.server.Get("/podcast.xml", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kPodcast, "application/rss+xml");
    });
    m_server.server.Get("/blog/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kPage, "text/html");
    });
    m_server.Start();
}

void FeedCheckDialogTest::cleanupTestCase()
{
    m_server.Stop();
}

CFeedCheckDialog* FeedCheckDialogTest::CheckFeedOf(CProfileData& editor)
{
    DialogChild<QPushButton>(editor, "checkFeedButton").click();
    auto* check = editor.findChild<CFeedCheckDialog*>();
    if (!check || !WaitUntil([check] { return !check->IsChecking(); }, 10000))
        return nullptr;
    return check;
}

void FeedCheckDialogTest::copiesTheFeedsTextsIntoEmptyFields()
{
    CProfileData editor;
    ProfileRecord profile;
    profile.name = "Kestrel";
    profile.url = m_server.Url("/feed.xml");
    profile.keywords = "birds";
    editor.SetValues(profile);
    editor.show();

    CFeedCheckDialog* check = CheckFeedOf(editor);
    QVERIFY(check);
    QVERIFY(check->isVisible());
    QVERIFY(check->Report().IsUsable());
    QCOMPARE(DialogChild<QLabel>(*check, "statusLabel").text(),
             QStringLiteral("The feed is usable."));
    QCOMPARE(DialogChild<QLabel>(*check, "feedTitleLabel").text(),
             QStringLiteral("Title: Kestrel & Co."));
    QCOMPARE(DialogChild<QLabel>(*check, "feedDescriptionLabel").textFormat(), Qt::PlainText);
    QCOMPARE(DialogChild<QPushButton>(*check, "closeButton").text(), QStringLiteral("Close"));

    DialogChild<QPushButton>(*check, "useTextsButton").click();
    const ProfileRecord values = editor.Values();
    QCOMPARE(QString::fromStdString(values.title), QStringLiteral("Kestrel & Co."));
    QCOMPARE(QString::fromStdString(values.desc), QStringLiteral("Birds of prey"));
    QCOMPARE(values.keywords, std::string("birds"));
    QCOMPARE(values.url, profile.url);
}

void FeedCheckDialogTest::takesAFeedTheWebPageAnnounces()
{
    CProfileData editor;
    ProfileRecord profile;
    profile.url = m_server.Url("/blog/");
    editor.SetValues(profile);
    editor.show();

    CFeedCheckDialog* check = CheckFeedOf(editor);
    QVERIFY(check);
    QVERIFY(!check->Report().IsUsable());
    const QListWidget& list = DialogChild<QListWidget>(*check, "discoveredList");
    QCOMPARE(list.count(), 2);
    QVERIFY(!DialogChild<QPushButton>(*check, "useTextsButton").isEnabled());

    // The first announced feed is selected; taking it checks it at once.
    DialogChild<QPushButton>(*check, "useDiscoveredButton").click();
    QCOMPARE(DialogChild<QLineEdit>(editor, "urlEdit").text(),
             QString::fromStdString(m_server.Url("/feed.xml")));
    QVERIFY(WaitUntil([check] { return !check->IsChecking(); }, 10000));
    QVERIFY(check->Report().IsUsable());
}

void FeedCheckDialogTest::proposesTheFeedsCategoryToAProfileWithout_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("subcategory");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<QString>("expectedCategory");
    QTest::addColumn<QString>("expectedSubcategory");

    // The feed's "Technology" is proposed as the offered name that means it.
    QTest::newRow("no category") << ""
                                 << "" << true << "Information Technology"
                                 << "Software How-To";
    QTest::newRow("a subcategory of its own stays") << ""
                                                    << "Linux" << true << "Information Technology"
                                                    << "Linux";
    QTest::newRow("a category of its own") << "Arts"
                                           << "" << false << "Arts"
                                           << "";
}

void FeedCheckDialogTest::proposesTheFeedsCategoryToAProfileWithout()
{
    QFETCH(QString, category);
    QFETCH(QString, subcategory);
    QFETCH(bool, offered);
    QFETCH(QString, expectedCategory);
    QFETCH(QString, expectedSubcategory);
    CProfileData editor;
    ProfileRecord profile;
    profile.name = "Bytes";
    profile.url = m_server.Url("/podcast.xml");
    profile.cat = category.toStdString();
    profile.subcat = subcategory.toStdString();
    editor.SetValues(profile);
    editor.show();

    CFeedCheckDialog* check = CheckFeedOf(editor);
    QVERIFY(check);
    QCOMPARE(DialogChild<QLabel>(*check, "categoriesLabel").text(),
             QStringLiteral("Categories: Technology \u203A Software How-To, Sports"));
    QPushButton& useCategory = DialogChild<QPushButton>(*check, "useCategoryButton");
    QCOMPARE(useCategory.isVisible(), offered);
    if (offered)
        useCategory.click();
    const ProfileRecord values = editor.Values();
    QCOMPARE(QString::fromStdString(values.cat), expectedCategory);
    QCOMPARE(QString::fromStdString(values.subcat), expectedSubcategory);
}

QTEST_MAIN(FeedCheckDialogTest)
#include "FeedCheckDialogTest.moc"
