// The user's part of each directory at the keyboard alone: Next unsent puts the caret into the
// field only the user can answer, Enter submits, F6 goes round the window's parts, and what the
// fill left is said in the status bar and to screen readers.
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"

#include <QApplication>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QWebChannel>
#include <memory>

namespace {

constexpr int kTimeoutMs = BrowserDriver::kTimeoutMs;

// Directories "A" and "B": a form whose title the profile fills, and, below the fold, a word
// from a picture that only the user can type. The result page confirms the word it got.
std::string FormPage(const std::string& name)
{
    return "<html><head><title>Submit to " + name + R"(</title></head><body>
<form action="/result/)" +
           name + R"(" method="post">
  <p><label for="title">Title</label> <input id="title" name="title"></p>
  <p><label for="note">A note</label> <input id="note" name="note"></p>
  <p style="margin-top: 3000px"><label for="word">Type the word in the picture *</label>
     <input id="word" name="word" required></p>
  <button id="send" type="submit">Submit</button>
</form></body></html>)";
}

std::string Directory(const SubmitterTestEnvironment& env, const std::string& name)
{
    return "<directory name=\"" + name + "\" submiturl=\"" + env.server.Url("/form/" + name) +
           "\" onsubmit=\"Thanks for kestrel\"><item name=\"title\" index=\"0\" "
           "value=\"#title#\" type=\"edit\"/></directory>";
}

} // namespace

class KeyboardRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ctrlNTheWordAndEnterSubmitEachDirectory();
    void f6GoesRoundTheListThePageAndTheProfile();
    void arrowKeysKeepTheKeyboardInTheList();
    void aPageTheUserTypedIntoKeepsItsCaret();

private:
    QWidget* FocusWidget() const { return QApplication::focusWidget(); }
    bool FocusIsIn(QWidget* part) const
    {
        return FocusWidget() && (FocusWidget() == part || part->isAncestorOf(FocusWidget()));
    }
    QString ActiveElementId()
    {
        return BrowserDriver(*Inspect(*m_dlg).Browser())
            .RunText(QStringLiteral("document.activeElement ? document.activeElement.id : ''"));
    }
    // The caret is in the page's field `id`: the browser has the keyboard and the page its
    // focus there.
    bool CaretIn(const QString& id)
    {
        return FocusIsIn(Inspect(*m_dlg).Browser()) && ActiveElementId() == id;
    }

    // Keys and clicks wait for a frame drawn: before it, the engine may lose them.
    [[nodiscard]] bool WaitForRenderedFrame()
    {
        return BrowserDriver(*Inspect(*m_dlg).Browser())
            .WaitForRenderedFrame(m_probe.renderedFrames);
    }

    std::unique_ptr<SubmitterTestEnvironment> m_env;
    std::unique_ptr<CSubmitterDlg> m_dlg;
    ChannelProbe m_probe;
};

void KeyboardRoundTest::init()
{
    m_env = std::make_unique<SubmitterTestEnvironment>();
    m_env->server.server.Get(R"(/form/(\w))",
                             [](const httplib::Request& request, httplib::Response& response) {
                                 response.set_content(FormPage(request.matches[1]), "text/html");
                             });
    m_env->server.server.Post(
        R"(/result/(\w))", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content("<html><body>Thanks for " + request.get_param_value("word") +
                                     "</body></html>",
                                 "text/html");
        });
    m_env->Start();
    m_env->WriteProgramFile("dirdata.xml",
                            DirectoryDatabaseXml({Directory(*m_env, "A"), Directory(*m_env, "B")}));
    m_env->WriteProgramFile("sv.dat", StateFileLines({"Ann", "1"}) + ProfileBlock("Ann", ""));
    m_dlg = OpenShownWindow(m_env->Environment());
    // Working ahead is off: every directory's page loads in this one browser.
    Inspect(*m_dlg).Browser()->Channel()->registerObject(QStringLiteral("probe"), &m_probe);
    m_dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    QVERIFY(BrowserDriver(*Inspect(*m_dlg).Browser()).WaitUntilComplete());
    Inspect(*m_dlg).DirectoryList()->setFocus();
}

void KeyboardRoundTest::cleanup()
{
    m_dlg.reset();
    m_env.reset();
}

void KeyboardRoundTest::ctrlNTheWordAndEnterSubmitEachDirectory()
{
    // What the status bar last announced to screen readers (the headless platform has no
    // accessibility bus to hear the announcement itself on).
    const auto announced = [this] { return m_dlg->statusBar()->accessibleDescription(); };
    for (const std::string directory : {"A", "B"}) {
        // From the list the first time, from inside the result page the second.
        QTest::keyClick(FocusWidget(), Qt::Key_N, Qt::ControlModifier);
        WAIT_VERIFY(Inspect(*m_dlg).CurrentDirectory() == directory && CaretIn("word"), kTimeoutMs);
        // Scrolled down to it, well below the fold.
        QVERIFY(BrowserDriver(*Inspect(*m_dlg).Browser()).RunText(QStringLiteral("scrollY")) !=
                QStringLiteral("0"));
        const QString report = QStringLiteral(
            "Filled 1 of 1 fields \u00b7 left for you: Type the word in the picture, A note");
        WAIT_COMPARE(Inspect(*m_dlg).FillStatus()->text(), report, kTimeoutMs);
        QCOMPARE(announced(), report);

        QVERIFY(WaitForRenderedFrame());
        QTest::keyClicks(FocusWidget(), QStringLiteral("kestrel"));
        QTest::keyClick(FocusWidget(), Qt::Key_Return);
        const auto result = m_env->WaitForRequest("/result/" + directory);
        QVERIFY(result.has_value());
        QVERIFY(result->body.find("word=kestrel") != std::string::npos);
        WAIT_VERIFY(Inspect(*m_dlg).Submitted(), kTimeoutMs);
        m_env->now = Inspect(*m_dlg).SubmitTime() + 3001;
        WAIT_VERIFY(Inspect(*m_dlg)
                        .Entry(Inspect(*m_dlg).SelectedDirectoryRow())
                        .endsWith(QStringLiteral("[sent]")),
                    kTimeoutMs);
        QCOMPARE(announced(), QString::fromStdString(directory) + QStringLiteral(" marked sent"));
        // The tab says it in words too, not only by its ✔.
        CBrowserTabs* tabs = Inspect(*m_dlg).Tabs();
        QCOMPARE(tabs->tabBar()->accessibleTabName(tabs->currentIndex()),
                 QString::fromStdString(directory) + QStringLiteral(": Sent"));
    }
}

void KeyboardRoundTest::f6GoesRoundTheListThePageAndTheProfile()
{
    QWidget* list = Inspect(*m_dlg).DirectoryList();
    QWidget* page = Inspect(*m_dlg).Tabs();
    QWidget* profile = Inspect(*m_dlg).ProfileCombo();
    QVERIFY(FocusIsIn(list));
    for (QWidget* next : {page, profile, list}) {
        QTest::keyClick(FocusWidget(), Qt::Key_F6);
        QVERIFY(FocusIsIn(next));
    }
    for (QWidget* previous : {profile, page}) {
        QTest::keyClick(FocusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(FocusIsIn(previous));
    }
    // Escape in the page returns to the list.
    QTest::keyClick(FocusWidget(), Qt::Key_Escape);
    QVERIFY(FocusIsIn(list));
}

void KeyboardRoundTest::arrowKeysKeepTheKeyboardInTheList()
{
    QWidget* list = Inspect(*m_dlg).DirectoryList();
    QTest::keyClick(list, Qt::Key_Down);
    WAIT_VERIFY(Inspect(*m_dlg).CurrentDirectory() == "A" && !Inspect(*m_dlg).FillPending() &&
                    Inspect(*m_dlg).FillStatus()->text().startsWith(QStringLiteral("Filled")),
                kTimeoutMs);
    QTest::keyClick(list, Qt::Key_Down);
    WAIT_VERIFY(Inspect(*m_dlg).CurrentDirectory() == "B" && !Inspect(*m_dlg).FillPending() &&
                    Inspect(*m_dlg).FillStatus()->text().startsWith(QStringLiteral("Filled")),
                kTimeoutMs);
    QVERIFY(FocusIsIn(list));
    QCOMPARE(ActiveElementId(), QString());
    // Enter goes into the page picked, at the field left.
    QTest::keyClick(list, Qt::Key_Return);
    WAIT_VERIFY(CaretIn("word"), kTimeoutMs);
}

void KeyboardRoundTest::aPageTheUserTypedIntoKeepsItsCaret()
{
    QTest::keyClick(Inspect(*m_dlg).DirectoryList(), Qt::Key_Down);
    WAIT_VERIFY(!Inspect(*m_dlg).FillPending() &&
                    Inspect(*m_dlg).FillStatus()->text().startsWith(QStringLiteral("Filled")),
                kTimeoutMs);
    // The user goes into the page and writes a note of their own.
    QTest::keyClick(FocusWidget(), Qt::Key_F6);
    BrowserDriver driver(*Inspect(*m_dlg).Browser());
    QVERIFY(WaitForRenderedFrame());
    driver.Click(QStringLiteral("note"));
    WAIT_VERIFY(ActiveElementId() == QStringLiteral("note"), kTimeoutMs);
    QTest::keyClicks(FocusWidget(), QStringLiteral("mine"));
    WAIT_COMPARE(driver.RunText(QStringLiteral("document.getElementById('note').value")),
                 QStringLiteral("mine"), kTimeoutMs);

    // Back in the list and into the page again: the caret is where the user left it.
    QTest::keyClick(FocusWidget(), Qt::Key_Escape);
    QTest::keyClick(FocusWidget(), Qt::Key_Return);
    WAIT_VERIFY(FocusIsIn(Inspect(*m_dlg).Browser()), kTimeoutMs);
    // The page runs scripts in the order asked: a caret placed by Enter would show by now.
    QCOMPARE(ActiveElementId(), QStringLiteral("note"));
}

QTEST_MAIN(KeyboardRoundTest)
#include "KeyboardRoundTest.moc"
