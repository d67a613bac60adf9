// A pick arms the fill of the document it opens, and of no other: whatever the user or the
// program opens in the tab before that document has arrived is neither filled nor recorded.
#include "support/BrowserDriver.h"
#include "support/Gate.h"
#include "support/ModalDialogDriver.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"

#include <QInputDialog>
#include <QScopeGuard>
#include <QTest>
#include <atomic>
#include <memory>

namespace {

constexpr int kTimeoutMs = BrowserDriver::kTimeoutMs;

// A contact form, as the vendor's support page holds one and so does the directory's page.
std::string ContactPage(const std::string& heading)
{
    return "<html><body><h1>" + heading +
           "</h1><form><input name=\"email\"><textarea name=\"msg\"></textarea></form>"
           "</body></html>";
}

// What the user or the program opens in the tab shown: a menu command, or the page's Reload.
void OpenMeanwhile(CSubmitterDlg& window, const QString& command)
{
    if (command == QLatin1String("Reload"))
        Inspect(window).Browser()->triggerPageAction(QWebEnginePage::Reload);
    else
        Inspect(window).MenuCommand(command)->trigger();
}

} // namespace

class PendingFillTest : public QObject
{
    Q_OBJECT

private slots:
    void aPageOpenedBeforeThePickedOneArrivesIsNotFilled_data();
    void aPageOpenedBeforeThePickedOneArrivesIsNotFilled();
};

void PendingFillTest::aPageOpenedBeforeThePickedOneArrivesIsNotFilled_data()
{
    QTest::addColumn<QStringList>("before"); // commands that make the tab's history
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shown"); // the path of the page it brings

    QTest::newRow("Support") << QStringList() << "&Support"
                             << "/contact/";
    QTest::newRow("User Guide") << QStringList() << "User &Guide"
                                << "/faqs/help.shtml";
    QTest::newRow("Open Address") << QStringList() << "Open &Address…"
                                  << "/contact/";
    QTest::newRow("Reload") << QStringList{"&Support"} << "Reload"
                            << "/contact/";
    QTest::newRow("Back") << QStringList{"&Support", "User &Guide"} << "&Back"
                          << "/contact/";
}

void PendingFillTest::aPageOpenedBeforeThePickedOneArrivesIsNotFilled()
{
    QFETCH(QStringList, before);
    QFETCH(QString, command);
    QFETCH(QString, shown);

    SubmitterTestEnvironment env;
    auto slowPage = std::make_shared<Gate>();
    auto slowPageAsked = std::make_shared<std::atomic<bool>>(false);
    env.server.server.Get("/slow",
                          [slowPage, slowPageAsked](const httplib::Request&, httplib::Response& r) {
                              *slowPageAsked = true;
                              slowPage->Wait(std::chrono::seconds(30));
                              r.set_content(ContactPage("Slow directory"), "text/html");
                          });
    for (const char* path : {"/contact/", "/faqs/help.shtml"}) {
        env.server.server.Get(path, [path](const httplib::Request&, httplib::Response& r) {
            r.set_content(ContactPage(path), "text/html");
        });
    }
    env.Start();
    const auto answerSlowPage = qScopeGuard([slowPage] { slowPage->Open(); });
    env.WriteProgramFile(
        "dirdata.xml",
        DirectoryDatabaseXml(
            {"<directory name=\"Slow\" submiturl=\"" + env.server.Url("/slow") +
             "\"><item name=\"email\" index=\"0\" value=\"#email#\" type=\"edit\"/>"
             "<item name=\"msg\" index=\"0\" value=\"#description#\" type=\"textarea\"/>"
             "</directory>"}));
    env.WriteProgramFile("sv.dat", StateFileLines({"Ann", "1"}) + ProfileBlock("Ann", ""));
    auto window = OpenShownWindow(env.Environment());
    CBrowserCtrl* browser = Inspect(*window).Browser();
    BrowserDriver driver(*browser);
    for (const QString& page : before) {
        Inspect(*window).MenuCommand(page)->trigger();
        QVERIFY(driver.WaitUntilComplete());
    }
    int fills = 0;
    connect(Inspect(*window).Tabs(), &CBrowserTabs::filled, this, [&fills] { ++fills; });

    Inspect(*window).PickDirectoryRow(0);
    WAIT_VERIFY(*slowPageAsked, kTimeoutMs);
    ModalDialogDriver<QInputDialog> address([&env](QInputDialog& dialog) {
        dialog.setTextValue(QString::fromStdString(env.server.Url("/contact/")));
        dialog.accept();
    });
    OpenMeanwhile(*window, command);
    WAIT_VERIFY(browser->url().path() == shown &&
                    browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete,
                kTimeoutMs);
    int ticks = 0;
    connect(Inspect(*window).Timer(), &QTimer::timeout, this, [&ticks] { ++ticks; });
    WAIT_VERIFY(ticks >= 3, kTimeoutMs);

    QCOMPARE(driver.RunText(QStringLiteral("document.querySelector('[name=email]').value")),
             QString());
    QCOMPARE(fills, 0);
    QVERIFY(!Inspect(*window).FillPending());
}

QTEST_MAIN(PendingFillTest)
#include "PendingFillTest.moc"
