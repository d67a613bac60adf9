#include "DemoSite.h"
#include "common/MillisecondClock.h"
#include "common/ReplaceAll.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"
#include "support/FileBytes.h"
#include "support/RecordingPresenter.h"
#include "support/SubmitterDlgInspector.h"
#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineScript>
#include <map>
#include <memory>
#include <optional>

Q_DECLARE_METATYPE(std::string)

using Fields = std::multimap<std::string, std::string>;
Q_DECLARE_METATYPE(Fields)

namespace {

constexpr int kTimeoutMs = 20000;

// Quotes, an ampersand and angle brackets travel through the page, the form and the server.
ProfileRecord DemoProfile()
{
    return {.name = "Demo",
            .url = "https://feeds.example.org/kestrel.xml?format=rss&v=2",
            .title = "Kestrel \"Field\" Notes",
            .desc = "Notes on kestrels, hawks & falcons <weekly>",
            .cat = "Information Technology",
            .subcat = "Software",
            .keywords = "birds, falconry",
            .email = "owner@example.org",
            .fname = "Ada",
            .lname = "Falk"};
}

QString JsonString(const std::string& text)
{
    const QByteArray array =
        QJsonDocument(QJsonArray{QString::fromStdString(text)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

// The whole loop against the demo site: the shipped demo database, a profile, every directory
// chosen, filled by the window, submitted with Enter as a user would, and marked; then the
// database update from the demo site.
class DemoEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void everyDirectoryReceivesTheProfileAndIsMarkedSentUnlessItRefuses_data();
    void everyDirectoryReceivesTheProfileAndIsMarkedSentUnlessItRefuses();
    void theSentMarksAreInTheStateFile();
    void theUpdateAddsTheNewDirectoryAndItWorksToo();

private:
    // The row of the directory's entry, or -1.
    int Entry(const std::string& name) const;
    QString EntryText(const std::string& name) const;
    std::optional<QVariant> Run(const QString& source) const;
    bool WaitForFilledPage() const;
    bool WaitForRenderedFrame() const;
    void PressEnterInTheFeedField() const;
    // Chooses the directory, lets the window fill its page, submits it and returns what the
    // directory received.
    std::optional<DemoSubmission> SubmitThroughTheWindow(const std::string& name);
    void VerifyMarked(const std::string& name, bool sent);

    CDemoSite m_site;
    QTemporaryDir m_folder;
    RecordingPresenter m_messages;
    std::unique_ptr<CSubmitterDlg> m_window;
};

void DemoEndToEndTest::initTestCase()
{
    QVERIFY(m_site.Start());
    const std::string folder = m_folder.path().toStdString() + "/";

    std::string database = ReadWholeFile(KESTRINE_DEMO_SOURCE_DIR "/dirdata.xml");
    ReplaceAll(database, "127.0.0.1:8431", m_site.HostAndPort());
    WriteWholeFile(folder + "dirdata.xml", database);

    CProfileStore profiles;
    profiles.AddProfile(DemoProfile());
    QVERIFY(state_file::Save(folder + "sv.dat", "Demo", profiles).ok);

    SubmitterEnvironment env;
    env.dataFolder = DataFolder::At(folder);
    env.vendorHost = m_site.HostAndPort();
    env.clock = SystemMilliseconds;
    env.windowMessages = env.databaseMessages = &m_messages;
    m_window = std::make_unique<CSubmitterDlg>(std::move(env));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(Inspect(*m_window).WaitForDatabase());
    QCOMPARE(Inspect(*m_window).DirectoryList()->model()->rowCount(), 8);
}

void DemoEndToEndTest::cleanupTestCase()
{
    m_window.reset();
    m_site.Stop();
}

int DemoEndToEndTest::Entry(const std::string& name) const
{
    const QAbstractItemModel& list = *Inspect(*m_window).DirectoryList()->model();
    const QModelIndexList found =
        list.match(list.index(0, 0), Qt::DisplayRole, QString::fromStdString(name + " ["), -1,
                   Qt::MatchStartsWith | Qt::MatchCaseSensitive);
    return found.size() == 1 ? found.front().row() : -1;
}

QString DemoEndToEndTest::EntryText(const std::string& name) const
{
    const int row = Entry(name);
    return row < 0 ? QString() : Inspect(*m_window).Entry(row);
}

std::optional<QVariant> DemoEndToEndTest::Run(const QString& source) const
{
    // Shared, so that an answer arriving after the time limit has somewhere to go.
    auto result = std::make_shared<std::optional<QVariant>>();
    Inspect(*m_window).Browser()->GetDocument()->runJavaScript(
        source, QWebEngineScript::MainWorld, [result](const QVariant& value) { *result = value; });
    (void)WaitUntil([&result] { return result->has_value(); }, kTimeoutMs);
    return *result;
}

// Every directory puts the feed's address somewhere; once it is there the window has filled.
bool DemoEndToEndTest::WaitForFilledPage() const
{
    const QString filled =
        QStringLiteral("Array.from(document.querySelectorAll('input')).some(e => e.value === %1)")
            .arg(JsonString(DemoProfile().url));
    return WaitUntil(
        [&] {
            return Inspect(*m_window).Browser()->GetReadyState() ==
                       CBrowserCtrl::kReadyStateComplete &&
                   Run(filled).value_or(false).toBool();
        },
        kTimeoutMs);
}

// Key presses can be lost before the page has drawn itself once.
bool DemoEndToEndTest::WaitForRenderedFrame() const
{
    Run(QStringLiteral("window.framesForTest = 0; requestAnimationFrame(() => "
                       "requestAnimationFrame(() => { window.framesForTest = 2; }))"));
    return WaitUntil(
        [&] { return Run(QStringLiteral("window.framesForTest")).value_or(0).toInt() == 2; },
        kTimeoutMs);
}

// Enter in a text field sends its form through the form's submit button, as a user would.
void DemoEndToEndTest::PressEnterInTheFeedField() const
{
    Inspect(*m_window).Browser()->setFocus();
    Run(QStringLiteral("Array.from(document.querySelectorAll('input'))"
                       ".find(e => e.value === %1).focus()")
            .arg(JsonString(DemoProfile().url)));
    QTest::keyClick(Inspect(*m_window).Browser()->focusProxy(), Qt::Key_Return);
}

std::optional<DemoSubmission> DemoEndToEndTest::SubmitThroughTheWindow(const std::string& name)
{
    const int entry = Entry(name);
    if (entry < 0)
        return std::nullopt;
    Inspect(*m_window).PickDirectoryRow(entry);
    if (!WaitForFilledPage() || !WaitForRenderedFrame())
        return std::nullopt;

    const size_t before = m_site.Submissions().size();
    PressEnterInTheFeedField();
    if (!WaitUntil([&] { return m_site.Submissions().size() > before; }, kTimeoutMs))
        return std::nullopt;
    return m_site.Submissions().back();
}

void DemoEndToEndTest::VerifyMarked(const std::string& name, bool sent)
{
    const QString marked = QString::fromStdString(name + " [sent]");
    if (sent) {
        WAIT_VERIFY(EntryText(name) == marked, kTimeoutMs);
        return;
    }
    // The check runs once the result page is complete, more than 3 s after the submission;
    // after it, the entry must still say " [not sent]".
    QVERIFY(Inspect(*m_window).Submitted());
    WAIT_VERIFY(!Inspect(*m_window).Submitted(), kTimeoutMs);
    QVERIFY(!WaitUntil([&] { return EntryText(name) == marked; }, 1000));
    QCOMPARE(EntryText(name), QString::fromStdString(name + " [not sent]"));
}

void DemoEndToEndTest::everyDirectoryReceivesTheProfileAndIsMarkedSentUnlessItRefuses_data()
{
    QTest::addColumn<std::string>("name");
    QTest::addColumn<Fields>("expected");
    QTest::addColumn<bool>("sent");

    // The variables' values are those of demo/dirdata.xml for Information Technology/Software.
    const ProfileRecord p = DemoProfile();
    QTest::newRow("category by value, in the address too")
        << std::string("Feedling Index")
        << Fields{{"from_cat", "112"}, {"feed_url", p.url},   {"feed_title", p.title},
                  {"category", "112"}, {"feed_desc", p.desc}, {"email", p.email}}
        << true;
    QTest::newRow("GET form") << std::string("Blogrange")
                              << Fields{{"rss", p.url},
                                        {"name", p.title},
                                        {"tags", p.keywords},
                                        {"mail", p.email},
                                        {"lang", "en"}}
                              << true;
    QTest::newRow("fields sharing a name") << std::string("Open Feed Registry")
                                           << Fields{{"feed", p.url},
                                                     {"about", p.title + ": " + p.desc},
                                                     {"person", p.fname},
                                                     {"person", p.lname},
                                                     {"email", p.email}}
                                           << true;
    QTest::newRow("field found by id, section by visible text")
        << std::string("RSS Atlas")
        << Fields{{"u", p.url},
                  {"t", p.title},
                  {"section", "s7"},
                  {"filed_under", p.cat + " / " + p.subcat},
                  {"summary", p.desc}}
        << true;
    QTest::newRow("page's own check, multipart") << std::string("Pingwell")
                                                 << Fields{{"checked_by_page", "yes"},
                                                           {"blog_name", p.title},
                                                           {"feed", p.url},
                                                           {"author", p.fname + " " + p.lname},
                                                           {"email", p.email}}
                                                 << true;
    QTest::newRow("slow answer") << std::string("Slowpoke Feeds")
                                 << Fields{{"feed_address", p.url},
                                           {"feed_name", p.title},
                                           {"notes", p.desc + " Tags: " + p.keywords}}
                                 << true;
    QTest::newRow("refuses") << std::string("Strict Feed List")
                             << Fields{{"genre", "tech"},
                                       {"url", p.url},
                                       {"title", p.title},
                                       {"email", p.email}}
                             << false;
    QTest::newRow("GET with text area and check box")
        << std::string("Newsnest")
        << Fields{{"topic", "dev"}, {"q_feed", p.url},  {"q_title", p.title}, {"comment", p.desc},
                  {"who", p.fname}, {"kw", p.keywords}, {"notify", "yes"}}
        << true;
}

void DemoEndToEndTest::everyDirectoryReceivesTheProfileAndIsMarkedSentUnlessItRefuses()
{
    QFETCH(std::string, name);
    QFETCH(Fields, expected);
    QFETCH(bool, sent);

    const std::optional<DemoSubmission> received = SubmitThroughTheWindow(name);
    QVERIFY(received);
    QCOMPARE(received->directory, name);
    QCOMPARE(received->fields, expected);
    VerifyMarked(name, sent);
    QVERIFY(m_messages.messages.empty());
}

void DemoEndToEndTest::theSentMarksAreInTheStateFile()
{
    std::string current;
    CProfileStore profiles;
    QVERIFY(state_file::Load(m_folder.filePath(QStringLiteral("sv.dat")).toStdString(), current,
                             profiles));
    QCOMPARE(current, std::string("Demo"));
    ProfileRecord demo;
    QVERIFY(profiles.GetProfile("Demo", demo));
    QCOMPARE(demo.sent, (CSentSet{"Blogrange", "Feedling Index", "Newsnest", "Open Feed Registry",
                                  "Pingwell", "RSS Atlas", "Slowpoke Feeds"}));
}

void DemoEndToEndTest::theUpdateAddsTheNewDirectoryAndItWorksToo()
{
    m_window->OnUpdateDatabase();
    QCOMPARE(m_messages.messages.size(), size_t(1));
    QCOMPARE(m_messages.messages.front().text, std::string("Update successful"));
    m_messages.messages.clear();

    QCOMPARE(Inspect(*m_window).DirectoryList()->model()->rowCount(), 9);
    QCOMPARE(Inspect(*m_window).Entry(8), QStringLiteral("Feedhaven [not sent]"));
    QCOMPARE(Inspect(*m_window).Entry(0), QStringLiteral("Feedling Index [sent]"));

    const ProfileRecord p = DemoProfile();
    const std::optional<DemoSubmission> received = SubmitThroughTheWindow("Feedhaven");
    QVERIFY(received);
    QCOMPARE(received->fields, (Fields{{"site_feed", p.url},
                                       {"site_title", p.title},
                                       {"owner_email", p.email},
                                       {"owner_last", p.lname}}));
    VerifyMarked("Feedhaven", true);
}

QTEST_MAIN(DemoEndToEndTest)
#include "DemoEndToEndTest.moc"
