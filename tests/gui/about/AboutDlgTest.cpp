#include "ui/about/AboutDlg.h"

#include "PageScript.h"
#include "common/BuildConfig.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"
#include "ui/about/ResourceScheme.h"
#include "ui/about/ResourceSchemeHandler.h"
#include "ui/browser/BrowserCtrl.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

constexpr int kLoadTimeoutMs = 15000;

QString VendorHomePage()
{
    return QStringLiteral("http://%1/").arg(QString::fromUtf8(kestrine::kVendorHost));
}

// Stands in for the desktop's web browser while it lives: remembers what it was asked to open.
class WebBrowserStandIn : public QObject
{
    Q_OBJECT

public:
    WebBrowserStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open"); }
    ~WebBrowserStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

// A page that remembers what its documents write to the console.
class ConsoleRecordingPage : public QWebEnginePage
{
public:
    QStringList messages;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override
    {
        messages.append(message);
    }
};

} // namespace

class AboutDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void addressCarriesTheProgramPath_data();
    void addressCarriesTheProgramPath();
    void boxShowsProductAndClosesOnOk();
    void dataFolderIsShownAsWritten();
    void pageComesFromResources_data();
    void pageComesFromResources();
    void pageBlendsWithTheDialog();
    void schemeServesPagesByLastSegment_data();
    void schemeServesPagesByLastSegment();
    void webPagesCannotOpenResources();
    void linkOpensInTheDefaultBrowser();

private:
    static CBrowserCtrl* LoadedBrowser(const CAboutDlg& dialog);
};

CBrowserCtrl* AboutDlgTest::LoadedBrowser(const CAboutDlg& dialog)
{
    auto* browser = dialog.findChild<CBrowserCtrl*>();
    if (browser == nullptr ||
        !WaitUntil(
            [browser] { return browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete; },
            kLoadTimeoutMs))
        return nullptr;
    return browser;
}

void AboutDlgTest::addressCarriesTheProgramPath_data()
{
    // Bytes, as the system reports a path.
    QTest::addColumn<QByteArray>("modulePath");
    QTest::addColumn<QString>("address");

    QTest::newRow("plain") << QByteArray("/usr/bin/kestrine")
                           << "res:///usr/bin/kestrine/home_link.html";
    QTest::newRow("in double quotes")
        << QByteArray("\"/usr/bin/kestrine\"") << "res:///usr/bin/kestrine/home_link.html";
    QTest::newRow("opening quote only keeps the last character")
        << QByteArray("\"/usr/bin/kestrine") << "res:///usr/bin/kestrine/home_link.html";
    QTest::newRow("spaces and URL delimiters")
        << QByteArray("/opt/my apps/#1?x%/kestrine")
        << "res:///opt/my%20apps/%231%3Fx%25/kestrine/home_link.html";
    QTest::newRow("not UTF-8") << QByteArray("/opt/caf\xe9/kestrine")
                               << "res:///opt/caf%E9/kestrine/home_link.html";
}

void AboutDlgTest::addressCarriesTheProgramPath()
{
    QFETCH(QByteArray, modulePath);
    QFETCH(QString, address);

    const QUrl url = CAboutDlg::HomeLinkAddress(modulePath.toStdString());
    QCOMPARE(url.toString(QUrl::FullyEncoded), address);
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
}

void AboutDlgTest::boxShowsProductAndClosesOnOk()
{
    CAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Kestrine"));

    QLabel* product = nullptr;
    QLabel* icon = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Kestrine V1.0"))
            product = label;
        else if (!label->pixmap().isNull())
            icon = label;
    }
    QVERIFY(product != nullptr);
    QCOMPARE(product->textFormat(), Qt::PlainText);
    QVERIFY(icon != nullptr);
    QVERIFY(icon->pixmap().width() >= 16);

    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 1);
    QPushButton* ok = buttons.first();
    QVERIFY(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void AboutDlgTest::dataFolderIsShownAsWritten()
{
    CAboutDlg dialog;
    auto* line = dialog.findChild<QLabel*>(QStringLiteral("dataFolder"));
    QVERIFY(line != nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY2(!line->isVisible(), "no line until the window says where its files are");

    // Markup and mnemonics in a folder's name are shown as they are.
    dialog.ShowDataFolder("/home/ann/<b>R&D</b> Données/kestrine/");
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(), QStringLiteral("Your profiles and the directory database are kept "
                                          "in\n/home/ann/<b>R&D</b> Données/kestrine/"));
    QCOMPARE(line->textFormat(), Qt::PlainText);
    QVERIFY(line->textInteractionFlags() & Qt::TextSelectableByMouse);
}

void AboutDlgTest::pageComesFromResources_data()
{
    const QString program = QString::fromStdString(ExecutableFilePath());
    QTest::addColumn<QString>("modulePath");

    QTest::newRow("the running program") << program;
    QTest::newRow("reported in double quotes") << QLatin1Char('"') + program + QLatin1Char('"');
    QTest::newRow("odd characters") << "/tmp/odd dir/#x?y%z&\"'<é>/kestrine";
}

void AboutDlgTest::pageComesFromResources()
{
    QFETCH(QString, modulePath);

    CAboutDlg dialog(nullptr, modulePath.toStdString());
    dialog.show();
    CBrowserCtrl* browser = LoadedBrowser(dialog);
    QVERIFY(browser != nullptr);
    QCOMPARE(browser->url().scheme(), QStringLiteral("res"));

    const std::optional<QJsonObject> link = EvaluateInPage(
        browser->page(), QStringLiteral("(() => { const links = document.links;"
                                        "  return { count: links.length, href: links[0].href,"
                                        "           target: links[0].target,"
                                        "           text: links[0].textContent }; })()"));
    QVERIFY(link.has_value());
    QCOMPARE(link->value(QStringLiteral("count")).toInt(), 1);
    QCOMPARE(link->value(QStringLiteral("href")).toString(), VendorHomePage());
    QCOMPARE(link->value(QStringLiteral("target")).toString(), QStringLiteral("_blank"));
    QCOMPARE(link->value(QStringLiteral("text")).toString(), VendorHomePage());
    QVERIFY(PageHtml(browser->page())
                .contains(QStringLiteral("onselectstart=\"return false;\""), Qt::CaseInsensitive));
}

void AboutDlgTest::pageBlendsWithTheDialog()
{
    CAboutDlg dialog;
    dialog.show();
    CBrowserCtrl* browser = LoadedBrowser(dialog);
    QVERIFY(browser != nullptr);

    const std::optional<QJsonObject> look = EvaluateInPage(
        browser->page(),
        QStringLiteral("(() => { const body = getComputedStyle(document.body);"
                       "  const link = getComputedStyle(document.links[0]);"
                       "  return { margin: body.margin, overflow: body.overflow,"
                       "    select: body.userSelect || body.webkitUserSelect,"
                       "    align: body.textAlign, font: body.fontFamily, size: body.fontSize,"
                       "    color: body.color, background: body.backgroundColor,"
                       "    linkColor: link.color,"
                       "    scrolls: document.documentElement.scrollWidth > innerWidth };"
                       "})()"));
    QVERIFY(look.has_value());
    QCOMPARE(look->value(QStringLiteral("margin")).toString(), QStringLiteral("0px"));
    QCOMPARE(look->value(QStringLiteral("overflow")).toString(), QStringLiteral("hidden"));
    QCOMPARE(look->value(QStringLiteral("select")).toString(), QStringLiteral("none"));
    QCOMPARE(look->value(QStringLiteral("align")).toString(), QStringLiteral("center"));
    QVERIFY(look->value(QStringLiteral("font")).toString().startsWith(QStringLiteral("Verdana")));
    // 8 pt at CSS's 96 px to the inch.
    QVERIFY(look->value(QStringLiteral("size")).toString().startsWith(QStringLiteral("10.66")));
    QCOMPARE(look->value(QStringLiteral("color")).toString(), QStringLiteral("rgb(0, 0, 0)"));
    QCOMPARE(look->value(QStringLiteral("linkColor")).toString(), QStringLiteral("rgb(0, 0, 255)"));
    QVERIFY(look->value(QStringLiteral("background")).toString() !=
            QStringLiteral("rgba(0, 0, 0, 0)"));
    QVERIFY(!look->value(QStringLiteral("scrolls")).toBool());
}

void AboutDlgTest::schemeServesPagesByLastSegment_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("served");

    QTest::newRow("page name as built") << "res:///usr/bin/kestrine/home_link.html" << true;
    QTest::newRow("resource's own case") << "res:///usr/bin/kestrine/HOME_LINK.HTML" << true;
    QTest::newRow("mixed case") << "res:///Home_Link.Html" << true;
    QTest::newRow("unknown page") << "res:///usr/bin/kestrine/missing.html" << false;
    QTest::newRow("no page name") << "res:///usr/bin/kestrine/" << false;
    QTest::newRow("resource outside the pages") << "res:///icons/kestrine.svg" << false;
}

void AboutDlgTest::schemeServesPagesByLastSegment()
{
    QFETCH(QString, address);
    QFETCH(bool, served);

    QWebEngineView view;
    CResourceSchemeHandler::InstallOn(view.page()->profile());
    QSignalSpy finished(view.page(), &QWebEnginePage::loadFinished);
    view.load(QUrl(address));
    WAIT_VERIFY(!finished.isEmpty(), kLoadTimeoutMs);
    QCOMPARE(finished.first().first().toBool(), served);
    QCOMPARE(PageHtml(view.page()).contains(VendorHomePage()), served);
}

void AboutDlgTest::webPagesCannotOpenResources()
{
    LocalHttpServer server;
    server.server.Get("/page", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body>A web page</body></html>", "text/html");
    });
    server.Start();
    const QUrl webPage(QString::fromStdString(server.Url("/page")));

    ConsoleRecordingPage page;
    QWebEngineView view;
    view.setPage(&page);
    CResourceSchemeHandler::InstallOn(page.profile());
    QSignalSpy finished(&page, &QWebEnginePage::loadFinished);
    view.load(webPage);
    WAIT_VERIFY(!finished.isEmpty(), kLoadTimeoutMs);

    QVERIFY(EvaluateInPage(&page, QStringLiteral("(() => { location.href ="
                                                 " 'res:///usr/bin/kestrine/home_link.html';"
                                                 " return {}; })()"))
                .has_value());
    // The engine refuses the navigation and says so on the page's console.
    WAIT_VERIFY(page.url() != webPage ||
                    page.messages.join(QLatin1Char('\n'))
                        .contains(QStringLiteral("Not allowed to load local resource")),
                kLoadTimeoutMs);
    QCOMPARE(page.url(), webPage);
}

void AboutDlgTest::linkOpensInTheDefaultBrowser()
{
    WebBrowserStandIn desktop;
    CAboutDlg dialog;
    dialog.show();
    CBrowserCtrl* browser = LoadedBrowser(dialog);
    QVERIFY(browser != nullptr);
    const QUrl aboutPage = browser->url();

    QVERIFY(EvaluateInPage(browser->page(),
                           QStringLiteral("(() => { document.links[0].click(); return {}; })()"))
                .has_value());
    WAIT_COMPARE(desktop.opened.size(), 1, kLoadTimeoutMs);
    QCOMPARE(desktop.opened.first(), QUrl(VendorHomePage()));
    // The box keeps showing its own page.
    QCOMPARE(browser->url(), aboutPage);
}

int main(int argc, char* argv[])
{
    RegisterResourceScheme();
    QApplication application(argc, argv);
    AboutDlgTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AboutDlgTest.moc"
