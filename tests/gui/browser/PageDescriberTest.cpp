// What the page's description holds and what a fill by meaning reaches: only fields the user
// can see, texts of bounded length, and exactly the elements described.
#include "ui/browser/PageDescriber.h"

#include "support/BrowserDriver.h"
#include "support/LocalHttpServer.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageFiller.h"

#include <QTest>
#include <algorithm>

namespace {

// One field shown plainly, one in a box the user scrolls to, and fields hidden from the user in
// each way robot traps use.
constexpr char kTrapPage[] = R"html(<!DOCTYPE html><html><head><style>
  .offscreen { position: absolute; left: -9999px; }
  .screenReaderOnly { position: absolute; width: 1px; height: 1px; overflow: hidden;
                      clip: rect(0 0 0 0); }
</style></head><body><form action="/result" method="post">
  <label for="shown">E-mail</label><input name="shown" id="shown">
  <input name="displayNone" style="display: none">
  <input name="offscreen" class="offscreen">
  <input name="abovePage" style="position: absolute; top: -500px">
  <input name="invisible" style="visibility: hidden">
  <div style="visibility: hidden"><input name="invisibleParent"></div>
  <input name="transparent" style="opacity: 0">
  <div style="opacity: 0"><input name="transparentParent"></div>
  <input name="zeroSize" style="width: 0; height: 0; border: 0; padding: 0">
  <input name="onePixel" style="width: 1px; height: 1px; border: 0; padding: 0">
  <div class="screenReaderOnly"><input name="clippedParent"></div>
  <input name="clipPath" style="clip-path: inset(50%)">
  <div style="height: 0; overflow: hidden"><input name="collapsedParent"></div>
  <div style="height: 60px; overflow: auto"><div style="height: 300px"></div>
    <input name="scrolledTo"></div>
  <label for="long" id="longLabel"></label><input name="long" id="long">
</form><script>
  document.getElementById('longLabel').textContent = 'Name '.repeat(4000);
document.getElementById('long').placeholder = 'you@example.com '.repeat(2000);
</script></body></html>)html";

constexpr char kMeaningPage[] = R"(<!DOCTYPE html><html><body>
<form action="/result" method="post"><input name="comment"><input name="email"></form>
</body></html>)";

QString ValueOf(const char* name)
{
    return QStringLiteral("(document.getElementsByName('%1')[0] || {value: 'absent'}).value")
        .arg(QLatin1StringView(name));
}

} // namespace

class PageDescriberTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void describesOnlyFieldsShownInsideThePage();
    void keepsEachTextItCollectsShort();
    void fillsByMeaningExactlyTheElementsDescribed_data();
    void fillsByMeaningExactlyTheElementsDescribed();

private:
    PageDescription Describe(const char* path);

    LocalHttpServer m_server;
    std::unique_ptr<CBrowserCtrl> m_browser;
    std::unique_ptr<BrowserDriver> m_driver;
};

void PageDescriberTest::initTestCase()
{
    m_server.server.Get("/traps", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kTrapPage, "text/html");
    });
    m_server.server.Get("/meaning", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kMeaningPage, "text/html");
    });
    m_server.Start();
    m_browser = std::make_unique<CBrowserCtrl>();
    m_browser->resize(800, 600);
    m_browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_browser.get()));
    m_driver = std::make_unique<BrowserDriver>(*m_browser);
}

PageDescription PageDescriberTest::Describe(const char* path)
{
    if (!m_driver->Load(QString::fromStdString(m_server.Url(path))))
        return {};
    QObject context;
    std::optional<PageDescription> answer;
    CPageDescriber(*m_browser->GetDocument())
        .Describe(&context, [&answer](const PageDescription& page) { answer = page; });
    (void)WaitUntil([&answer] { return answer.has_value(); }, BrowserDriver::kTimeoutMs);
    return answer.value_or(PageDescription{});
}

void PageDescriberTest::describesOnlyFieldsShownInsideThePage()
{
    QStringList names;
    for (const FieldDescriptor& field : Describe("/traps").fields)
        names.append(QString::fromStdString(field.name));
    QCOMPARE(names, QStringList({"shown", "scrolledTo", "long"}));
}

void PageDescriberTest::keepsEachTextItCollectsShort()
{
    const PageDescription page = Describe("/traps");
    const auto field = std::find_if(page.fields.begin(), page.fields.end(),
                                    [](const FieldDescriptor& f) { return f.name == "long"; });
    QVERIFY(field != page.fields.end());
    QVERIFY(field->label.starts_with("Name Name"));
    QVERIFY2(field->label.size() <= 500, std::to_string(field->label.size()).c_str());
    QVERIFY(field->placeholder.starts_with("you@example.com"));
    QVERIFY2(field->placeholder.size() <= 500, std::to_string(field->placeholder.size()).c_str());
}

void PageDescriberTest::fillsByMeaningExactlyTheElementsDescribed_data()
{
    // Between the description and the fill, the page changes (a script in its own world) or
    // another document is loaded (no script). The e-mail field, ordinal 1, and the comment
    // field, ordinal 0, are to be filled; the columns give each field's value afterwards.
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("unchanged") << QString() << QStringLiteral("Nice")
                               << QStringLiteral("ann@example.com") << QStringLiteral("absent");
    QTest::newRow("a field inserted before them")
        << QStringLiteral("var f = document.createElement('input'); f.name = 'inserted'; "
                          "document.forms[0].prepend(f)")
        << QStringLiteral("Nice") << QStringLiteral("ann@example.com") << QString();
    QTest::newRow("the comment field removed")
        << QStringLiteral("window.removed = document.getElementsByName('comment')[0]; "
                          "window.removed.remove()")
        << QStringLiteral("absent") << QStringLiteral("ann@example.com")
        << QStringLiteral("absent");
    QTest::newRow("another document loaded")
        << QStringLiteral("navigate") << QString() << QString() << QStringLiteral("absent");
}

void PageDescriberTest::fillsByMeaningExactlyTheElementsDescribed()
{
    QFETCH(QString, change);
    const PageDescription page = Describe("/meaning");
    QCOMPARE(page.fields.size(), size_t{2});
    QVERIFY(!page.token.empty());

    if (change == QStringLiteral("navigate"))
        QVERIFY(m_driver->Load(QString::fromStdString(m_server.Url("/meaning?again"))));
    else if (!change.isEmpty())
        m_driver->Run(change);

    QObject context;
    std::optional<CPageFiller::MeaningOutcome> outcome;
    CPageFiller(*m_browser->GetDocument())
        .FillByMeaning(page.token, {{0, "Nice"}, {1, "ann@example.com"}}, &context,
                       [&outcome](const CPageFiller::MeaningOutcome& done) { outcome = done; });
    WAIT_VERIFY(outcome.has_value(), BrowserDriver::kTimeoutMs);

    QTEST(m_driver->RunText(ValueOf("comment")), "comment");
    QTEST(m_driver->RunText(ValueOf("email")), "email");
    QTEST(m_driver->RunText(ValueOf("inserted")), "inserted");
    if (change.contains(QStringLiteral("removed")))
        QCOMPARE(m_driver->RunText(QStringLiteral("window.removed.value")), QString());
}

QTEST_MAIN(PageDescriberTest)
#include "PageDescriberTest.moc"
