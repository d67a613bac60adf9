// Directory pages built the way sites are built today: frames of another site, open and closed
// shadow roots, described and filled. (Their submissions are TrustedPagesTest's.)
#include "ModernPages.h"

#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/LocalHttpServer.h"
#include "support/ProbedBrowser.h"
#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageDescriber.h"
#include "ui/browser/PageEvents.h"
#include "ui/browser/PageFiller.h"

#include <QTest>
#include <QWebChannel>
#include <map>

namespace {

using namespace modern_pages;

// A frame of another site whose own scripts count every message they hear, report what they
// can see of Kestrine's, and try to pass a submission off to the top document's scripts.
constexpr char kSpyFrame[] = R"(<!DOCTYPE html><html><body><input name="title">
<script>
var heard = 0;
window.addEventListener('message', function () { ++heard; }, true);
window.onmessage = function () { ++heard; };
document.querySelector('input').addEventListener('input', function () {
  parent.postMessage({marker: 'kestrine-frames', notice: 'submit',
                      data: {holds: true, cancelled: false}}, '*');
  setTimeout(function () {
    fetch('/seen?' + [typeof kestrine, typeof qt, heard].join('-'));
  }, 300);
});
</script></body></html>)";

} // namespace

class ModernPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noPageWorldInAnyFrameReachesTheBridge();
    void shadowContentCountsWhereItsHostStands();
    void aVisibleFramesFieldsAreDescribedAndFilledByMeaning();

private:
    std::string OtherOrigin() const
    {
        return "http://localhost:" + std::to_string(m_server.Port());
    }
    bool HasRequest(const std::string& method, const std::string& path) const;

    LocalHttpServer m_server;
    std::map<std::string, std::string> m_pages;
};

void ModernPagesTest::initTestCase()
{
    m_server.server.Get(R"(/page/(\w+))",
                        [this](const httplib::Request& request, httplib::Response& response) {
                            response.set_content(m_pages[request.matches[1]], "text/html");
                        });
    m_server.server.Get("/framed", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kFramedForm, "text/html");
    });
    m_server.server.Get("/spy", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kSpyFrame, "text/html");
    });
    m_server.server.Get("/tracker-filled", [](const httplib::Request&, httplib::Response&) {});
    m_server.server.Get("/seen", [](const httplib::Request&, httplib::Response&) {});
    m_server.server.Get("/framed-filled", [](const httplib::Request&, httplib::Response&) {});
    m_server.Start();

    m_pages = {
        {"frame", Replaced(kFramePage, "OTHER", OtherOrigin())},
        {"spied", "<html><body><iframe src=\"" + OtherOrigin() +
                      "/spy\" style=\"width:400px;height:200px\"></iframe></body></html>"},
        {"components", kComponentsPage},
    };
}

bool ModernPagesTest::HasRequest(const std::string& method, const std::string& path) const
{
    for (const LocalHttpServer::Request& request : m_server.Requests()) {
        if (request.method == method && request.path == path)
            return true;
    }
    return false;
}

void ModernPagesTest::noPageWorldInAnyFrameReachesTheBridge()
{
    CBrowserCtrl browser;
    ChannelProbe probe;
    QVERIFY(ShowProbed(browser, probe));
    BrowserDriver driver(browser);
    QVERIFY(driver.Load(QString::fromStdString(m_server.Url("/page/spied"))));
    // The frame's document may still be loading: its field is filled once it is ready.
    QVERIFY(driver.Fill({{"title", FieldType::Edit, 0, "Ann's feed"}}).fieldsTotal == 1);
    std::string seen;
    WAIT_VERIFY(
        [&] {
            for (const LocalHttpServer::Request& request : m_server.Requests()) {
                if (request.path == "/seen")
                    seen = request.query;
            }
            return !seen.empty();
        }(),
        BrowserDriver::kTimeoutMs);
    // The frame's page saw neither Kestrine's scripts, nor the channel, nor the messages
    // that filled its field; its own message went nowhere.
    QCOMPARE(seen, std::string("undefined-undefined-0"));
    QVERIFY(driver.WaitForRenderedFrame(probe.renderedFrames));
    QCOMPARE(probe.submissions, 0);
}

void ModernPagesTest::shadowContentCountsWhereItsHostStands()
{
    CBrowserCtrl browser;
    BrowserDriver driver(browser);
    QVERIFY(driver.Load(QString::fromStdString(m_server.Url("/page/components"))));
    const FillReport filled = driver.Fill({{"t", FieldType::Edit, 0, "zero"},
                                           {"t", FieldType::Edit, 1, "one"},
                                           {"t", FieldType::Edit, 2, "two"}});
    QCOMPARE(filled.fieldsSet, 3);
    QVERIFY(!filled.componentsOutOfReach);
    QCOMPARE(driver.RunText(QStringLiteral(
                 "[document.getElementsByName('t')[0].value, "
                 "document.querySelector('open-part').shadowRoot.querySelector('input').value, "
                 "document.getElementsByName('t')[1].value].join(' ')")),
             QStringLiteral("zero one two"));
    // A closed shadow root keeps its field; the report says why nothing was found.
    const FillReport closed = driver.Fill({{"s", FieldType::Edit, 0, "secret"}});
    QCOMPARE(closed.fieldsSet, 0);
    QVERIFY(closed.componentsOutOfReach);
}

void ModernPagesTest::aVisibleFramesFieldsAreDescribedAndFilledByMeaning()
{
    CBrowserCtrl browser;
    browser.resize(800, 600);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    BrowserDriver driver(browser);
    QVERIFY(driver.Load(QString::fromStdString(m_server.Url("/page/frame"))));
    // The frame of another site may still be loading.
    std::optional<PageDescription> page;
    WAIT_VERIFY(
        [&] {
            page.reset();
            CPageDescriber(*browser.GetDocument())
                .Describe(this, [&page](const PageDescription& described) { page = described; });
            return WaitUntil([&page] { return page.has_value(); }, BrowserDriver::kTimeoutMs) &&
                   !page->fields.empty();
        }(),
        BrowserDriver::kTimeoutMs);
    // The service's field, not the tracker's, which the user does not see.
    QCOMPARE(page->fields.size(), size_t(1));
    QCOMPARE(page->fields[0].name, std::string("title"));
    QCOMPARE(page->fields[0].frame, OtherOrigin() + "/framed");

    std::optional<CPageFiller::MeaningOutcome> outcome;
    CPageFiller(*browser.GetDocument())
        .FillByMeaning(page->token, {{page->fields[0].ordinal, "Ann's feed"}}, this,
                       [&outcome](const CPageFiller::MeaningOutcome& done) { outcome = done; });
    WAIT_VERIFY(outcome.has_value(), BrowserDriver::kTimeoutMs);
    QCOMPARE(outcome->filled, std::vector<int>{page->fields[0].ordinal});
    WAIT_VERIFY(HasRequest("GET", "/framed-filled"), BrowserDriver::kTimeoutMs);
    QVERIFY(!HasRequest("GET", "/tracker-filled"));
}

QTEST_MAIN(ModernPagesTest)
#include "ModernPagesTest.moc"
