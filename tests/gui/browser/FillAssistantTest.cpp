// What the fill tells the user and how it copes with pages that change under it: the report of
// fields set and missing, fields the page adds later, what the user typed, check boxes and radio
// buttons.
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/LocalHttpServer.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageEvents.h"
#include "ui/browser/PageFiller.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebChannel>

Q_DECLARE_METATYPE(std::vector<FormField>)

namespace {

// Two text fields, a check box, two radio groups; a third text field arrives a second after
// the page has loaded, as pages built by scripts do.
constexpr char kAssistPage[] = R"(<!DOCTYPE html><html><body>
<form id="f" action="/result" method="post">
  <input name="name" id="name"><input name="email" id="email">
  <input type="checkbox" name="agree" id="agree" value="on">
  <input type="radio" name="plan" value="free"><input type="radio" name="plan" value="paid">
  <input type="radio" name="size" value="s">
</form>
<script>
  window.addEventListener('load', function () {
    setTimeout(function () {
      var late = document.createElement('input');
      late.name = 'late';
      document.getElementById('f').appendChild(late);
    }, 1000);
  });
</script>
</body></html>)";

FormField Edit(const char* name, const char* value)
{
    return {name, FieldType::Edit, 0, value};
}

FormField Check(const char* name, const char* value)
{
    return {name, FieldType::CheckBox, 0, value};
}

} // namespace

class FillAssistantTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void reportsTheFieldsThePageLacks();
    void fillsAFieldThePageAddsLater();
    void neverOverwritesWhatTheUserTyped();
    void checkBoxItemsTickBoxesAndPickRadioButtons_data();
    void checkBoxItemsTickBoxesAndPickRadioButtons();

private:
    FillReport Fill(const std::vector<FormField>& fields);
    QString Run(const QString& source) { return m_driver->RunText(source); }
    // A mouse click on the element with this id; true once the element has the focus.
    bool ClickInto(const QString& id)
    {
        m_driver->Click(id);
        return Run(QStringLiteral("document.activeElement.id")) == id;
    }

    LocalHttpServer m_server;
    std::unique_ptr<CBrowserCtrl> m_browser;
    std::unique_ptr<BrowserDriver> m_driver;
    ChannelProbe m_probe;
};

void FillAssistantTest::initTestCase()
{
    m_server.server.Get("/assist", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kAssistPage, "text/html");
    });
    m_server.Start();
    m_browser = OpenProbedBrowser(m_probe);
    m_driver = std::make_unique<BrowserDriver>(*m_browser);
}

void FillAssistantTest::init()
{
    QVERIFY(m_driver->Load(QString::fromStdString(m_server.Url("/assist"))));
}

FillReport FillAssistantTest::Fill(const std::vector<FormField>& fields)
{
    return m_driver->Fill(fields);
}

void FillAssistantTest::reportsTheFieldsThePageLacks()
{
    const FillReport report =
        Fill({Edit("name", "Ann"), Edit("phone", "555"), Edit("email", "a@example.com")});
    QCOMPARE(report.fieldsTotal, 3);
    QCOMPARE(report.fieldsSet, 2);
    QCOMPARE(report.missing, std::vector<std::string>{"phone"});
    QVERIFY(report.formWatched);
}

void FillAssistantTest::fillsAFieldThePageAddsLater()
{
    QSignalSpy late(m_browser->PageEvents(), &CPageEvents::fillReported);
    const FillReport first = Fill({Edit("name", "Ann"), Edit("late", "arrived")});
    QCOMPARE(first.fieldsSet, 1);
    QCOMPARE(first.missing, std::vector<std::string>{"late"});

    QTRY_COMPARE_WITH_TIMEOUT(late.count(), 1, BrowserDriver::kTimeoutMs);
    const auto update = late.takeFirst().at(0).value<FillReport>();
    QCOMPARE(update.fieldsSet, 2);
    QVERIFY(update.missing.empty());
    QCOMPARE(Run(QStringLiteral("document.getElementsByName('late')[0].value")),
             QStringLiteral("arrived"));
    QCOMPARE(Run(QStringLiteral("document.getElementById('name').value")), QStringLiteral("Ann"));
}

void FillAssistantTest::neverOverwritesWhatTheUserTyped()
{
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    // Typed as a user types: into the active window, after a click into the field. Right after
    // a page has loaded the engine may still drop input, so the click is repeated until the
    // field has the caret.
    m_browser->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_browser.get()));
    m_browser->setFocus();
    WAIT_VERIFY(ClickInto(QStringLiteral("email")), BrowserDriver::kTimeoutMs);
    QTest::keyClicks(m_browser->focusProxy(), QStringLiteral("mine"));
    QTRY_COMPARE_WITH_TIMEOUT(Run(QStringLiteral("document.getElementById('email').value")),
                              QStringLiteral("mine"), BrowserDriver::kTimeoutMs);

    // A value set by a script is no typing: that field is filled like any other.
    Run(QStringLiteral("document.getElementById('name').value = 'script'"));
    const FillReport report = Fill({Edit("email", "filled@example.com"), Edit("name", "Ann")});
    QCOMPARE(report.fieldsSet, 2);
    QCOMPARE(Run(QStringLiteral("document.getElementById('email').value")), QStringLiteral("mine"));
    QCOMPARE(Run(QStringLiteral("document.getElementById('name').value")), QStringLiteral("Ann"));
}

void FillAssistantTest::checkBoxItemsTickBoxesAndPickRadioButtons_data()
{
    QTest::addColumn<std::vector<FormField>>("fields");
    QTest::addColumn<QString>("state"); // agree: checked/value, then each radio's checked/value

    QTest::newRow("box ticked, value set") << std::vector<FormField>{Check("agree", "yes")}
                                           << "agree 1/yes plan 0/free 0/paid size 0/s";
    QTest::newRow("box ticked, empty value kept")
        << std::vector<FormField>{Check("agree", "")} << "agree 1/on plan 0/free 0/paid size 0/s";
    QTest::newRow("edit item on a box sets only the value")
        << std::vector<FormField>{Edit("agree", "yes")}
        << "agree 0/yes plan 0/free 0/paid size 0/s";
    QTest::newRow("radio of the group with that value")
        << std::vector<FormField>{Check("plan", "paid")}
        << "agree 0/on plan 0/free 1/paid size 0/s";
    QTest::newRow("no radio with that value: value set as before")
        << std::vector<FormField>{Check("size", "xl")} << "agree 0/on plan 0/free 0/paid size 0/xl";
}

void FillAssistantTest::checkBoxItemsTickBoxesAndPickRadioButtons()
{
    QFETCH(std::vector<FormField>, fields);
    QFETCH(QString, state);

    Run(QStringLiteral("var changes = []; document.addEventListener('change', "
                       "function (e) { changes.push(e.target.name); })"));
    QCOMPARE(Fill(fields).fieldsSet, 1);
    QCOMPARE(Run(QStringLiteral(
                 "var a = document.getElementById('agree'); 'agree ' + (a.checked ? 1 : 0) + '/' + "
                 "a.value + ' plan ' + Array.from(document.getElementsByName('plan')).map("
                 "function (r) { return (r.checked ? 1 : 0) + '/' + r.value; }).join(' ') + "
                 "' size ' + Array.from(document.getElementsByName('size')).map("
                 "function (r) { return (r.checked ? 1 : 0) + '/' + r.value; }).join(' ')")),
             state);
    QCOMPARE(Run(QStringLiteral("changes.join()")), QString::fromStdString(fields.front().name));
}

QTEST_MAIN(FillAssistantTest)
#include "FillAssistantTest.moc"
