#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WaitUntil.h"
#include "ui/browser/PageHtmlReader.h"

#include <QWebChannel>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

// The directory site's form: a paragraph named like a field, a select, fields sharing a name,
// one found by id. Its own onsubmit copies the title into a hidden field, so the server sees
// what the page's handler saw.
std::string FormPage(const std::string& kind)
{
    return R"(<!DOCTYPE html><html><body>
<p name="note">Paragraph</p>
<form id="submission" action="/result/)" +
           kind + R"(" method="post" onsubmit="this.echo.value = 'seen ' + this.title.value">
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
};

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

private:
    [[nodiscard]] bool ChooseDirectory(int row);
    [[nodiscard]] bool WaitUntilFilled();
    [[nodiscard]] bool SubmitByClick();
    [[nodiscard]] bool WaitForCheck();
    [[nodiscard]] bool FlushPageReads();
    QString Entry(int row) const { return Inspect(*m_dlg).Entry(row); }
    std::string StateFile() const { return m_env->ReadProgramFile("sv.dat").value_or(""); }

    std::unique_ptr<SubmitterTestEnvironment> m_env;
    std::unique_ptr<CSubmitterDlg> m_dlg;
    std::unique_ptr<BrowserDriver> m_driver;
    ChannelProbe m_probe;
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
        "dirdata.xml", DirectoryDatabaseXml(
                           {Directory("A Extra", form("other"), thanks, kTitleOnly),
                            Directory("A", form("thanks"), thanks, kTitleOnly),
                            Directory("Alpha", form("thanks") + "?cat=CATID", thanks, kAlphaItems),
                            Directory("Wrong case", form("other"), thanks, kTitleOnly),
                            Directory("Slow", form("slow"), thanks, kTitleOnly),
                            Directory("No text", form("thanks"), nullptr, kTitleOnly)}));
    m_env->WriteProgramFile(
        "sv.dat", StateFileLines({"Alice", "1", "Alice", "http://alice.example/feed.xml",
                                  "Feed of #email#", R"(It's "quoted" \ here)", "Business", "",
                                  "news, tech", "alice@example.com", "Ann", "Lee", "0"}));

    m_dlg = std::make_unique<CSubmitterDlg>(m_env->Environment());
    Inspect(*m_dlg).Browser()->Channel()->registerObject(QStringLiteral("probe"), &m_probe);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    m_driver = std::make_unique<BrowserDriver>(*Inspect(*m_dlg).Browser());
    QVERIFY(m_driver->WaitUntilComplete());
    QVERIFY(Inspect(*m_dlg).WaitForDatabase());
}

void SubmissionTrackingTest::cleanup()
{
    m_driver.reset();
    m_dlg.reset();
    m_env.reset();
}

bool SubmissionTrackingTest::ChooseDirectory(int row)
{
    Inspect(*m_dlg).PickDirectoryRow(row);
    return Inspect(*m_dlg).FillPending();
}

bool SubmissionTrackingTest::WaitUntilFilled()
{
    return WaitUntil(
        [this] {
            return !Inspect(*m_dlg).FillPending() &&
                   !m_driver
                        ->RunText(QStringLiteral("document.querySelector('[name=title]').value"))
                        .isEmpty();
        },
        BrowserDriver::kTimeoutMs);
}

bool SubmissionTrackingTest::SubmitByClick()
{
    if (!m_driver->WaitForRenderedFrame(m_probe.renderedFrames))
        return false;
    m_driver->Click(QStringLiteral("send"));
    return WaitUntil([this] { return Inspect(*m_dlg).Submitted(); }, BrowserDriver::kTimeoutMs);
}

// The result page is complete within the 3000 ms; the check comes at the first tick after.
bool SubmissionTrackingTest::WaitForCheck()
{
    const auto resultShown = [this] {
        return Inspect(*m_dlg).Browser()->GetReadyState() == CBrowserCtrl::kReadyStateComplete &&
               Inspect(*m_dlg).Browser()->url().path().startsWith(QStringLiteral("/result/"));
    };
    if (!WaitUntil(resultShown, BrowserDriver::kTimeoutMs) || !Inspect(*m_dlg).Submitted())
        return false;
    m_env->now = Inspect(*m_dlg).SubmitTime() + 3001;
    return WaitUntil([this] { return !Inspect(*m_dlg).Submitted(); }, BrowserDriver::kTimeoutMs) &&
           FlushPageReads();
}

// Reads of the page are answered in order: once this one is back, the check's has been too.
bool SubmissionTrackingTest::FlushPageReads()
{
    auto read = std::make_shared<bool>(false);
    CPageHtmlReader(*Inspect(*m_dlg).Browser()->GetDocument())
        .Read(this, [read](const std::string&) { *read = true; });
    return WaitUntil([&read] { return *read; }, BrowserDriver::kTimeoutMs);
}

void SubmissionTrackingTest::fillsTheDirectoryPageFromTheProfile()
{
    QVERIFY(ChooseDirectory(kAlpha));
    QVERIFY(WaitUntilFilled());
    QCOMPARE(m_env->WaitForRequest("/form/thanks")->query, std::string("cat=104"));
    // The paragraph named "note" takes no value; the status bar says so.
    WAIT_COMPARE(Inspect(*m_dlg).FillStatus()->text(),
                 QStringLiteral("Filled 8 of 9 fields \u00b7 not found: note"),
                 BrowserDriver::kTimeoutMs);
    const QString values = m_driver->RunText(QStringLiteral(
        "Array.from(document.querySelectorAll('input:not([type=hidden]), textarea, select'))"
        ".map(e => e.value).join('|')"));
    QCOMPARE(values,
             QStringLiteral("http://alice.example/feed.xml|Feed of alice@example.com|"
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
    QVERIFY(ChooseDirectory(kAlpha));
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
    QVERIFY(WaitForCheck());
    QCOMPARE(Entry(kAlpha), QStringLiteral("Alpha [sent]"));
    QCOMPARE(Inspect(*m_dlg).CurrentDirectoryRow(), int(kAlpha));
    QCOMPARE(Inspect(*m_dlg).ProgressStatus()->text(),
             QStringLiteral("1 of 6 directories sent for Alice"));
    QVERIFY(StateFile().find("\r\n1\r\nAlpha\r\n") != std::string::npos);
    const std::string body = m_env->WaitForRequest("/result/thanks")->body;
    QVERIFY2(body.find("echo=seen+Feed+of+alice%40example.com") != std::string::npos, body.c_str());
    // The result page stays: selecting the entry opened nothing.
    QCOMPARE(m_env->RequestCount("/form/thanks"), size_t(1));

    // Filled by the button and sent again: still one mark.
    QVERIFY(m_driver->Load(QString::fromStdString(m_env->server.Url("/form/thanks"))));
    Inspect(*m_dlg).FillButton()->click();
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
    QVERIFY(WaitForCheck());
    QCOMPARE(Entry(kAlpha), QStringLiteral("Alpha [sent]"));
}

void SubmissionTrackingTest::aSubmissionByThePagesOwnScriptIsTracked()
{
    QVERIFY(ChooseDirectory(kA));
    QVERIFY(WaitUntilFilled());
    m_driver->Run(QStringLiteral("document.getElementById('submission').submit()"));
    WAIT_VERIFY(Inspect(*m_dlg).Submitted(), BrowserDriver::kTimeoutMs);
    QVERIFY(WaitForCheck());
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
}

void SubmissionTrackingTest::theCheckComesOnlyMoreThan3000MillisecondsLater()
{
    m_env->now = 5000;
    QVERIFY(ChooseDirectory(kA));
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
    QCOMPARE(Inspect(*m_dlg).SubmitTime(), uint32_t(5000));
    QVERIFY(m_driver->WaitUntilComplete());
    m_env->now = 8000;
    int ticks = 0;
    connect(Inspect(*m_dlg).Timer(), &QTimer::timeout, this, [&ticks] { ++ticks; });
    WAIT_VERIFY(ticks >= 3, BrowserDriver::kTimeoutMs);
    QVERIFY(Inspect(*m_dlg).Submitted());
    QVERIFY(WaitForCheck());
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
}

void SubmissionTrackingTest::theCheckSurvivesAClockWrapAround()
{
    m_env->now = 0xFFFFFF00u;
    QVERIFY(ChooseDirectory(kA));
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
    QVERIFY(WaitForCheck());
    QVERIFY(m_env->now < 0xFFFFFF00u); // past the wrap
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
}

void SubmissionTrackingTest::aSlowResultPageIsExaminedOnceItHasLoaded()
{
    QVERIFY(ChooseDirectory(kSlow));
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
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
    QVERIFY(FlushPageReads());
    QCOMPARE(Entry(kSlow), QStringLiteral("Slow [sent]"));
}

void SubmissionTrackingTest::aConfirmationInAnotherLetterCaseMarksNothing()
{
    QVERIFY(ChooseDirectory(kWrongCase));
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
    QVERIFY(WaitForCheck());
    QCOMPARE(Entry(kWrongCase), QStringLiteral("Wrong case [not sent]"));
    QVERIFY(StateFile().find("Wrong case") == std::string::npos);
}

void SubmissionTrackingTest::aDirectoryWithoutConfirmationTextIsNeverMarked()
{
    QVERIFY(ChooseDirectory(kNoText));
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
    QVERIFY(WaitForCheck());
    QCOMPARE(Entry(kNoText), QStringLiteral("No text [not sent]"));
    QVERIFY(StateFile().find("No text") == std::string::npos);
    QCOMPARE(m_env->databaseMessages.messages.size(), size_t(1));
}

void SubmissionTrackingTest::onlyTheEntryOfExactlyThatDirectoryIsRewritten()
{
    QVERIFY(ChooseDirectory(kA));
    QVERIFY(WaitUntilFilled());
    QVERIFY(SubmitByClick());
    // Another entry is selected meanwhile, without opening it: the mark still finds "A".
    {
        Inspect(*m_dlg).SelectDirectoryRowQuietly(kNoText);
    }
    QVERIFY(WaitForCheck());
    QCOMPARE(Entry(kA), QStringLiteral("A [sent]"));
    QCOMPARE(Entry(kAExtra), QStringLiteral("A Extra [not sent]"));
    QCOMPARE(Inspect(*m_dlg).CurrentDirectoryRow(), int(kA));
}

QTEST_MAIN(SubmissionTrackingTest)
#include "SubmissionTrackingTest.moc"
