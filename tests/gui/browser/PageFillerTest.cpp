#include "ui/browser/PageFiller.h"

#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebChannel>

namespace {

// A directory's submission page: a paragraph named like a field ahead of the form, fields that
// share a name, one found by id, a file input, a search form and a hidden one beside it, a
// field outside any form and a frame.
// The page records the input and change events it hears, and its own onsubmit copies the feed
// into a hidden field, so the server sees what that handler saw.
constexpr char kFormPage[] = R"(<!DOCTYPE html><html><body>
<p name="feed">Paragraph</p>
<form id="submission" action="/result" method="post">
  <input name="feed" id="feedInput" type="text">
  <input name="tag" type="text"><input name="tag" type="text">
  <textarea name="description"></textarea>
  <select name="category"><option value="">--</option><option value="7">News</option>
    <option value="9">Sports</option></select>
  <input id="contact" type="text">
  <input type="file" name="attachment">
  <input type="hidden" name="echo">
  <button id="send" type="submit">Send</button>
</form>
<form id="search" action="/search" method="post"><input name="q" value="feeds">
  <button id="find" type="submit">Find</button></form>
<form id="newsletter" action="/search" method="post" hidden><input name="email" value="a@b.example">
</form>
<input name="outside" type="text">
<iframe srcdoc="<input name='framed'>"></iframe>
<script>
  var heard = [];
  ['input', 'change'].forEach(function (type) {
    document.addEventListener(type, function (e) {
      heard.push(type + ':' + (e.target.name || e.target.id));
    });
  });
  document.getElementById('submission').onsubmit = function () {
    this.echo.value = 'seen ' + this.feed.value;
  };
</script>
</body></html>)";

} // namespace

class PageFillerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void setsInputsTextAreasSelectsAndIdsByNameAndIndex();
    void choosesAnOptionByValueThenByTextAndKeepsItWithoutMatch();
    void skipsElementsThatTakeNoValueAndIndexesThatMatchNothing();
    void announcesEachValueWithBubblingInputAndChangeEvents();
    void aFieldThatRefusesItsValueDoesNotStopTheRest();

    void aClickOnTheSubmitButtonIsReportedOnceAndThePageHandlerStillRuns();
    void enterInATextFieldIsReported();
    void filledTwiceTheFormStillReportsOnce();
    void aPageCallingFormSubmitIsReportedByItsNavigation();
    void aLastFieldOutsideAnyFormWatchesNothing();
    void aSubmitEventMadeByAScriptIsIgnored();
    void anotherFormsSubmissionIsNotTheDirectorys_data();
    void anotherFormsSubmissionIsNotTheDirectorys();
    void aSubmissionThePageRefusesIsNotReported_data();
    void aSubmissionThePageRefusesIsNotReported();

private:
    FillReport Fill(const std::vector<FormField>& fields);
    QString Value(const QString& selector);
    void LoadFormPage();

    LocalHttpServer m_server;
    std::unique_ptr<CBrowserCtrl> m_browser;
    std::unique_ptr<BrowserDriver> m_driver;
    ChannelProbe m_probe;
};

void PageFillerTest::initTestCase()
{
    m_server.server.Get("/form", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kFormPage, "text/html");
    });
    m_server.server.Post("/search", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body>Thank you</body></html>", "text/html");
    });
    m_server.server.Post("/result", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body>Thank you</body></html>", "text/html");
    });
    m_server.Start();
    // One browser for every case: each case starts from a freshly loaded page.
    m_browser = std::make_unique<CBrowserCtrl>();
    m_browser->resize(800, 600);
    m_browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_browser.get()));
    m_browser->Channel()->registerObject(QString::fromLatin1(kSubmitSinkChannelName), &m_probe);
    m_browser->Channel()->registerObject(QStringLiteral("probe"), &m_probe);
    m_driver = std::make_unique<BrowserDriver>(*m_browser);
}

void PageFillerTest::init()
{
    LoadFormPage();
    m_probe.submissions = 0;
}

void PageFillerTest::LoadFormPage()
{
    QVERIFY(m_driver->Load(QString::fromStdString(m_server.Url("/form"))));
}

FillReport PageFillerTest::Fill(const std::vector<FormField>& fields)
{
    return m_driver->Fill(fields);
}

QString PageFillerTest::Value(const QString& selector)
{
    return m_driver->RunText(QStringLiteral("document.querySelector(\"%1\").value").arg(selector));
}

void PageFillerTest::setsInputsTextAreasSelectsAndIdsByNameAndIndex()
{
    const std::string description = "Line one\nIt's \"quoted\", a \\ and </script> — ünïcode";
    const FillReport outcome = Fill({
        {"feed", FieldType::Edit, 1, "http://feed.example/rss"},
        {"tag", FieldType::Edit, 0, "first"},
        {"tag", FieldType::Edit, 1, "second"},
        {"description", FieldType::Edit, 0, description},
        {"category", FieldType::ComboBox, 0, "9"},
        {"contact", FieldType::Edit, 0, "me@example.com"},
    });
    QCOMPARE(outcome.fieldsSet, 6);
    QVERIFY(outcome.formWatched);
    QCOMPARE(Value(QStringLiteral("#feedInput")), QStringLiteral("http://feed.example/rss"));
    QCOMPARE(Value(QStringLiteral("[name=tag]:nth-of-type(2)")), QStringLiteral("first"));
    QCOMPARE(m_driver->RunText(QStringLiteral("document.getElementsByName('tag')[1].value")),
             QStringLiteral("second"));
    QCOMPARE(Value(QStringLiteral("textarea")), QString::fromStdString(description));
    QCOMPARE(Value(QStringLiteral("select")), QStringLiteral("9"));
    QCOMPARE(Value(QStringLiteral("#contact")), QStringLiteral("me@example.com"));
}

void PageFillerTest::choosesAnOptionByValueThenByTextAndKeepsItWithoutMatch()
{
    QCOMPARE(Fill({{"category", FieldType::ComboBox, 0, "News"}}).fieldsSet, 1);
    QCOMPARE(Value(QStringLiteral("select")), QStringLiteral("7"));
    // No option has this value or text: the choice stays, and the list still counts as set.
    const FillReport outcome = Fill({{"category", FieldType::ComboBox, 0, "Weather"}});
    QCOMPARE(outcome.fieldsSet, 1);
    QVERIFY(outcome.formWatched);
    QCOMPARE(Value(QStringLiteral("select")), QStringLiteral("7"));
}

void PageFillerTest::skipsElementsThatTakeNoValueAndIndexesThatMatchNothing()
{
    // Index 0 of "feed" is the paragraph; -1 and 5 match nothing.
    const FillReport outcome = Fill({
        {"feed", FieldType::Edit, 0, "into the paragraph"},
        {"feed", FieldType::Edit, -1, "negative"},
        {"tag", FieldType::Edit, 5, "beyond"},
        {"nothing", FieldType::Edit, 0, "absent"},
    });
    QCOMPARE(outcome.fieldsSet, 0);
    QVERIFY(!outcome.formWatched);
    QCOMPARE(m_driver->RunText(QStringLiteral("document.querySelector('p').textContent")),
             QStringLiteral("Paragraph"));
    QCOMPARE(Value(QStringLiteral("#feedInput")), QString());
}

void PageFillerTest::announcesEachValueWithBubblingInputAndChangeEvents()
{
    Fill({{"description", FieldType::Edit, 0, "text"}, {"category", FieldType::ComboBox, 0, "9"}});
    QCOMPARE(m_driver->RunText(QStringLiteral("heard.join(' ')")),
             QStringLiteral("input:description change:description input:category "
                            "change:category"));
}

void PageFillerTest::aFieldThatRefusesItsValueDoesNotStopTheRest()
{
    const FillReport outcome =
        Fill({{"attachment", FieldType::Edit, 0, "/etc/passwd"}, {"tag", FieldType::Edit, 0, "x"}});
    QCOMPARE(outcome.fieldsSet, 2);
    QCOMPARE(Value(QStringLiteral("[name=attachment]")), QString());
    QCOMPARE(m_driver->RunText(QStringLiteral("document.getElementsByName('tag')[0].value")),
             QStringLiteral("x"));
}

void PageFillerTest::aClickOnTheSubmitButtonIsReportedOnceAndThePageHandlerStillRuns()
{
    QVERIFY(Fill({{"feed", FieldType::Edit, 1, "http://feed.example/rss"}}).formWatched);
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    m_driver->Click(QStringLiteral("send"));
    WAIT_COMPARE(m_probe.submissions, 1, BrowserDriver::kTimeoutMs);
    QVERIFY(m_driver->WaitUntilComplete());
    WAIT_VERIFY(!m_server.Requests().empty() && m_server.Requests().back().path == "/result",
                BrowserDriver::kTimeoutMs);
    const std::string body = m_server.Requests().back().body;
    QVERIFY2(body.find("echo=seen+http%3A%2F%2Ffeed.example%2Frss") != std::string::npos,
             body.c_str());
    // Heard once, from the form and the window together.
    QCOMPARE(m_probe.submissions, 1);
}

void PageFillerTest::enterInATextFieldIsReported()
{
    QVERIFY(Fill({{"tag", FieldType::Edit, 0, "x"}}).formWatched);
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    m_driver->PressEnterIn(QStringLiteral("feedInput"));
    WAIT_COMPARE(m_probe.submissions, 1, BrowserDriver::kTimeoutMs);
    // The submission's own navigation must end here, not under the next case's page.
    WAIT_COMPARE(m_browser->url().path(), QStringLiteral("/result"), BrowserDriver::kTimeoutMs);
}

void PageFillerTest::filledTwiceTheFormStillReportsOnce()
{
    QVERIFY(Fill({{"tag", FieldType::Edit, 0, "x"}}).formWatched);
    QVERIFY(Fill({{"tag", FieldType::Edit, 0, "y"}}).formWatched);
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    m_driver->Click(QStringLiteral("send"));
    WAIT_COMPARE(m_probe.submissions, 1, BrowserDriver::kTimeoutMs);
    QVERIFY(m_driver->WaitUntilComplete());
    QCOMPARE(m_probe.submissions, 1);
}

void PageFillerTest::aPageCallingFormSubmitIsReportedByItsNavigation()
{
    QSignalSpy fallback(m_browser->GetDocument(), &CBrowserPage::armedFormSubmitted);
    QVERIFY(Fill({{"tag", FieldType::Edit, 0, "x"}}).formWatched);
    m_driver->Run(QStringLiteral("document.getElementById('submission').submit()"));
    WAIT_COMPARE(fallback.count(), 1, BrowserDriver::kTimeoutMs);
    QVERIFY(m_driver->WaitUntilComplete());
    // The result page was not filled: its own navigations are no submissions.
    LoadFormPage();
    m_driver->Run(QStringLiteral("document.getElementById('submission').submit()"));
    QVERIFY(m_driver->WaitUntilComplete());
    WAIT_COMPARE(m_server.Requests().back().path, std::string("/result"),
                 BrowserDriver::kTimeoutMs);
    QCOMPARE(fallback.count(), 1);
    QCOMPARE(m_probe.submissions, 0);
}

void PageFillerTest::aLastFieldOutsideAnyFormWatchesNothing()
{
    QSignalSpy fallback(m_browser->GetDocument(), &CBrowserPage::armedFormSubmitted);
    const FillReport outcome =
        Fill({{"tag", FieldType::Edit, 0, "x"}, {"outside", FieldType::Edit, 0, "y"}});
    QCOMPARE(outcome.fieldsSet, 2);
    QVERIFY(!outcome.formWatched);
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    m_driver->Click(QStringLiteral("send"));
    WAIT_COMPARE(m_server.Requests().back().path, std::string("/result"),
                 BrowserDriver::kTimeoutMs);
    QVERIFY(m_driver->WaitUntilComplete());
    QCOMPARE(m_probe.submissions, 0);
    QCOMPARE(fallback.count(), 0);
}

void PageFillerTest::aSubmitEventMadeByAScriptIsIgnored()
{
    QVERIFY(Fill({{"tag", FieldType::Edit, 0, "x"}}).formWatched);
    m_driver->Run(QStringLiteral("document.getElementById('submission').dispatchEvent("
                                 "new Event('submit', {bubbles: true}))"));
    // Let the channel carry a notice, had there been one, before the next frame is reported.
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    QCOMPARE(m_probe.submissions, 0);
}

void PageFillerTest::anotherFormsSubmissionIsNotTheDirectorys_data()
{
    QTest::addColumn<QString>("pageScript"); // empty: the user clicks the search form's button
    QTest::newRow("search form sent by the user") << QString();
    QTest::newRow("requestSubmit() of a hidden form")
        << QStringLiteral("document.getElementById('newsletter').requestSubmit()");
    QTest::newRow("submit() of a hidden form")
        << QStringLiteral("document.getElementById('newsletter').submit()");
}

void PageFillerTest::anotherFormsSubmissionIsNotTheDirectorys()
{
    QFETCH(QString, pageScript);
    QSignalSpy fallback(m_browser->GetDocument(), &CBrowserPage::armedFormSubmitted);
    QVERIFY(Fill({{"tag", FieldType::Edit, 0, "x"}}).formWatched);
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    if (pageScript.isEmpty())
        m_driver->Click(QStringLiteral("find"));
    else
        m_driver->Run(pageScript);
    WAIT_COMPARE(m_browser->url().path(), QStringLiteral("/search"), BrowserDriver::kTimeoutMs);
    QVERIFY(m_driver->WaitUntilComplete());
    // A notice the left page still had on its way arrives before the new page's frame.
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    QCOMPARE(m_probe.submissions, 0);
    QCOMPARE(fallback.count(), 0);
}

void PageFillerTest::aSubmissionThePageRefusesIsNotReported_data()
{
    QTest::addColumn<QString>("refusal");
    // Until window.allowSend is set, the page's validation refuses the submission.
    QTest::newRow("onsubmit returns false")
        << QStringLiteral("document.getElementById('submission').onsubmit = "
                          "function () { return window.allowSend === true; }");
    // Registered after the filler's own listener, so it runs after it.
    QTest::newRow("a later window listener prevents the default")
        << QStringLiteral("window.addEventListener('submit', function (e) { "
                          "if (!window.allowSend) e.preventDefault(); })");
}

void PageFillerTest::aSubmissionThePageRefusesIsNotReported()
{
    QFETCH(QString, refusal);
    QVERIFY(Fill({{"tag", FieldType::Edit, 0, "x"}}).formWatched);
    m_driver->Run(refusal);
    QVERIFY(m_driver->AttemptSubmission(QStringLiteral("send"), m_probe.renderedFrames));
    QCOMPARE(m_probe.submissions, 0);
    QCOMPARE(m_browser->url().path(), QStringLiteral("/form"));

    // The attempt after a refused one is reported.
    m_driver->Run(QStringLiteral("window.allowSend = true"));
    m_driver->Click(QStringLiteral("send"));
    QTRY_COMPARE_WITH_TIMEOUT(m_probe.submissions, 1, BrowserDriver::kTimeoutMs);
    QVERIFY(m_driver->WaitUntilComplete());
    QTRY_COMPARE_WITH_TIMEOUT(m_server.Requests().back().path, std::string("/result"),
                              BrowserDriver::kTimeoutMs);
}

QTEST_MAIN(PageFillerTest)
#include "PageFillerTest.moc"
