#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WaitUntil.h"
#include "ui/about/AboutDlg.h"
#include "ui/about/ResourceScheme.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 15000;

// The Help menu's item with this text, or null.
QAction* HelpAction(const QMainWindow& window, const QString& text)
{
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->text() != QStringLiteral("&Help") || menu->menu() == nullptr)
            continue;
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == text)
                return item;
        }
    }
    return nullptr;
}

} // namespace

class HelpCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void helpPagesDropAPendingFillButNotAPageAwaitingItsResult_data();
    void helpPagesDropAPendingFillButNotAPageAwaitingItsResult();
    void aboutOpensTheAboutBox();

private:
    bool LoadedPage(const std::string& path) const;

    std::unique_ptr<SubmitterTestEnvironment> m_environment;
    std::unique_ptr<CSubmitterDlg> m_window;
};

void HelpCommandsTest::init()
{
    m_environment = std::make_unique<SubmitterTestEnvironment>();
    for (const char* path : {"/submit", "/faqs/help.shtml", "/contact/"}) {
        m_environment->server.server.Get(
            path, [path](const httplib::Request&, httplib::Response& response) {
                response.set_content(std::string("<html><body>") + path + "</body></html>",
                                     "text/html");
            });
    }
    m_environment->Start();
    m_window = std::make_unique<CSubmitterDlg>(m_environment->Environment());
    m_window->show();
    QVERIFY(LoadedPage("/updates/"));
}

void HelpCommandsTest::cleanup()
{
    m_window.reset();
    m_environment.reset();
}

bool HelpCommandsTest::LoadedPage(const std::string& path) const
{
    const QUrl expected(QString::fromStdString(m_environment->server.Url(path)));
    CBrowserCtrl* browser = Inspect(*m_window).Browser();
    return WaitUntil(
        [&] {
            return browser->url() == expected &&
                   browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete;
        },
        kLoadTimeoutMs);
}

void HelpCommandsTest::helpPagesDropAPendingFillButNotAPageAwaitingItsResult_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("submitted");

    QTest::newRow("User Guide, fill pending") << "User &Guide"
                                              << "/faqs/help.shtml" << false;
    QTest::newRow("Support, fill pending") << "&Support"
                                           << "/contact/" << false;
    QTest::newRow("User Guide, result awaited") << "User &Guide"
                                                << "/faqs/help.shtml" << true;
}

void HelpCommandsTest::helpPagesDropAPendingFillButNotAPageAwaitingItsResult()
{
    QFETCH(QString, command);
    QFETCH(QString, path);
    QFETCH(bool, submitted);

    // A directory's submission page is shown, its fill still pending, perhaps a submission
    // noted. The timer that would act on them is stopped: only the help command may touch them
    // here.
    Inspect(*m_window).Timer()->stop();
    Inspect(*m_window).Browser()->Navigate(
        QString::fromStdString(m_environment->server.Url("/submit")));
    QVERIFY(LoadedPage("/submit"));
    Inspect(*m_window).SetPageState("Some Directory", true, submitted);

    QAction* action = HelpAction(*m_window, command);
    QVERIFY(action != nullptr);
    action->trigger();

    QVERIFY(m_environment->WaitForRequest(path.toStdString()).has_value());
    QVERIFY(LoadedPage(path.toStdString()));
    // A page still waiting for its result keeps its tab, and all its state; the help page comes
    // in another. Otherwise the help page takes the directory's place, and the fill that was
    // pending for the directory's page is not for it.
    QCOMPARE(Inspect(*m_window).Tabs()->count(), submitted ? 2 : 1);
    const CSubmissionSession::State state =
        Inspect(*m_window).Tabs()->Tabs().first()->Session().Snapshot();
    QCOMPARE(state.directory, std::string("Some Directory"));
    QCOMPARE(state.fillPending, submitted);
    QCOMPARE(state.submitted, submitted);
}

void HelpCommandsTest::aboutOpensTheAboutBox()
{
    QAction* action = HelpAction(*m_window, QStringLiteral("&About Kestrine"));
    QVERIFY(action != nullptr);

    // The box runs modally: a timer looks for it, notes it and closes it, or gives up.
    QString shownCaption;
    QString shownFolder;
    QTimer watcher;
    const QDeadlineTimer deadline(kLoadTimeoutMs);
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
            shownCaption = box->windowTitle();
            if (auto* folder = box->findChild<QLabel*>(QStringLiteral("dataFolder")))
                shownFolder = folder->isVisibleTo(box) ? folder->text() : QString();
            box->accept();
        } else if (deadline.hasExpired()) {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    watcher.start(10);
    action->trigger();
    watcher.stop();

    QCOMPARE(shownCaption, QStringLiteral("About Kestrine"));
    QVERIFY2(shownFolder.endsWith(QLatin1Char('\n') +
                                  QString::fromStdString(m_environment->ProgramFolder())),
             qPrintable(shownFolder));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

int main(int argc, char* argv[])
{
    RegisterResourceScheme();
    QApplication application(argc, argv);
    HelpCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpCommandsTest.moc"
