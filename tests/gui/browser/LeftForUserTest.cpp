// What a fill leaves for the user, and where the caret goes to answer it.
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"
#include "ui/browser/CaretPlacement.h"
#include "ui/browser/PageEvents.h"

#include <QTest>
#include <QWebChannel>
#include <map>
#include <mutex>

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

// Every page's form has a "title" field, which the fill sets.
constexpr char kTitle[] = R"(<label for="title">Title</label><input id="title" name="title">)";

std::vector<FormField> TitleField()
{
    return {{.name = "title", .type = FieldType::Edit, .value = "My feed"}};
}

} // namespace

class LeftForUserTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsTheFieldsOnlyTheUserCanAnswer_data();
    void listsTheFieldsOnlyTheUserCanAnswer();
    void theCaretGoesToTheFirstFieldLeftOrTheSubmitButton_data();
    void theCaretGoesToTheFirstFieldLeftOrTheSubmitButton();
    void aFormInAFrameTellsWhatIsLeftAndTakesTheCaret();

private:
    // Loads `body` (a page's body) and fills its title.
    FillReport LoadAndFill(const QString& body);

    LocalHttpServer m_server;
    std::mutex m_pagesLock;
    std::map<std::string, std::string> m_pages; // by path
    int m_pageCount = 0;
    std::unique_ptr<CBrowserCtrl> m_browser;
    std::unique_ptr<BrowserDriver> m_driver;
    ChannelProbe m_probe;
};

void LeftForUserTest::initTestCase()
{
    m_server.server.Get(R"(/page/\d+)",
                        [this](const httplib::Request& request, httplib::Response& response) {
                            const std::lock_guard lock(m_pagesLock);
                            response.set_content(m_pages[request.path], "text/html");
                        });
    m_server.Start();
    m_browser = OpenProbedBrowser(m_probe);
    m_driver = std::make_unique<BrowserDriver>(*m_browser);
}

FillReport LeftForUserTest::LoadAndFill(const QString& body)
{
    const std::string path = "/page/" + std::to_string(++m_pageCount);
    {
        const std::lock_guard lock(m_pagesLock);
        m_pages[path] = "<!DOCTYPE html><html><body>" + body.toStdString() + "</body></html>";
    }
    if (!m_driver->Load(QString::fromStdString(m_server.Url(path))))
        return FillReport{.fieldsSet = -1};
    return m_driver->Fill(TitleField());
}

void LeftForUserTest::listsTheFieldsOnlyTheUserCanAnswer_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<std::vector<std::string>>("left");

    QTest::newRow("nothing") << QStringLiteral("<form>%1</form>").arg(kTitle)
                             << std::vector<std::string>{};
    // Required ones first, however the page marks them, each in page order; the marks go.
    QTest::newRow("required first")
        << QStringLiteral("<form>%1<label>Your site <input name=site></label>"
                          "<label>Word in the picture * <input name=word></label>"
                          "<label>Code <input name=code aria-required=true></label>"
                          "<label>Answer: <input name=answer required></label></form>")
               .arg(kTitle)
        << std::vector<std::string>{"Word in the picture", "Code", "Answer", "Your site"};
    // A box or a choice of buttons waits only when required; a select at its placeholder.
    QTest::newRow("boxes and choices")
        << QStringLiteral(
               "<form>%1<label><input type=checkbox name=news> Send me news</label>"
               "<label><input type=checkbox name=agree required> I agree to the terms</label>"
               "<label><input type=radio name=kind value=a required> Blog</label>"
               "<label><input type=radio name=kind value=b> Podcast</label>"
               "<label for=cat>Category</label><select id=cat name=cat>"
               "<option value=''>-- choose --</option><option>News</option></select>"
               "<label for=lang>Language</label><select id=lang name=lang>"
               "<option>English</option><option>German</option></select></form>")
               .arg(kTitle)
        << std::vector<std::string>{"I agree to the terms", "Blog", "Category"};
    // What the user cannot see or change, what is answered, and what lies outside the form.
    QTest::newRow("not the user's")
        << QStringLiteral("<form>%1<input name=trap style='display:none'>"
                          "<label>Off <input name=off disabled></label>"
                          "<label>Fixed <input name=fixed readonly></label>"
                          "<label>Given <input name=given value=yes></label>"
                          "<input type=hidden name=token><button>Send</button></form>"
                          "<label>Search <input name=q></label>")
               .arg(kTitle)
        << std::vector<std::string>{};
    // Fields outside any form: the page is their form.
    QTest::newRow("no form")
        << QStringLiteral("%1<label>Word * <input name=word></label>").arg(kTitle)
        << std::vector<std::string>{"Word"};
    // A form in an open shadow root, as components build it, captioned inside it.
    QTest::newRow("shadow root")
        << QStringLiteral("<div id=host></div><script>"
                          "document.getElementById('host').attachShadow({mode: 'open'})"
                          ".innerHTML = '<form>%1<label>Riddle <input name=riddle required>"
                          "</label></form>';</script>")
               .arg(kTitle)
        << std::vector<std::string>{"Riddle"};
}

void LeftForUserTest::listsTheFieldsOnlyTheUserCanAnswer()
{
    QFETCH(QString, form);
    QFETCH(std::vector<std::string>, left);
    const FillReport report = LoadAndFill(form);
    QCOMPARE(report.fieldsSet, 1);
    QCOMPARE(report.leftForUser, left);
}

void LeftForUserTest::theCaretGoesToTheFirstFieldLeftOrTheSubmitButton_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("typedFirst");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("focused");

    const QString form = QStringLiteral(
        "<form>%1<p style='margin-top: 3000px'><label>Word * <input id=word name=word></label></p>"
        "<button id=send>Send</button></form>");
    QTest::newRow("field left") << form.arg(kTitle) << false << int(CaretPlace::Field)
                                << QStringLiteral("word");
    QTest::newRow("nothing left")
        << QStringLiteral("<form>%1<button id=send>Send</button></form>").arg(kTitle) << false
        << int(CaretPlace::SubmitButton) << QStringLiteral("send");
    // The user has typed into the page: the caret stays where the user put it.
    QTest::newRow("typed into") << form.arg(kTitle) << true << int(CaretPlace::KeptByUser)
                                << QStringLiteral("title");
}

void LeftForUserTest::theCaretGoesToTheFirstFieldLeftOrTheSubmitButton()
{
    QFETCH(QString, form);
    QFETCH(bool, typedFirst);
    QFETCH(int, place);
    QFETCH(QString, focused);
    QCOMPARE(LoadAndFill(form).fieldsSet, 1);
    if (typedFirst) {
        m_browser->setFocus();
        QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
        m_driver->Click(QStringLiteral("title"));
        WAIT_COMPARE(m_driver->RunText(QStringLiteral("document.activeElement.id")),
                     QStringLiteral("title"), BrowserDriver::kTimeoutMs);
        QTest::keyClick(m_browser->focusProxy(), Qt::Key_End);
        QTest::keyClick(m_browser->focusProxy(), Qt::Key_X);
        WAIT_COMPARE(m_driver->RunText(QStringLiteral("document.getElementById('title').value")),
                     QStringLiteral("My feedx"), BrowserDriver::kTimeoutMs);
    }

    std::optional<CaretPlace> placed;
    QObject context;
    PlaceCaretForUser(*m_browser->GetDocument(), &context,
                      [&placed](CaretPlace where) { placed = where; });
    WAIT_VERIFY(placed.has_value(), BrowserDriver::kTimeoutMs);
    QCOMPARE(int(*placed), place);
    QCOMPARE(m_driver->RunText(QStringLiteral("document.activeElement.id")), focused);
    // The field was brought into view.
    if (focused == QLatin1String("word"))
        QVERIFY(m_driver->RunText(QStringLiteral("String(scrollY > 0)")) == QStringLiteral("true"));
}

void LeftForUserTest::aFormInAFrameTellsWhatIsLeftAndTakesTheCaret()
{
    std::optional<FillReport> fromFrame;
    const QMetaObject::Connection reports =
        connect(m_browser->PageEvents(), &CPageEvents::fillReported, this,
                [&fromFrame](const FillReport& report) { fromFrame = report; });
    const FillReport first = LoadAndFill(
        QStringLiteral(
            "<p>A page that shows its form in a frame</p><iframe id=frame srcdoc=\"<form>"
            "%1<label>Word * <input id=word name=word></label></form>\"></iframe>")
            .arg(QString::fromLatin1(kTitle).replace(QLatin1Char('"'), QLatin1Char('\''))));
    QCOMPARE(first.fieldsSet, 0);
    WAIT_VERIFY(fromFrame && fromFrame->fieldsSet == 1, BrowserDriver::kTimeoutMs);
    disconnect(reports);
    QCOMPARE(fromFrame->leftForUser, std::vector<std::string>{"Word"});

    std::optional<CaretPlace> placed;
    QObject context;
    PlaceCaretForUser(*m_browser->GetDocument(), &context,
                      [&placed](CaretPlace where) { placed = where; });
    WAIT_VERIFY(placed.has_value(), BrowserDriver::kTimeoutMs);
    QCOMPARE(int(*placed), int(CaretPlace::InFrame));
    WAIT_COMPARE(m_driver->RunText(QStringLiteral(
                     "document.getElementById('frame').contentDocument.activeElement.id")),
                 QStringLiteral("word"), BrowserDriver::kTimeoutMs);
}

QTEST_MAIN(LeftForUserTest)
#include "LeftForUserTest.moc"
