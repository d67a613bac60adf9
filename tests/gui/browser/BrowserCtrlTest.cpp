#include "UrlRecorder.h"
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"
#include "ui/browser/BrowserPage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWebChannel>
#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kLinksPage[] = R"(<!DOCTYPE html><html><body>
<a id="link" href="/elsewhere" target="_blank" style="display:block;height:40px">Elsewhere</a>
<form action="/posted" method="post" target="_blank"><button id="post">Post</button></form>
</body></html>)";

// Answers the next dialog the page opens, from inside the dialog's own event loop.
class DialogAnswerer
{
public:
    explicit DialogAnswerer(std::function<void(QDialog&)> answer) : m_answer(std::move(answer))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_poll.stop();
                m_answer(*dialog);
            }
        });
        m_poll.start(5);
    }

private:
    std::function<void(QDialog&)> m_answer;
    QTimer m_poll;
};

// A port on 127.0.0.1 that nothing listens on: bound once by the system's choice, then freed.
int UnusedPort()
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(socket);
    return ntohs(address.sin_port);
}

} // namespace

class BrowserCtrlTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void readsLoadingUntilThePageHasLoaded();
    void anUnreachableSiteEndsCompleteOnAnErrorPage();
    void anAddressNoPageCanComeFromLeavesThePageAsItWas_data();
    void anAddressNoPageCanComeFromLeavesThePageAsItWas();
    void kestrineScriptsAreHiddenFromThePage();
    void alertsShowThePageTextAsPlainText();
    void confirmAndPromptAnswerThePage();
    void newWindowsOpenInTheUsersBrowser();
    void aPageInTheBackgroundOpensItsWindowsOnceShown();
    void aCrashedPageLeavesAnErrorPageBehind();

private:
    QString Url(const std::string& path) const
    {
        return QString::fromStdString(m_server.Url(path));
    }

    LocalHttpServer m_server;
    std::unique_ptr<CBrowserCtrl> m_browser;
    std::unique_ptr<BrowserDriver> m_driver;
    ChannelProbe m_probe;
    UrlRecorder m_userBrowser;
};

void BrowserCtrlTest::initTestCase()
{
    m_server.server.Get("/plain", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body>Plain</body></html>", "text/html");
    });
    m_server.server.Get("/slow", [](const httplib::Request&, httplib::Response& response) {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        response.set_content("<html><body>Slow</body></html>", "text/html");
    });
    m_server.server.Get("/links", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kLinksPage, "text/html");
    });
    m_server.Start();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_userBrowser, "open");

    m_browser = std::make_unique<CBrowserCtrl>();
    QCOMPARE(m_browser->GetReadyState(), CBrowserCtrl::kReadyStateUninitialized);
    m_browser->resize(800, 600);
    m_browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_browser.get()));
    m_browser->Channel()->registerObject(QStringLiteral("probe"), &m_probe);
    m_driver = std::make_unique<BrowserDriver>(*m_browser);
}

void BrowserCtrlTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void BrowserCtrlTest::readsLoadingUntilThePageHasLoaded()
{
    QVERIFY(m_driver->Load(Url("/plain")));
    bool completeTooEarly = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        const bool served =
            !m_server.Requests().empty() && m_server.Requests().back().path == "/slow";
        completeTooEarly |=
            !served && m_browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete;
    });
    // Loading at once: the old page must not pass for the new one before the engine starts.
    m_browser->Navigate(Url("/slow"));
    QCOMPARE(m_browser->GetReadyState(), CBrowserCtrl::kReadyStateLoading);
    watch.start(1);
    QVERIFY(m_driver->WaitUntilComplete());
    QVERIFY(!completeTooEarly);
    QCOMPARE(m_driver->RunText(QStringLiteral("document.body.textContent")),
             QStringLiteral("Slow"));
}

void BrowserCtrlTest::anUnreachableSiteEndsCompleteOnAnErrorPage()
{
    QVERIFY(m_driver->Load(QStringLiteral("http://127.0.0.1:%1/gone").arg(UnusedPort())));
    QVERIFY(!m_browser->GetDocument()->url().isEmpty());
}

void BrowserCtrlTest::anAddressNoPageCanComeFromLeavesThePageAsItWas_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << QString();
    QTest::newRow("malformed") << QStringLiteral("http://[::1");
    QTest::newRow("no host") << QStringLiteral("http://");
    QTest::newRow("relative") << QStringLiteral("/submit.php");
    QTest::newRow("script") << QStringLiteral("javascript:void(0)");
    QTest::newRow("mail") << QStringLiteral("mailto:editor@example.com");
    QTest::newRow("unknown scheme") << QStringLiteral("feed://127.0.0.1/rss");
}

void BrowserCtrlTest::anAddressNoPageCanComeFromLeavesThePageAsItWas()
{
    QFETCH(QString, address);
    QVERIFY(m_driver->Load(Url("/plain")));
    QSignalSpy started(m_browser->GetDocument(), &QWebEnginePage::loadStarted);

    QVERIFY(!m_browser->Navigate(address));
    QCOMPARE(m_browser->GetReadyState(), CBrowserCtrl::kReadyStateComplete);
    // Still the same page, and nothing set off to replace it.
    QCOMPARE(m_driver->RunText(QStringLiteral("document.body.textContent")),
             QStringLiteral("Plain"));
    QCOMPARE(m_browser->url().path(), QStringLiteral("/plain"));
    QCOMPARE(started.count(), 0);
    QCOMPARE(m_browser->GetReadyState(), CBrowserCtrl::kReadyStateComplete);
}

void BrowserCtrlTest::kestrineScriptsAreHiddenFromThePage()
{
    QVERIFY(m_driver->Load(Url("/plain")));
    QCOMPARE(m_driver->RunText(QStringLiteral("typeof kestrine + ' ' + typeof qt")),
             QStringLiteral("undefined undefined"));
    WAIT_COMPARE(
        m_driver
            ->Run(QStringLiteral("typeof kestrine.fill + ' ' + (kestrine.objects !== null)"),
                  QWebEngineScript::ApplicationWorld)
            .value_or(QVariant())
            .toString(),
        QStringLiteral("function true"), BrowserDriver::kTimeoutMs);
}

void BrowserCtrlTest::alertsShowThePageTextAsPlainText()
{
    QVERIFY(m_driver->Load(Url("/plain")));
    QString text;
    Qt::TextFormat format = Qt::RichText;
    DialogAnswerer answerer([&](QDialog& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        text = box.text();
        format = box.textFormat();
        box.accept();
    });
    QVERIFY(m_driver->Run(QStringLiteral("alert('<b>bold</b>'); 'closed'")).has_value());
    QCOMPARE(text, QStringLiteral("<b>bold</b>"));
    QCOMPARE(format, Qt::PlainText);
}

void BrowserCtrlTest::confirmAndPromptAnswerThePage()
{
    QVERIFY(m_driver->Load(Url("/plain")));
    {
        DialogAnswerer answerer([](QDialog& dialog) {
            dynamic_cast<QMessageBox&>(dialog).button(QMessageBox::Ok)->click();
        });
        QCOMPARE(m_driver->Run(QStringLiteral("confirm('Sure?')")).value_or(QVariant()),
                 QVariant(true));
    }
    {
        DialogAnswerer answerer([](QDialog& dialog) {
            dynamic_cast<QMessageBox&>(dialog).button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(m_driver->Run(QStringLiteral("confirm('Sure?')")).value_or(QVariant()),
                 QVariant(false));
    }
    DialogAnswerer answerer([](QDialog& dialog) {
        auto& input = dynamic_cast<QInputDialog&>(dialog);
        QCOMPARE(input.textValue(), QStringLiteral("default"));
        input.setTextValue(QStringLiteral("typed"));
        input.accept();
    });
    QCOMPARE(m_driver->RunText(QStringLiteral("prompt('<i>Name?</i>', 'default')")),
             QStringLiteral("typed"));
}

void BrowserCtrlTest::newWindowsOpenInTheUsersBrowser()
{
    QVERIFY(m_driver->Load(Url("/links")));
    m_userBrowser.opened.clear();
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    m_driver->Click(QStringLiteral("link"));
    WAIT_COMPARE(m_userBrowser.opened.size(), size_t(1), BrowserDriver::kTimeoutMs);
    QCOMPARE(m_userBrowser.opened[0], QUrl(Url("/elsewhere")));
    m_driver->Click(QStringLiteral("post"));
    WAIT_COMPARE(m_userBrowser.opened.size(), size_t(2), BrowserDriver::kTimeoutMs);
    QCOMPARE(m_userBrowser.opened[1], QUrl(Url("/posted")));
    m_driver->Run(QStringLiteral("window.open('/popup')"));
    WAIT_COMPARE(m_userBrowser.opened.size(), size_t(3), BrowserDriver::kTimeoutMs);
    QCOMPARE(m_userBrowser.opened[2], QUrl(Url("/popup")));
    // The pane itself stays where it was.
    QCOMPARE(m_browser->url(), QUrl(Url("/links")));
}

void BrowserCtrlTest::aPageInTheBackgroundOpensItsWindowsOnceShown()
{
    QVERIFY(m_driver->Load(Url("/links")));
    m_userBrowser.opened.clear();
    int asked = 0;
    const QMetaObject::Connection counting = connect(
        m_browser->GetDocument(), &QWebEnginePage::newWindowRequested, this, [&asked] { ++asked; });
    m_browser->GetDocument()->SetInBackground(true);
    m_driver->Run(QStringLiteral("window.open('/held')"));
    WAIT_COMPARE(asked, 1, BrowserDriver::kTimeoutMs);
    disconnect(counting);
    QVERIFY(m_userBrowser.opened.empty());

    m_browser->GetDocument()->SetInBackground(false);
    QCOMPARE(m_userBrowser.opened, std::vector<QUrl>{QUrl(Url("/held"))});
}

void BrowserCtrlTest::aCrashedPageLeavesAnErrorPageBehind()
{
    QVERIFY(m_driver->Load(Url("/plain")));
    const qint64 renderer = m_browser->GetDocument()->renderProcessPid();
    QVERIFY(renderer > 0);
    QSignalSpy terminated(m_browser->GetDocument(), &QWebEnginePage::renderProcessTerminated);
    QCOMPARE(::kill(static_cast<pid_t>(renderer), SIGKILL), 0);
    // A script sent to the killed renderer is never answered; the page is read once the engine
    // has noticed the crash.
    QVERIFY(WaitUntil([&terminated] { return !terminated.isEmpty(); }, BrowserDriver::kTimeoutMs));
    WAIT_VERIFY(m_browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete &&
                    m_driver->RunText(QStringLiteral("document.body.textContent"))
                        .contains(QStringLiteral("stopped working")),
                BrowserDriver::kTimeoutMs);
}

QTEST_MAIN(BrowserCtrlTest)
#include "BrowserCtrlTest.moc"
