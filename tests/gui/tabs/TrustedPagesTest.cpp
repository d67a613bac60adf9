// Directory pages filled by their directory's rules and submitted by a click as the user would,
// honest ones beside traps: what the server receives, whether a frame of another site got one
// of the profile's values, whether the directory is marked sent, and what the history holds.
// The pages come from host names of their own, as real sites do: the engine counts 127.0.0.1
// and localhost as secure, and offers features there that a plain-http directory lacks.
#include "ModernPages.h"
#include "TrapPages.h"
#include "support/DirectorySessionRig.h"
#include "support/FileBytes.h"
#include "support/LocalHttpServer.h"
#include "support/ProbedBrowser.h"
#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageEvents.h"
#include "ui/tabs/SubmissionSession.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QWebChannel>
#include <QWebEngineScriptCollection>
#include <algorithm>
#include <chrono>
#include <thread>

using namespace modern_pages;
using namespace trap_pages;

namespace {

void Answer(httplib::Server& server, const char* path, int delayMs = 0)
{
    server.Post(path, [delayMs](const httplib::Request&, httplib::Response& response) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        response.set_content("{\"ok\":true}", "application/json");
    });
}

} // namespace

class TrustedPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aPageIsFilledSubmittedAndJudged_data();
    void aPageIsFilledSubmittedAndJudged();
    void noListenerLearnsForgesOrGetsTheProfile();

private:
    std::string Site(const char* host) const
    {
        return std::string("http://") + host + ".test:" + std::to_string(m_server.Port());
    }
    size_t Count(const std::string& method, const std::string& path, size_t from) const;

    LocalHttpServer m_server;
    std::map<std::string, std::string> m_pages;
};

size_t TrustedPagesTest::Count(const std::string& method, const std::string& path,
                               size_t from) const
{
    const std::vector<LocalHttpServer::Request> requests = m_server.Requests();
    return size_t(std::count_if(requests.begin() + std::min(from, requests.size()), requests.end(),
                                [&](const LocalHttpServer::Request& request) {
                                    return request.method == method && request.path == path;
                                }));
}

void TrustedPagesTest::initTestCase()
{
    httplib::Server& server = m_server.server;
    for (const auto& [path, file] : kLibraries) {
        const std::string script = ReadWholeFile(file);
        QVERIFY2(!script.empty(), file.c_str());
        server.Get(path, [script](const httplib::Request&, httplib::Response& response) {
            response.set_content(script, "text/javascript");
        });
    }
    server.Get(R"(/page/(\w+))",
               [this](const httplib::Request& request, httplib::Response& response) {
                   response.set_content(m_pages[request.matches[1]] + kSettles, "text/html");
               });
    const std::map<std::string, std::string> frames = {
        {"/framed", kFramedForm},
        {"/forger", kForgerFrame},
        {"/newsletter", std::string(kNewsletterFrame) + kReporter},
        {"/chat", kChatFrame},
        {"/ad", std::string("<html><body><p>") + kConfirmation + "</p></body></html>"},
        {"/form", kFramedDirectoryForm},
    };
    for (const auto& [path, html] : frames) {
        server.Get(path, [html](const httplib::Request&, httplib::Response& response) {
            response.set_content(html, "text/html");
        });
    }
    server.Post("/result", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(std::string("<html><body><p>") + kConfirmation + "</p></body></html>",
                             "text/html");
    });
    for (const char* path : {"/api/submit", "/api/poll", "/chat/poll", "/analytics", "/heard"})
        Answer(server, path);
    Answer(server, "/api/slow", 1500);
    Answer(server, "/api/slower", 4000);
    for (const char* path : {"/got", "/framed-filled", "/tracker-filled", "/settled", "/tried"})
        server.Get(path, [](const httplib::Request&, httplib::Response&) {});
    m_server.Start();

    const std::string said = kSaid;
    const auto form = [](std::string page) {
        return Replaced(std::move(page), "DIRECTORY_FORM", kDirectoryForm);
    };
    const auto refused = [this](const std::string& submitting, const std::string& extra) {
        return Replaced(Replaced(kRefusedPage, "SUBMITTING", submitting), "EXTRA",
                        Replaced(extra, "ADS", Site("ads")));
    };
    const auto newsletter = [&](const std::string& style) {
        return Replaced(Replaced(form(kNewsletterPage), "ADS", Site("ads")), "STYLE", style);
    };
    const auto staying = [](const std::string& old) { return Replaced(kStayingPage, "OLD", old); };
    m_pages = {
        {"react", Replaced(kReactPage, "SAID", said)},
        {"vue", Replaced(kVuePage, "SAID", said)},
        {"jquery", Replaced(kJQueryPage, "SAID", said)},
        {"fetch", Replaced(kFetchPage, "SAID", said)},
        {"frame", Replaced(kFramePage, "OTHER", Site("forms"))},
        {"shadow", kShadowPage},
        {"refusing", kRefusingPage},
        {"forger", form("<html><body>DIRECTORY_FORM<iframe src=\"" + Site("ads") +
                        "/forger\" style=\"width:300px;height:80px\"></iframe></body></html>")},
        {"blank", form(kBlankListenerPage)},
        {"newsletter", newsletter("width:300px;height:80px")},
        {"faint", newsletter("width:2px;height:2px;opacity:0.01")},
        {"newsletterOnly", Replaced(kNewsletterOnlyPage, "ADS", Site("ads"))},
        {"poll", refused("", kPoll)},
        {"beacon", refused(kBeacon, "<script>trapReady = true;</script>")},
        {"chat", refused("", "<script>trapReady = true;</script><iframe src=\"ADS/chat\" "
                             "style=\"width:200px;height:60px\"></iframe>")},
        {"hidden", staying(std::string("<div style=\"display:none\">") + kConfirmation +
                           "</div><p hidden>" + kConfirmation + "</p>")},
        {"testimonial",
         staying(std::string("<blockquote>\"") + kConfirmation + " in a day!\"</blockquote>")},
        {"adFrame", staying("<iframe src=\"" + Site("ads") +
                            "/ad\" style=\"width:300px;height:80px\"></iframe>")},
        {"slowFrames", Replaced(kSlowWithFramesPage, "SAID", said)},
        {"listeners", Replaced(kListenersPage, "ADS", Site("ads"))},
    };
}

void TrustedPagesTest::aPageIsFilledSubmittedAndJudged_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("rules");
    // A script giving the point to click in the top document, as [x, y]; none: no click.
    QTest::addColumn<QString>("clickAt");
    // What the server must receive: the path of the POST and a part of its body; no path when
    // the directory must receive nothing.
    QTest::addColumn<QString>("sentTo");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("otherSiteGot");
    QTest::addColumn<bool>("marked");
    // The history's events for the page, in order.
    QTest::addColumn<QString>("history");

    const QString button = QStringLiteral("(function (b) { var r = b.getBoundingClientRect(); "
                                          "return [r.x + r.width / 2, r.y + r.height / 2]; })(%1)");
    const QString byId = button.arg(QStringLiteral("document.getElementById('send')"));
    const QString rules = QString::fromLatin1(kRules);
    const QString traps = QString::fromLatin1(kTrapRules);
    const QString box = QString::fromLatin1(kBoxRule);
    const QString confirmed = QStringLiteral("filled submitted confirmed");
    const QString unconfirmed = QStringLiteral("filled submitted not-confirmed");
    const QString filled = QStringLiteral("filled");
    const QString title = QStringLiteral("title=Ann%27s+feed");

    // Honest pages.
    QTest::newRow("React, fetch, box and radio button")
        << "react" << rules + box + QString::fromLatin1(kRadioRule) << byId << "/api/submit"
        << R"({"title":"Ann's feed","agree":true,"plan":"paid"})" << false << true << confirmed;
    QTest::newRow("Vue, XMLHttpRequest, box")
        << "vue" << rules + box << byId << "/api/submit"
        << R"({"title":"Ann's feed","agree":true})" << false << true << confirmed;
    // jQuery encodes as encodeURIComponent does, which leaves the apostrophe.
    QTest::newRow("jQuery $.post") << "jquery" << rules << byId << "/api/submit"
                                   << "title=Ann's+feed" << false << true << confirmed;
    QTest::newRow("fetch, confirmation after the usual wait")
        << "fetch" << rules << byId << "/api/slow" << title << false << true << confirmed;
    QTest::newRow("a form service's frame holds the whole form")
        << "frame" << rules
        << QStringLiteral("(function (r) { return [r.x + 20, r.y + 10]; })(document."
                          "getElementById('service').getBoundingClientRect())")
        << "/result" << title << true << true << confirmed;
    QTest::newRow("open shadow root")
        << "shadow" << rules
        << button.arg(QStringLiteral(
               "document.querySelector('feed-form').shadowRoot.getElementById('send')"))
        << "/result" << title << false << true << confirmed;
    QTest::newRow("validation refuses")
        << "refusing" << rules << byId << QString() << QString() << false << false << filled;

    // Traps: forgeries and listeners.
    QTest::newRow("an advertisement wipes its document and forges")
        << "forger" << traps << QString() << QString() << QString() << false << false << filled;
    QTest::newRow("the page forges through an about:blank frame")
        << "blank" << traps << QString() << QString() << QString() << false << false << filled;
    // Newsletters of another site.
    QTest::newRow("a newsletter frame beside the form")
        << "newsletter" << traps << byId << "/result" << title << false << true << confirmed;
    QTest::newRow("a tiny, faint newsletter frame")
        << "faint" << traps << byId << "/result" << title << false << true << confirmed;
    QTest::newRow("a newsletter frame and no form of the directory's")
        << "newsletterOnly" << traps << QString() << QString() << QString() << false << false
        << filled;
    // Refusals beside other requests.
    QTest::newRow("a refusal on a page that polls")
        << "poll" << traps << byId << QString() << QString() << false << false << filled;
    QTest::newRow("a refusal that sends a beacon")
        << "beacon" << traps << byId << QString() << QString() << false << false << filled;
    QTest::newRow("a refusal beside a chat frame that polls")
        << "chat" << traps << byId << QString() << QString() << false << false << filled;
    // Confirmations that were there before the submission.
    const QString url = QStringLiteral("url=http%3A%2F%2Fann.example%2Ffeed.xml");
    QTest::newRow("the confirmation hidden since the page loaded")
        << "hidden" << traps << byId << "/api/submit" << url << false << false << unconfirmed;
    QTest::newRow("the confirmation in a testimonial")
        << "testimonial" << traps << byId << "/api/submit" << url << false << false << unconfirmed;
    QTest::newRow("the confirmation in an advertisement's frame")
        << "adFrame" << traps << byId << "/api/submit" << url << false << false << unconfirmed;
    QTest::newRow("a late answer beside eight silent frames")
        << "slowFrames" << traps << byId << "/api/slower" << url << false << true << confirmed;
}

void TrustedPagesTest::aPageIsFilledSubmittedAndJudged()
{
    QFETCH(QString, page);
    QFETCH(QString, rules);
    QFETCH(QString, clickAt);
    QFETCH(QString, sentTo);
    QFETCH(QString, body);
    QFETCH(bool, otherSiteGot);
    QFETCH(bool, marked);
    QFETCH(QString, history);

    DirectorySessionRig rig;
    QVERIFY(rig.Start("<directory name=\"Site\" submiturl=\"" + Site("directory") + "/page/" +
                      page.toStdString() + "\" onsubmit=\"" + kConfirmation + "\">" +
                      rules.toStdString() + "</directory>"));
    CSubmissionSession& session = *rig.session;
    QStringList events;
    connect(&session, &CSubmissionSession::filled, this, [&events] {
        if (!events.contains(QStringLiteral("filled")))
            events << QStringLiteral("filled");
    });
    connect(&session, &CSubmissionSession::submitted, this,
            [&events] { events << QStringLiteral("submitted"); });
    connect(&session, &CSubmissionSession::confirmationRead, this,
            [&events](const std::string&, const QUrl&, bool confirmed) {
                events << (confirmed ? QStringLiteral("confirmed")
                                     : QStringLiteral("not-confirmed"));
            });
    QSignalSpy markedSent(&session, &CSubmissionSession::confirmed);
    const size_t before = m_server.Requests().size();
    session.OpenDirectory("Site");
    WAIT_VERIFY(!events.isEmpty(), BrowserDriver::kTimeoutMs);
    size_t acted = before; // the requests since the user last did something

    if (!clickAt.isEmpty()) {
        // Pages that repeat requests have done so before the user clicks.
        WAIT_VERIFY(rig.driver.RunText(QStringLiteral("String(window.trapReady !== false)")) ==
                        QStringLiteral("true"),
                    BrowserDriver::kTimeoutMs);
        // The fill has reached the form the click sends.
        WAIT_VERIFY(rig.browser.GetDocument()->FilledSite() != std::string(),
                    BrowserDriver::kTimeoutMs);
        QVERIFY(rig.driver.WaitForRenderedFrame(rig.probe.renderedFrames));
        const QJsonArray point =
            QJsonDocument::fromJson(rig.driver.RunText("JSON.stringify(" + clickAt + ")").toUtf8())
                .array();
        QCOMPARE(point.size(), 2);
        acted = m_server.Requests().size();
        QTest::mouseClick(rig.browser.focusProxy(), Qt::LeftButton, {},
                          QPoint(int(point.at(0).toDouble()), int(point.at(1).toDouble())));
    }
    if (history.contains(QStringLiteral("submitted"))) {
        WAIT_VERIFY(session.Snapshot().submitted, BrowserDriver::kTimeoutMs);
        rig.now += 3001;
        WAIT_VERIFY(events.size() == history.split(' ').size(), 3 * BrowserDriver::kTimeoutMs);
    } else {
        WAIT_VERIFY(Count("GET", "/settled", acted) > 0, 2 * BrowserDriver::kTimeoutMs);
        QVERIFY(rig.driver.WaitForRenderedFrame(rig.probe.renderedFrames));
    }
    QCOMPARE(events.join(' '), history);
    QCOMPARE(markedSent.count(), marked ? 1 : 0);

    const std::vector<LocalHttpServer::Request> requests = m_server.Requests();
    const auto sent = [&](const std::string& path, const std::string& part) {
        return std::any_of(requests.begin() + before, requests.end(), [&](const auto& request) {
            return request.method == "POST" && request.path == path &&
                   request.body.find(part) != std::string::npos;
        });
    };
    if (sentTo.isEmpty()) {
        QVERIFY(!sent("/result", "") && !sent("/api/submit", ""));
    } else {
        QVERIFY2(sent(sentTo.toStdString(), body.toStdString()), qPrintable(sentTo));
    }
    const size_t got = Count("GET", "/got", before) + Count("GET", "/framed-filled", before) +
                       Count("GET", "/tracker-filled", before);
    QCOMPARE(got > 0, otherSiteGot);
    QVERIFY(rig.messages.messages.empty());
}

void TrustedPagesTest::noListenerLearnsForgesOrGetsTheProfile()
{
    CBrowserCtrl browser;
    ChannelProbe probe;
    QVERIFY(ShowProbed(browser, probe));
    BrowserDriver driver(browser);
    int fieldsSet = 0;
    connect(browser.PageEvents(), &CPageEvents::fillReported, this,
            [&fieldsSet](const FillReport& report) { fieldsSet = report.fieldsSet; });
    const size_t before = m_server.Requests().size();
    QVERIFY(driver.Load(QString::fromStdString(Site("directory") + "/page/listeners")));
    // The form's frame may still be loading: it is filled once it says it is ready.
    QCOMPARE(driver
                 .Fill({{"title", FieldType::Edit, 0, "Ann's feed"},
                        {"url", FieldType::Edit, 0, "http://ann.example/feed.xml"},
                        {"email", FieldType::Edit, 0, "ann@mail.example"}})
                 .fieldsTotal,
             3);
    WAIT_COMPARE(fieldsSet, 2, BrowserDriver::kTimeoutMs);
    WAIT_VERIFY(Count("GET", "/tried", before) > 0 &&
                    driver.RunText(QStringLiteral("String(window.attacked)")) == "true",
                BrowserDriver::kTimeoutMs);
    QVERIFY(driver.WaitForRenderedFrame(probe.renderedFrames));

    // The document that holds the form got the values.
    QCOMPARE(driver.RunText(QStringLiteral("document.getElementById('b').contentDocument."
                                           "querySelector('[name=title]').value")),
             QStringLiteral("Ann's feed"));
    // What every listener heard: the bus carried Kestrine's messages, and none held the key
    // that authenticates them; only the form's own document heard the profile.
    const QString key = browser.page()
                            ->scripts()
                            .find(QStringLiteral("kestrine-key"))
                            .value(0)
                            .sourceCode()
                            .section(QLatin1Char('"'), 1, 1);
    QCOMPARE(key.size(), 64);
    const QJsonObject heard =
        QJsonDocument::fromJson(driver.RunText(QStringLiteral("JSON.stringify(heard)")).toUtf8())
            .object();
    QStringList strangers;
    for (const QJsonValue text : heard.value(QStringLiteral("blank")).toArray())
        strangers << text.toString();
    for (const LocalHttpServer::Request& request : m_server.Requests()) {
        if (request.path == "/heard")
            strangers << QString::fromStdString(request.body);
    }
    QStringList all = strangers;
    for (const QJsonValue text : heard.value(QStringLiteral("carried")).toArray())
        all << text.toString();
    QVERIFY(!strangers.isEmpty());
    for (const QString& text : all)
        QVERIFY2(!text.contains(key), qPrintable(text));
    for (const QString& text : strangers)
        QVERIFY2(!text.contains(QStringLiteral("Ann's")), qPrintable(text));
    QCOMPARE(Count("GET", "/got", before), size_t(0));
    // Neither a forged nor a replayed submission reached the program.
    QCOMPARE(probe.submissions, 0);
    QCOMPARE(fieldsSet, 2);
}

int main(int argc, char** argv)
{
    // The test's host names all lead to its own server. The engine takes its own arguments
    // after --webEngineArgs.
    std::vector<char*> arguments(argv, argv + argc);
    std::string engine = "--webEngineArgs";
    std::string rules = "--host-resolver-rules=MAP *.test 127.0.0.1";
    arguments.push_back(engine.data());
    arguments.push_back(rules.data());
    int count = int(arguments.size());
    QApplication application(count, arguments.data());
    TrustedPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TrustedPagesTest.moc"
