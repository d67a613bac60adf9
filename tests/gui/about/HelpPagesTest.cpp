// The start page and the Help menu's pages: the vendor's when it answers, the program's own
// from its resources when it does not, and never the engine's error page.
#include "ui/about/HelpPages.h"

#include "PageScript.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"
#include "ui/about/ResourceScheme.h"
#include "ui/browser/BrowserCtrl.h"

#include <QApplication>
#include <QTest>
#include <QWebEngineSettings>
#include <memory>

using Page = CHelpPages::Page;

namespace {

constexpr int kLoadTimeoutMs = 20000;

// What the vendor's site does.
enum class Vendor
{
    Answers,
    NotFound,
    ServerError,
    RefusesConnections,
};

} // namespace

Q_DECLARE_METATYPE(Page)
Q_DECLARE_METATYPE(Vendor)
Q_DECLARE_METATYPE(StartPageState)

class HelpPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void vendorFirstOwnPageWhenItFails_data();
    void vendorFirstOwnPageWhenItFails();
    void startPageShowsTheUsersState_data();
    void startPageShowsTheUsersState();
    void aPageTheUserOpensMeanwhileIsLeftAlone();

private:
    // Waits for a complete page titled `title` and returns its address.
    QUrl ShownPage(const QString& title) const;

    std::unique_ptr<LocalHttpServer> m_vendor;
    ShownBrowser Shown() const
    {
        return [this]() -> CBrowserCtrl& { return *m_browser; };
    }

    std::unique_ptr<CBrowserCtrl> m_browser;
    StartPageState m_state;
};

void HelpPagesTest::init()
{
    m_vendor = std::make_unique<LocalHttpServer>();
    m_browser = std::make_unique<CBrowserCtrl>();
    m_browser->resize(800, 600);
    m_browser->show();
    m_state = {};
}

void HelpPagesTest::cleanup()
{
    m_browser.reset();
    m_vendor.reset();
}

QUrl HelpPagesTest::ShownPage(const QString& title) const
{
    const bool shown = WaitUntil(
        [&] {
            return m_browser->title() == title &&
                   m_browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete;
        },
        kLoadTimeoutMs);
    return shown ? m_browser->url() : QUrl();
}

void HelpPagesTest::vendorFirstOwnPageWhenItFails_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<Vendor>("vendor");
    QTest::addColumn<QString>("ownTitle");

    const std::pair<Page, const char*> pages[] = {{Page::Start, "Getting started with Kestrine"},
                                                  {Page::Guide, "Kestrine User Guide"},
                                                  {Page::Support, "Kestrine Support"}};
    const std::pair<Vendor, const char*> vendors[] = {{Vendor::Answers, "answers"},
                                                      {Vendor::NotFound, "404"},
                                                      {Vendor::ServerError, "500"},
                                                      {Vendor::RefusesConnections, "refused"}};
    for (const auto& [page, title] : pages) {
        for (const auto& [vendor, name] : vendors)
            QTest::addRow("%s, vendor %s", title, name) << page << vendor << QString(title);
    }
}

void HelpPagesTest::vendorFirstOwnPageWhenItFails()
{
    QFETCH(Page, page);
    QFETCH(Vendor, vendor);
    QFETCH(QString, ownTitle);

    m_vendor->server.Get(".*", [vendor](const httplib::Request&, httplib::Response& response) {
        response.status = vendor == Vendor::NotFound      ? 404
                          : vendor == Vendor::ServerError ? 500
                                                          : 200;
        response.set_content("<html><head><title>Vendor</title></head><body>x</body></html>",
                             "text/html");
    });
    m_vendor->Start();
    // Port 1 on 127.0.0.1: nothing listens there, the connection is refused at once.
    const std::string host =
        vendor == Vendor::RefusesConnections ? "127.0.0.1:1" : m_vendor->HostAndPort();
    CHelpPages pages(Shown(), host, [this] { return m_state; });
    pages.Show(page);

    if (vendor == Vendor::Answers) {
        QCOMPARE(ShownPage(QStringLiteral("Vendor")), pages.VendorAddress(page));
        return;
    }
    const QUrl shown = ShownPage(ownTitle);
    QCOMPARE(shown.scheme(), QString::fromLatin1(kResourceScheme));
    QCOMPARE(shown, CHelpPages::OwnAddress(page));
    // The engine's error page stays switched on for the pages the user opens.
    QVERIFY(m_browser->page()->settings()->testAttribute(QWebEngineSettings::ErrorPageEnabled));
}

void HelpPagesTest::startPageShowsTheUsersState_data()
{
    QTest::addColumn<StartPageState>("state");
    QTest::addColumn<QString>("profiles");
    QTest::addColumn<QString>("directories");
    QTest::addColumn<QString>("sent");

    QTest::newRow("new user") << StartPageState{0, std::nullopt, 0, 0} << "You have no profile yet."
                              << "The directory list is empty: add directories as below."
                              << "";
    QTest::newRow("database still read") << StartPageState{1, std::string("Blog"), std::nullopt, 0}
                                         << "You have 1 profile; the current one is “Blog”."
                                         << "The directory list is being read."
                                         << "";
    QTest::newRow("at work") << StartPageState{2, std::string("Cats & \"Dogs\" <3>"), 8, 3}
                             << "You have 2 profiles; the current one is “Cats & \"Dogs\" <3>”."
                             << "8 directories in the list."
                             << "3 of them sent for “Cats & \"Dogs\" <3>”.";
}

void HelpPagesTest::startPageShowsTheUsersState()
{
    QFETCH(StartPageState, state);
    QFETCH(QString, profiles);
    QFETCH(QString, directories);
    QFETCH(QString, sent);

    m_state = state;
    CHelpPages pages(Shown(), "127.0.0.1:1", [this] { return m_state; });
    pages.Show(Page::Start);
    QVERIFY(ShownPage(QStringLiteral("Getting started with Kestrine")).isValid());

    const auto shownTexts = [this] {
        return EvaluateInPage(m_browser->page(),
                              QStringLiteral("{p: document.getElementById('state-profiles')."
                                             "textContent, d: document.getElementById('state-"
                                             "directories').textContent, s: document."
                                             "getElementById('state-sent').textContent}"))
            .value_or(QJsonObject());
    };
    QVERIFY(WaitUntil([&] { return shownTexts()[QStringLiteral("p")].toString() == profiles; },
                      kLoadTimeoutMs));
    QCOMPARE(shownTexts()[QStringLiteral("d")].toString(), directories);
    QCOMPARE(shownTexts()[QStringLiteral("s")].toString(), sent);

    // The list, read later, shows on the page shown.
    m_state.directories = 5;
    pages.ShowState();
    QVERIFY(WaitUntil(
        [&] {
            return shownTexts()[QStringLiteral("d")].toString() ==
                   QStringLiteral("5 directories in the list.");
        },
        kLoadTimeoutMs));
}

void HelpPagesTest::aPageTheUserOpensMeanwhileIsLeftAlone()
{
    m_vendor->server.Get("/mine", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><head><title>Mine</title></head></html>", "text/html");
    });
    m_vendor->Start();
    CHelpPages pages(Shown(), "127.0.0.1:1", [this] { return m_state; });
    pages.Show(Page::Guide);
    m_browser->Navigate(QString::fromStdString(m_vendor->Url("/mine")));
    QCOMPARE(ShownPage(QStringLiteral("Mine")),
             QUrl(QString::fromStdString(m_vendor->Url("/mine"))));
}

int main(int argc, char* argv[])
{
    RegisterResourceScheme();
    QApplication application(argc, argv);
    HelpPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpPagesTest.moc"
