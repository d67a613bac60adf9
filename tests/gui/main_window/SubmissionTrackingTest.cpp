#include "support/SubmitterSession.h"
#include "support/WaitUntil.h"

#include <QTimer>
#include <QWebChannel>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

namespace {

// The directory site's form: a paragraph named like a field, a select, fields sharing a name,
// one found by id. Its own onsubmit copies the title into a hidden field, so the server sees
// what the page's handler saw; the "refusing" form's validation turns every attempt down until
// the page sets allowSend.
std::string FormPage(const std::string& kind)
{
    const std::string onsubmit = kind == "refusing"
                                     ? "return window.allowSend === true"
                                     : "this.echo.value = 'seen ' + this.title.value";
    return R"(<!DOCTYPE html><html><body>
<p name="note">Paragraph</p>
<form id="submission" action="/result/)" +
           kind + R"(" method="post" onsubmit=")" + onsubmit + R"(">
  <input name="url"><input name="title"><textarea name="description"></textarea>
  <input name="keep"><input name="tag"><input name="tag"><input id="contact">
  <select name="category"><option value="1">Any</option><option value="104">Business</option>
  </select>
  <input type="hidden" name="echo"><button id="send" type="submit">Send</button>
</form></body></html>)";
}

std::string ResultPage(const std::string& kind)
{
    if (kind == "slow")
        std::this_thread::sleep_for(std::chrono::milliseconds(3200));
    const char* text =
        kind == "other" ? "thank you for your submission" : "Thank you for your submission";
    return std::string("<html><body><p>") + text + "</p></body></html>";
}

std::string Directory(const std::string& name, const std::string& url, const char* onsubmit,
                      const std::string& items)
{
    std::string xml = "<directory name=\"" + name + "\" submiturl=\"" + url + "\"";
    if (onsubmit)
        xml += std::string(" onsubmit=\"") + onsubmit + "\"";
    return xml + ">" + items + "</directory>";
}

constexpr char kTitleOnly[] = R"(<item name="title" index="0" value="#title#" type="edit"/>)";

constexpr char kAlphaItems[] = R"(
  <variable name="CATID"><cond category="Business" value="104"/><cond value="1"/></variable>
  <item name="url" index="0" value="#url#" type="edit"/>
  <item name="title" index="0" value="#title#" type="edit"/>
  <item name="description" index="0" value="#desc# / #desc#" type="edit"/>
  <item name="keep" index="0" value="#URL# #Title# #cat#" type="edit"/>
  <item name="category" index="0" value="CATID" type="combobox"/>
  <item name="tag" index="0" value="#keywords#" type="edit"/>
  <item name="tag" index="1" value="#fname# #lname#" type="edit"/>
  <item name="note" index="0" value="not for a paragraph" type="edit"/>
  <item name="contact" index="0" value="#email#" type="edit"/>)";

enum Row
{
    kAExtra,
    kA,
    kAlpha,
    kWrongCase,
    kSlow,
    kNoText,
    kEmptyText,
    kNoAddress,
    kScriptAddress,
    kMailAddress,
    kDataAddress,
    kFileAddress,
};

// A directory whose submiturl is `address`, or that has none.
std::string AddresslessDirectory(const std::string& name, const char* address)
{
    std::string xml = "<directory name=\"" + name + "\"";
    if (address)
        xml += std::string(" submiturl=\"") + address + "\"";
    return xml + " onsubmit=\"Thank you\">" + kTitleOnly + "</directory>";
}

} // namespace

class SubmissionTrackingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fillsTheDirectoryPageFromTheProfile();
    void fillAsksToWaitWhileThePageLoads();
    void aConfirmedSubmissionMarksTheEntryOnceAndSavesAtOnce();
    void aSubmissionByThePagesOwnScriptIsTracked();
    void theCheckComesOnlyMoreThan3000MillisecondsLater();
    void theCheckSurvivesAClockWrapAround();
    void aSlowResultPageIsExaminedOnceItHasLoaded();
    void aConfirmationInAnotherLetterCaseMarksNothing();
    void aDirectoryWithoutConfirmationTextIsNeverMarked();
    void onlyTheEntryOfExactlyThatDirectoryIsRewritten();
    void anAttemptThePageRefusesIsNoSubmission();
    void aDirectoryWithoutAnAddressToOpenLeavesThePageShown_data();
    void aDirectoryWithoutAnAddressToOpenLeavesThePageShown();
    void closingWhileTheConfirmationIsReadKeepsTheMark();

private:
    [[nodiscard]] bool WaitForTicks(int count);
    QString Title()
    {
        return m_driver->RunText(QStringLiteral("document.querySelector('[name=title]').value"));
    }
    QString Entry(int row) const { return Inspect(*m_dlg).Entry(row); }
    std::string StateFile() const { return m_env->ReadProgramFile("sv.dat").value_or(""); }

    std::unique_ptr<SubmitterTestEnvironment> m_env;
    std::unique_ptr<SubmitterSession> m_session;
    CSubmitterDlg* m_dlg = nullptr;    // the session's
    BrowserDriver* m_driver = nullptr; // the session's
};

void SubmissionTrackingTest::init()
{
    m_env = std::make_unique<SubmitterTestEnvironment>();
    m_env->server.server.Get(R"(/form/(\w+))",
                             [](const httplib::Request& request, httplib::Response& response) {
                                 response.set_content(FormPage(request.matches[1]), "text/html");
                             });
    m_env->server.server.Post(R"(/result/(\w+))",
                              [](const httplib::Request& request, httplib::Response& response) {
                                  response.set_content(ResultPage(request.matches[1]), "text/html");
                              });
    m_env->Start();
    const auto form = [this](const std::string& kind) {
        return m_env->server.Url("/form/" + kind);
    };
    const char* thanks = "Thank you for your submission";
    m_env->WriteProgramFile(
        "dirdata.xml",
        DirectoryDatabaseXml(
            {Directory("A Extra", form("other"), thanks, kTitleOnly),
             Directory("A", form("thanks"), thanks, kTitleOnly),
             Directory("Alpha", form("thanks") + "?cat=CATID", thanks, kAlphaItems),
             Directory("Wrong case", form("other"), thanks, kTitleOnly),
             Directory("Slow", form("slow"), thanks, kTitleOnly),
             Directory("No text", form("thanks"), nullptr, kTitleOnly),
             Directory("Empty text", form("refusing"), "", kTitleOnly),
             AddresslessDirectory("No address", nullptr),
             AddresslessDirectory("Script address", "javascript:void(0)"),
             AddresslessDirectory("Mail address", "mailto:editor@example.com"),
             AddresslessDirectory("Data address", "data:text/html,&lt;form&gt;&lt;input "
                                                  "name=title&gt;&lt;/form&gt;"),
             AddresslessDirectory("File address", "file:///etc/hostname")}));
    m_env->WriteProgramFile(
        "sv.dat", StateFileLines({"Alice", "1", "Alice", "http://alice.example/feed.xml",
                                  "Feed of #email#", R"(It's "quoted" \ here)", "Business", "",
                                  "news, tech", "alice@example.com", "Ann", "Lee", "0"}));

    m_session = std::make_unique<SubmitterSession>(*m_env);
    QVERIFY(m_session->Open());
    m_dlg = &m_session->Window();
    m_driver = &m_session->Driver();
}

void SubmissionTrackingTest::cleanup()
{
    m_session.reset();
    m_env.reset();
}

bool SubmissionTrackingTest::WaitForTicks(int count)
{
    int ticks = 0;
    const QMetaObject::Connection counting =
        connect(Inspect(*m_dlg).Timer(), &QTimer::timeout, this, [&ticks] { ++ticks; });
    const bool ticked = WaitUntil([&] { return ticks >= count; }, BrowserDriver::kTimeoutMs);
    disconnect(counting);
    return ticked;
}

void SubmissionTrackingTest::fillsTheDirectoryPageFromTheProfile()
{
    QVERIFY(m_session->ChooseDirectory(kAlpha));
    QVERIFY(m_session->WaitUntilFilled());
    QCOMPARE(m_env->WaitForRequest("/form/thanks")->query, std::string("cat=104"));
    // The paragraph named "note" takes no value; the status bar says so.
    WAIT_COMPARE(Inspect(*m_dlg).FillStatus()->text(),
                 QStringLiteral("Filled 8 of 9 fields \u00b7 not found: note \u00b7 nothing left "
                                "for you"),
                 BrowserDriver::kTimeoutMs);
    const QString values = m_driver->RunText(QStringLiteral(
        "Array.from(document.querySelectorAll('input:not([type=hidden]), textarea, select'))"
        ".map(e => e.value).join('|')"));
    QCOMPARE(values,
             QStringLiteral("http://alice.example/feed.xml|Feed of #email#|"
                            "It's \"quoted\" \\ here / It's \"quoted\" \\ here|"
                            "#URL# #Title# Business|news, tech|Ann Lee|alice@example.com|104"));
    QCOMPARE(m_driver->RunText(QStringLiteral("document.querySelector('p').textContent")),
             QStringLiteral("Paragraph"));
}

void SubmissionTrackingTest::fillAsksToWaitWhileThePageLoads()
{
    Inspect(*m_dlg).Browser()->Navigate(QString::fromStdString(m_env->server.Url("/form/thanks")));
    Inspect(*m_dlg).FillButton()->click();
    const RecordingPresenter::Message expected{
        "Please allow the page to load completly",
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString(),
        MessageIcon::None};
    QCOMPARE(m_env->windowMessages.messages.size(), size_t(1));
    QVERIFY(m_env->windowMessages.messages[0] == expected);
}

void SubmissionTrackingTest::aConfirmedSubmissionMarksTheEntryOnceAndSavesAtOnce()
{
    QVERIFY(m_session->ChooseDirectory(kAlpha));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kAlpha), QStringLiteral("Alpha [sent]"));
    QCOMPARE(Inspect(*m_dlg).CurrentDirectoryRow(), int(kAlpha));
    QCOMPARE(Inspect(*m_dlg).ProgressStatus()->text(),
             QStringLiteral("1 of 12 directories sent for Alice"));
    QVERIFY(StateFile().find("\r\n1\r\nAlpha\r\n") != std::string::npos);
    const std::string body = m_env->WaitForRequest("/result/thanks")->body;
    QVERIFY2(body.find("echo=seen+Feed+of+%23email%23") != std::string::npos, body.c_str());
    // The result page stays: selecting the entry opened nothing.
    QCOMPARE(m_env->RequestCount("/form/thanks"), size_t(1));

    // Filled by the button and sent again: still one mark.
    QVERIFY(m_driver->Load(QString::fromStdString(m_env->server.Url("/form/thanks"))));
    Inspect(*m_dlg).FillButton()->click();
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kAlpha), QStringLiteral("Alpha [sent]"));
}

void SubmissionTrackingTest::aSubmissionByThePagesOwnScriptIsTracked()
{
    QVERIFY(m_session->ChooseDirectory(kA));
    QVERIFY(m_session->WaitUntilFilled());
    m_driver->Run(QStringLiteral("document.getElementById('submission').submit()"));
    WAIT_VERIFY(Inspect(*m_dlg).Submitted(), BrowserDriver::kTimeoutMs);
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
}

void SubmissionTrackingTest::theCheckComesOnlyMoreThan3000MillisecondsLater()
{
    m_env->now = 5000;
    QVERIFY(m_session->ChooseDirectory(kA));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QCOMPARE(Inspect(*m_dlg).SubmitTime(), uint32_t(5000));
    QVERIFY(m_driver->WaitUntilComplete());
    m_env->now = 8000;
    int ticks = 0;
    connect(Inspect(*m_dlg).Timer(), &QTimer::timeout, this, [&ticks] { ++ticks; });
    WAIT_VERIFY(ticks >= 3, BrowserDriver::kTimeoutMs);
    QVERIFY(Inspect(*m_dlg).Submitted());
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
}

void SubmissionTrackingTest::theCheckSurvivesAClockWrapAround()
{
    m_env->now = 0xFFFFFF00u;
    QVERIFY(m_session->ChooseDirectory(kA));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QVERIFY(m_session->WaitForCheck());
    QVERIFY(m_env->now < 0xFFFFFF00u); // past the wrap
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
}

void SubmissionTrackingTest::aSlowResultPageIsExaminedOnceItHasLoaded()
{
    QVERIFY(m_session->ChooseDirectory(kSlow));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QVERIFY(WaitUntil(
        [this] {
            return Inspect(*m_dlg).Browser()->GetReadyState() != CBrowserCtrl::kReadyStateComplete;
        },
        BrowserDriver::kTimeoutMs));
    m_env->now = Inspect(*m_dlg).SubmitTime() + 60000;
    int ticks = 0;
    connect(Inspect(*m_dlg).Timer(), &QTimer::timeout, this, [&ticks] { ++ticks; });
    QVERIFY(WaitUntil([&ticks] { return ticks >= 3; }, BrowserDriver::kTimeoutMs));
    QVERIFY(Inspect(*m_dlg).Submitted());
    WAIT_VERIFY(!Inspect(*m_dlg).Submitted(), BrowserDriver::kTimeoutMs);
    QVERIFY(m_session->FlushPageReads());
    QCOMPARE(Entry(kSlow), QStringLiteral("Slow [sent]"));
}

void SubmissionTrackingTest::aConfirmationInAnotherLetterCaseMarksNothing()
{
    QVERIFY(m_session->ChooseDirectory(kWrongCase));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kWrongCase), QStringLiteral("Wrong case [not sent]"));
    QVERIFY(StateFile().find("Wrong case") == std::string::npos);
}

void SubmissionTrackingTest::aDirectoryWithoutConfirmationTextIsNeverMarked()
{
    QVERIFY(m_session->ChooseDirectory(kNoText));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kNoText), QStringLiteral("No text [not sent]"));
    QVERIFY(StateFile().find("No text") == std::string::npos);
    QCOMPARE(m_env->databaseMessages.messages.size(), size_t(1));
}

void SubmissionTrackingTest::onlyTheEntryOfExactlyThatDirectoryIsRewritten()
{
    QVERIFY(m_session->ChooseDirectory(kA));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    // Another entry is selected meanwhile, without opening it: the mark still finds "A".
    {
        Inspect(*m_dlg).SelectDirectoryRowQuietly(kNoText);
    }
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
    QCOMPARE(Entry(kAExtra), QStringLiteral("A Extra [not sent]"));
    QCOMPARE(Inspect(*m_dlg).CurrentDirectoryRow(), int(kA));
}

// With an empty confirmation text every page confirms: a refused attempt that counted would
// mark the directory sent from its own form page.
void SubmissionTrackingTest::anAttemptThePageRefusesIsNoSubmission()
{
    QVERIFY(m_session->ChooseDirectory(kEmptyText));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_driver->AttemptSubmission(QStringLiteral("send"), m_session->Probe().renderedFrames));
    QVERIFY(!Inspect(*m_dlg).Submitted());
    m_env->now += 60000;
    QVERIFY(WaitForTicks(3));
    QCOMPARE(Entry(kEmptyText), QStringLiteral("Empty text [not sent]"));
    QVERIFY(StateFile().find("Empty text") == std::string::npos);

    // The page lets the next attempt through, and that one counts.
    m_driver->Run(QStringLiteral("window.allowSend = true"));
    m_driver->Click(QStringLiteral("send"));
    QVERIFY(WaitUntil([this] { return Inspect(*m_dlg).Submitted(); }, BrowserDriver::kTimeoutMs));
    QVERIFY(m_session->WaitForCheck());
    QCOMPARE(Entry(kEmptyText), QStringLiteral("Empty text [sent]"));
}

void SubmissionTrackingTest::aDirectoryWithoutAnAddressToOpenLeavesThePageShown_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("message"); // what the database says
    QTest::newRow("no submiturl") << int(kNoAddress)
                                  << QStringLiteral("Error while GetDirectorySubmitPage");
    const auto notWeb = [](const char* name, const char* address) {
        return QStringLiteral("The submission page of \"%1\" cannot be opened: \"%2\" is not a "
                              "web address.")
            .arg(QLatin1String(name), QLatin1String(address));
    };
    QTest::newRow("javascript:") << int(kScriptAddress)
                                 << notWeb("Script address", "javascript:void(0)");
    QTest::newRow("mailto:") << int(kMailAddress)
                             << notWeb("Mail address", "mailto:editor@example.com");
    QTest::newRow("data:") << int(kDataAddress)
                           << notWeb("Data address", "data:text/html,<form><input "
                                                     "name=title></form>");
    QTest::newRow("file:") << int(kFileAddress) << notWeb("File address", "file:///etc/hostname");
}

void SubmissionTrackingTest::aDirectoryWithoutAnAddressToOpenLeavesThePageShown()
{
    QFETCH(int, row);
    QFETCH(QString, message);
    QVERIFY(m_session->ChooseDirectory(kA));
    QVERIFY(m_session->WaitUntilFilled());
    m_driver->Run(QStringLiteral("document.querySelector('[name=title]').value = ''"));

    QVERIFY(!m_session->ChooseDirectory(row));
    CBrowserCtrl& browser = *Inspect(*m_dlg).Browser();
    QCOMPARE(browser.GetReadyState(), CBrowserCtrl::kReadyStateComplete);
    QCOMPARE(browser.url().path(), QStringLiteral("/form/thanks"));
    QVERIFY(m_env->windowMessages.messages.empty());
    QCOMPARE(m_env->databaseMessages.messages.size(), size_t(1));
    QCOMPARE(QString::fromStdString(m_env->databaseMessages.messages[0].text), message);

    // The Fill button fills the page shown, by the chosen directory's rules.
    Inspect(*m_dlg).FillButton()->click();
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_env->windowMessages.messages.empty());

    // The next page to load is nobody's submission page and is left alone.
    QVERIFY(m_driver->Load(QString::fromStdString(m_env->server.Url("/form/other"))));
    QVERIFY(WaitForTicks(3));
    QCOMPARE(Title(), QString());
}

void SubmissionTrackingTest::closingWhileTheConfirmationIsReadKeepsTheMark()
{
    QVERIFY(m_session->ChooseDirectory(kA));
    QVERIFY(m_session->WaitUntilFilled());
    QVERIFY(m_session->SubmitByClick());
    QVERIFY(WaitUntil(
        [this] {
            const CBrowserCtrl& browser = *Inspect(*m_dlg).Browser();
            return browser.url().path().startsWith(QStringLiteral("/result/")) &&
                   browser.GetReadyState() == CBrowserCtrl::kReadyStateComplete;
        },
        BrowserDriver::kTimeoutMs));

    // Runs right after the window's own tick: the one that starts reading the result page.
    std::optional<std::string> savedAtClose;
    bool closed = false;
    const QMetaObject::Connection closing =
        connect(Inspect(*m_dlg).Timer(), &QTimer::timeout, this, [&] {
            if (!savedAtClose && !Inspect(*m_dlg).Submitted()) {
                closed = m_dlg->close();
                savedAtClose = StateFile();
            }
        });
    m_env->now = Inspect(*m_dlg).SubmitTime() + 3001;
    const bool answered =
        WaitUntil([&] { return savedAtClose.has_value(); }, BrowserDriver::kTimeoutMs);
    disconnect(closing);
    QVERIFY(answered);
    QVERIFY(closed);
    QVERIFY(!m_dlg->isVisible());
    QVERIFY2(savedAtClose->find("\r\n1\r\nA\r\n") != std::string::npos, savedAtClose->c_str());
}

QTEST_MAIN(SubmissionTrackingTest)
#include "SubmissionTrackingTest.moc"
