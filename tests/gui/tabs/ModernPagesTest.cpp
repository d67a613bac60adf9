// Directory pages built the way sites are built today, each filled by its directory's rules and
// submitted by a click as the user would: what the server receives, and whether the directory
// is marked sent. The frameworks are the real ones, from Debian's packages, served by the
// test's own server (Debian 12 ships Vue 2).
#include "support/DirectorySessionRig.h"
#include "support/FileBytes.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageDescriber.h"
#include "ui/browser/PageEvents.h"
#include "ui/browser/PageFiller.h"
#include "ui/tabs/SubmissionSession.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebChannel>
#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

namespace {

// Written in pieces in the pages' scripts, so that a page shows it only once it says it.
constexpr char kConfirmation[] = "Your feed is listed";
constexpr char kSaid[] = "'Your feed ' + 'is listed'";

const std::map<std::string, std::string> kLibraries = {
    {"/lib/react.js", "/usr/share/nodejs/react/umd/react.production.min.js"},
    {"/lib/react-dom.js", "/usr/share/nodejs/react-dom/umd/react-dom.production.min.js"},
    {"/lib/vue.js", "/usr/share/javascript/vue/vue.min.js"},
    {"/lib/jquery.js", "/usr/share/javascript/jquery/jquery.min.js"},
};

// React 18 renders after the document is ready; it hears of a box or a radio button only by
// its click.
constexpr char kReactPage[] = R"(<!DOCTYPE html><html><body><div id="app"></div>
<script src="/lib/react.js"></script><script src="/lib/react-dom.js"></script>
<script>
var h = React.createElement;
function App() {
  var [title, setTitle] = React.useState('');
  var [agree, setAgree] = React.useState(false);
  var [plan, setPlan] = React.useState('free');
  var [done, setDone] = React.useState(false);
  if (done) return h('p', null, SAID);
  function send(e) {
    e.preventDefault();
    fetch('/api/submit', {method: 'POST',
      body: JSON.stringify({title: title, agree: agree, plan: plan})})
      .then(function () { setDone(true); });
  }
  return h('form', {onSubmit: send},
    h('input', {name: 'title', value: title, onChange: function (e) { setTitle(e.target.value); }}),
    h('input', {type: 'checkbox', name: 'agree', checked: agree,
                onChange: function (e) { setAgree(e.target.checked); }}),
    ['free', 'paid'].map(function (p) {
      return h('input', {key: p, type: 'radio', name: 'plan', value: p, checked: plan === p,
                         onChange: function () { setPlan(p); }});
    }),
    h('button', {id: 'send', type: 'submit'}, 'Send'));
}
ReactDOM.createRoot(document.getElementById('app')).render(h(App));
</script></body></html>)";

constexpr char kVuePage[] = R"(<!DOCTYPE html><html><body><div id="app">
<p v-if="done">{{ said }}</p>
<form v-else @submit.prevent="send"><input name="title" v-model="title">
<input type="checkbox" name="agree" v-model="agree"><button id="send">Send</button></form></div>
<script src="/lib/vue.js"></script>
<script>
new Vue({el: '#app', data: {title: '', agree: false, done: false, said: SAID},
  methods: {send: function () {
    var vm = this, request = new XMLHttpRequest();
    request.open('POST', '/api/submit');
    request.onload = function () { vm.done = true; };
    request.send(JSON.stringify({title: this.title, agree: this.agree}));
  }}});
</script></body></html>)";

constexpr char kJQueryPage[] = R"(<!DOCTYPE html><html><body>
<form id="f"><input name="title"><button id="send">Send</button></form><p id="said"></p>
<script src="/lib/jquery.js"></script>
<script>
$('#f').on('submit', function (e) {
  e.preventDefault();
  $.post('/api/submit', $(this).serialize(), function () { $('#said').text(SAID); });
});
</script></body></html>)";

// The answer takes its time: the confirmation shows up after the usual wait.
constexpr char kFetchPage[] = R"(<!DOCTYPE html><html><body>
<form id="f"><input name="title"><button id="send">Send</button></form>
<script>
document.getElementById('f').addEventListener('submit', function (e) {
  e.preventDefault();
  fetch('/api/slow', {method: 'POST', body: new URLSearchParams(new FormData(this))})
    .then(function (r) { return r.text(); })
    .then(function () { document.body.insertAdjacentHTML('beforeend', '<p>' + SAID + '</p>'); });
});
</script></body></html>)";

// A form service's form in a frame of another site, after a frame the user does not see
// (a tracker) that has a field of the same name.
constexpr char kFramePage[] = R"(<!DOCTYPE html><html><body><p>Our form service:</p>
<iframe src="OTHER/framed?tracker" style="width:0;height:0;border:0"></iframe>
<iframe id="service" src="OTHER/framed" style="width:400px;height:200px;border:0"></iframe>
</body></html>)";

constexpr char kFramedForm[] = R"page(<!DOCTYPE html><html><body style="margin:0">
<form action="/result" method="post">
<button id="send" style="position:absolute;left:0;top:0;width:120px;height:40px">Send</button>
<input name="title" style="position:absolute;left:0;top:60px"
  oninput="fetch((location.search ? '/tracker-filled?' : '/framed-filled?') + this.value)">
</form></body></html>)page";

constexpr char kShadowPage[] = R"(<!DOCTYPE html><html><body><feed-form></feed-form>
<script>
customElements.define('feed-form', class extends HTMLElement {
  constructor() {
    super();
    this.attachShadow({mode: 'open'}).innerHTML = '<form action="/result" method="post">' +
      '<label>Title <input name="title"></label><button id="send">Send</button></form>';
  }
});
</script></body></html>)";

// Fields of one name in the light document and in an open shadow root between them, and a
// component that keeps its field in a closed one.
constexpr char kComponentsPage[] = R"(<!DOCTYPE html><html><body>
<input name="t"><open-part></open-part><input name="t"><closed-part></closed-part>
<script>
customElements.define('open-part', class extends HTMLElement {
  constructor() { super(); this.attachShadow({mode: 'open'}).innerHTML = '<input name="t">'; }
});
customElements.define('closed-part', class extends HTMLElement {
  constructor() { super(); this.attachShadow({mode: 'closed'}).innerHTML = '<input name="s">'; }
});
</script></body></html>)";

// The page's validation refuses the submission: the e-mail address is missing.
constexpr char kRefusingPage[] = R"(<!DOCTYPE html><html><body>
<form id="f" action="/result" method="post"><input name="title"><input name="email">
<button id="send">Send</button></form>
<script>
document.getElementById('f').onsubmit = function () { return this.email.value !== ''; };
</script></body></html>)";

constexpr char kRules[] = R"(<item name="title" index="0" value="#title#" type="edit"/>)";
constexpr char kBoxRule[] = R"(<item name="agree" index="0" value="on" type="checkbox"/>)";
constexpr char kRadioRule[] = R"(<item name="plan" index="0" value="paid" type="checkbox"/>)";

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

std::string Replaced(std::string text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.replace(at, what.size(), with), at += with.size();
    return text;
}

} // namespace

class ModernPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aPageIsFilledSubmittedAndMarked_data();
    void aPageIsFilledSubmittedAndMarked();
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
    for (const auto& [path, file] : kLibraries) {
        const std::string script = ReadWholeFile(file);
        QVERIFY2(!script.empty(), file.c_str());
        m_server.server.Get(path, [script](const httplib::Request&, httplib::Response& response) {
            response.set_content(script, "text/javascript");
        });
    }
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
    const auto listed = [](const httplib::Request&, httplib::Response& response) {
        response.set_content(std::string("<html><body><p>") + kConfirmation + "</p></body></html>",
                             "text/html");
    };
    m_server.server.Post("/result", listed);
    m_server.server.Post("/api/submit", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("{\"ok\":true}", "application/json");
    });
    m_server.server.Post("/api/slow", [](const httplib::Request&, httplib::Response& response) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        response.set_content("{\"ok\":true}", "application/json");
    });
    m_server.server.Get("/tracker-filled", [](const httplib::Request&, httplib::Response&) {});
    m_server.server.Get("/seen", [](const httplib::Request&, httplib::Response&) {});
    m_server.server.Get("/framed-filled", [](const httplib::Request&, httplib::Response&) {});
    m_server.Start();

    const std::string said = kSaid;
    m_pages = {
        {"react", Replaced(kReactPage, "SAID", said)},
        {"vue", Replaced(kVuePage, "SAID", said)},
        {"jquery", Replaced(kJQueryPage, "SAID", said)},
        {"fetch", Replaced(kFetchPage, "SAID", said)},
        {"frame", Replaced(kFramePage, "OTHER", OtherOrigin())},
        {"spied", "<html><body><iframe src=\"" + OtherOrigin() +
                      "/spy\" style=\"width:400px;height:200px\"></iframe></body></html>"},
        {"shadow", kShadowPage},
        {"refusing", kRefusingPage},
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

void ModernPagesTest::aPageIsFilledSubmittedAndMarked_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("rules");
    QTest::addColumn<int>("fields");
    // A script giving the point to click in the top document, as [x, y].
    QTest::addColumn<QString>("clickAt");
    // What the server must receive: the path of the POST and a part of its body; no path when
    // nothing must be sent.
    QTest::addColumn<QString>("sentTo");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("marked");

    const QString button = QStringLiteral("(function (b) { var r = b.getBoundingClientRect(); "
                                          "return [r.x + r.width / 2, r.y + r.height / 2]; })(%1)");
    const QString byId = button.arg(QStringLiteral("document.getElementById('send')"));
    const QString rules = QString::fromLatin1(kRules);

    const QString box = QString::fromLatin1(kBoxRule);

    QTest::newRow("React, fetch, box and radio button")
        << "react" << rules + box + QString::fromLatin1(kRadioRule) << 3 << byId << "/api/submit"
        << R"({"title":"Ann's feed","agree":true,"plan":"paid"})" << true;
    QTest::newRow("Vue, XMLHttpRequest, box") << "vue" << rules + box << 2 << byId << "/api/submit"
                                              << R"({"title":"Ann's feed","agree":true})" << true;
    // jQuery encodes as encodeURIComponent does, which leaves the apostrophe.
    QTest::newRow("jQuery $.post") << "jquery" << rules << 1 << byId << "/api/submit"
                                   << "title=Ann's+feed" << true;
    QTest::newRow("fetch, confirmation after the usual wait")
        << "fetch" << rules << 1 << byId << "/api/slow"
        << "title=Ann%27s+feed" << true;
    QTest::newRow("frame of another site")
        << "frame" << rules << 1
        << QStringLiteral("(function (r) { return [r.x + 20, r.y + 10]; })(document."
                          "getElementById('service').getBoundingClientRect())")
        << "/result"
        << "title=Ann%27s+feed" << true;
    QTest::newRow("open shadow root")
        << "shadow" << rules << 1
        << button.arg(QStringLiteral(
               "document.querySelector('feed-form').shadowRoot.getElementById('send')"))
        << "/result"
        << "title=Ann%27s+feed" << true;
    QTest::newRow("validation refuses")
        << "refusing" << rules << 1 << byId << QString() << QString() << false;
}

void ModernPagesTest::aPageIsFilledSubmittedAndMarked()
{
    QFETCH(QString, page);
    QFETCH(QString, rules);
    QFETCH(int, fields);
    QFETCH(QString, clickAt);
    QFETCH(QString, sentTo);
    QFETCH(QString, body);
    QFETCH(bool, marked);

    DirectorySessionRig rig;
    QVERIFY(rig.Start("<directory name=\"Site\" submiturl=\"" +
                      m_server.Url("/page/" + page.toStdString()) + "\" onsubmit=\"" +
                      kConfirmation + "\">" + rules.toStdString() + "</directory>"));
    CSubmissionSession& session = *rig.session;
    CBrowserCtrl& browser = rig.browser;
    BrowserDriver& driver = rig.driver;
    QSignalSpy confirmationRead(&session, &CSubmissionSession::confirmationRead);
    QSignalSpy confirmed(&session, &CSubmissionSession::confirmed);
    int fieldsSet = 0;
    connect(&session, &CSubmissionSession::filled, this,
            [&fieldsSet](const std::string&, const QUrl&, const FillReport& report) {
                fieldsSet = std::max(fieldsSet, report.fieldsSet);
            });
    connect(browser.PageEvents(), &CPageEvents::fillReported, this,
            [&fieldsSet](const FillReport& report) {
                fieldsSet = std::max(fieldsSet, report.fieldsSet);
            });
    const size_t requestsBefore = m_server.Requests().size();
    session.OpenDirectory("Site");
    WAIT_COMPARE(fieldsSet, fields, BrowserDriver::kTimeoutMs);
    QVERIFY(driver.WaitForRenderedFrame(rig.probe.renderedFrames));
    const QJsonArray point =
        QJsonDocument::fromJson(driver.RunText("JSON.stringify(" + clickAt + ")").toUtf8()).array();
    QCOMPARE(point.size(), 2);
    QTest::mouseClick(browser.focusProxy(), Qt::LeftButton, {},
                      QPoint(int(point.at(0).toDouble()), int(point.at(1).toDouble())));

    if (sentTo.isEmpty()) {
        // The refused attempt: heard by the page, its notice on its way before two frames.
        WAIT_VERIFY(driver.RunText(QStringLiteral("document.forms[0].title.value")) ==
                        QStringLiteral("Ann's feed"),
                    BrowserDriver::kTimeoutMs);
        QVERIFY(driver.WaitForRenderedFrame(rig.probe.renderedFrames));
        QVERIFY(driver.WaitForRenderedFrame(rig.probe.renderedFrames));
        QVERIFY(!session.Snapshot().submitted);
        for (size_t i = requestsBefore; i < m_server.Requests().size(); ++i)
            QCOMPARE(m_server.Requests()[i].method, std::string("GET"));
        return;
    }
    WAIT_VERIFY(session.Snapshot().submitted, BrowserDriver::kTimeoutMs);
    const auto received = [&] {
        const std::vector<LocalHttpServer::Request> requests = m_server.Requests();
        return std::any_of(requests.begin() + requestsBefore, requests.end(), [&](auto& request) {
            return request.method == "POST" && request.path == sentTo.toStdString() &&
                   request.body.find(body.toStdString()) != std::string::npos;
        });
    };
    WAIT_VERIFY(received(), BrowserDriver::kTimeoutMs);
    rig.now += 3001;
    WAIT_COMPARE(confirmationRead.count(), 1, 3 * BrowserDriver::kTimeoutMs);
    QCOMPARE(confirmationRead.at(0).at(2).toBool(), marked);
    QCOMPARE(confirmed.count(), marked ? 1 : 0);
    // The frame the user does not see was left alone.
    QVERIFY(!HasRequest("GET", "/tracker-filled"));
    QVERIFY(rig.messages.messages.empty());
}

void ModernPagesTest::noPageWorldInAnyFrameReachesTheBridge()
{
    CBrowserCtrl browser;
    ChannelProbe probe;
    browser.Channel()->registerObject(QStringLiteral("submitSink"), &probe);
    browser.Channel()->registerObject(QStringLiteral("probe"), &probe);
    browser.resize(800, 600);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
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
