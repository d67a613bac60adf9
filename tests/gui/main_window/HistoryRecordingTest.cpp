#include "history/HistoryStore.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterSession.h"
#include "support/WaitUntil.h"
#include "ui/history/HistoryDlg.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

namespace {

// The form of "/form?thanks" or "/form?refused" posts to the result page of the same kind.
std::string FormPage(const httplib::Request& request)
{
    const char* kind = request.has_param("refused") ? "refused" : "thanks";
    return std::string(R"(<!DOCTYPE html><html><body><form action="/result?)") + kind +
           R"(" method="post"><input name="title"><input name="other">
<button id="send" type="submit">Send</button></form></body></html>)";
}

// "thanks" holds the confirmation text, "refused" has it in another letter case only.
std::string ResultPage(const httplib::Request& request)
{
    return request.has_param("refused") ? "<p>thank you</p>" : "<p>Thank you</p>";
}

// The title is on the page; "absent" is not, so a fill sets one field of two.
constexpr char kItems[] = R"(<item name="title" index="0" value="#title#" type="edit"/>
<item name="absent" index="0" value="#url#" type="edit"/>)";

enum Row
{
    kThanks,
    kRefusing,
};

// Kind names, so that a failed comparison shows them.
using Kinds = QStringList;

QString Kind(HistoryEventKind kind)
{
    return QString::fromUtf8(KindName(kind));
}

} // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(HistoryEventKind)

class HistoryRecordingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aSubmissionRoundLeavesItsEventsInOrder_data();
    void aSubmissionRoundLeavesItsEventsInOrder();
    void marksByHandAreSavedAtOnceAndRecorded();
    void aHistoryThatCannotBeOpenedIsReportedOnceAndMarksStillReachTheStateFile();
    void theReportCarriesTheMarksAndTheRefusals();
    void theHistoryWindowOpensTheDirectoryOfAnEvent();

private:
    void OpenWindow();
    [[nodiscard]] bool SubmitAndCheck(int row);
    // Opens the list's context menu on `row` and triggers the action of that object name;
    // false when the menu did not open or the action was disabled.
    [[nodiscard]] bool ChooseFromListMenu(int row, const char* action);
    // Runs `open`, then answers the modal file dialog it shows with `path`.
    void AnswerFileDialog(const std::function<void()>& open, const QString& path);
    // The events in the file once there are `count` of them, oldest first.
    std::vector<HistoryEvent> WaitForEvents(size_t count);
    std::string StateFile() const { return m_env->ReadProgramFile("sv.dat").value_or(""); }
    QString Entry(int row) const { return Inspect(*m_dlg).Entry(row); }

    std::unique_ptr<SubmitterTestEnvironment> m_env;
    std::unique_ptr<SubmitterSession> m_session;
    CSubmitterDlg* m_dlg = nullptr; // the session's
};

void HistoryRecordingTest::init()
{
    m_env = std::make_unique<SubmitterTestEnvironment>();
    m_env->server.server.Get("/form",
                             [](const httplib::Request& request, httplib::Response& response) {
                                 response.set_content(FormPage(request), "text/html");
                             });
    m_env->server.server.Post("/result",
                              [](const httplib::Request& request, httplib::Response& response) {
                                  response.set_content(ResultPage(request), "text/html");
                              });
    m_env->Start();
    const std::string directories[] = {
        "<directory name=\"Thanks\" submiturl=\"" + m_env->server.Url("/form?thanks") +
            "\" onsubmit=\"Thank you\">" + kItems + "</directory>",
        "<directory name=\"Refusing\" submiturl=\"" + m_env->server.Url("/form?refused") +
            "\" onsubmit=\"Thank you\">" + kItems + "</directory>",
    };
    m_env->WriteProgramFile("dirdata.xml", DirectoryDatabaseXml({directories[0], directories[1]}));
    m_env->WriteProgramFile("sv.dat", StateFileLines({"Alice"}) + "1\r\n" +
                                          ProfileBlock("Alice", "Business"));
}

void HistoryRecordingTest::OpenWindow()
{
    m_session = std::make_unique<SubmitterSession>(*m_env);
    QVERIFY(m_session->Open());
    m_dlg = &m_session->Window();
}

void HistoryRecordingTest::cleanup()
{
    m_session.reset();
    m_env.reset();
}

bool HistoryRecordingTest::SubmitAndCheck(int row)
{
    return m_session->ChooseDirectory(row) && m_session->WaitUntilFilled() &&
           m_session->SubmitByClick() && m_session->WaitForCheck();
}

bool HistoryRecordingTest::ChooseFromListMenu(int row, const char* action)
{
    QListView* list = Inspect(*m_dlg).DirectoryList();
    std::optional<bool> enabled;
    // The menu runs its own loop until it closes; this timer acts inside that loop.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        auto* chosen = menu->findChild<QAction*>(QString::fromLatin1(action));
        enabled = chosen && chosen->isEnabled();
        if (*enabled)
            chosen->trigger();
        menu->close();
    });
    poll.start(10);
    emit list->customContextMenuRequested(list->visualRect(list->model()->index(row, 0)).center());
    return enabled.value_or(false);
}

void HistoryRecordingTest::AnswerFileDialog(const std::function<void()>& open, const QString& path)
{
    const QDeadlineTimer deadline(BrowserDriver::kTimeoutMs);
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        // Typed as a user types it: selectFile leaves the name field alone while it has focus.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name)
            name->setText(path);
        const bool ready = dialog->selectedFiles() == QStringList{path};
        if (!ready && !deadline.hasExpired())
            return;
        poll.stop();
        // Public in the base, as the dialog's own button calls them.
        if (ready)
            static_cast<QDialog*>(dialog)->accept();
        else
            static_cast<QDialog*>(dialog)->reject();
    });
    poll.start(10);
    open();
}

std::vector<HistoryEvent> HistoryRecordingTest::WaitForEvents(size_t count)
{
    std::vector<HistoryEvent> events;
    (void)WaitUntil(
        [&] {
            CHistoryStore store;
            return store.Open(m_env->ProgramFolder() + "history.sqlite").ok &&
                   store.ReadEvents(events).ok && events.size() >= count;
        },
        BrowserDriver::kTimeoutMs);
    return {events.rbegin(), events.rend()};
}

void HistoryRecordingTest::aSubmissionRoundLeavesItsEventsInOrder_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<std::string>("directory");
    QTest::addColumn<HistoryEventKind>("verdict");
    QTest::addColumn<QString>("entry");
    QTest::newRow("confirmed") << int(kThanks) << std::string("Thanks")
                               << HistoryEventKind::Confirmed << QStringLiteral("Thanks [sent]");
    QTest::newRow("not confirmed")
        << int(kRefusing) << std::string("Refusing") << HistoryEventKind::NotConfirmed
        << QStringLiteral("Refusing [not sent]");
}

void HistoryRecordingTest::aSubmissionRoundLeavesItsEventsInOrder()
{
    QFETCH(int, row);
    QFETCH(std::string, directory);
    QFETCH(HistoryEventKind, verdict);
    QFETCH(QString, entry);
    OpenWindow();
    QVERIFY(SubmitAndCheck(row));
    QCOMPARE(Entry(row), entry);

    const std::vector<HistoryEvent> events = WaitForEvents(4);
    Kinds kinds;
    for (const HistoryEvent& event : events) {
        kinds.append(Kind(event.kind));
        QCOMPARE(event.profile, std::string("Alice"));
        QCOMPARE(event.directory, directory);
    }
    QCOMPARE(kinds, (Kinds{Kind(HistoryEventKind::Opened), Kind(HistoryEventKind::Filled),
                           Kind(HistoryEventKind::Submitted), Kind(verdict)}));
    const std::string kind = row == kThanks ? "thanks" : "refused";
    QCOMPARE(events[0].pageAddress, m_env->server.Url("/form?" + kind));
    QCOMPARE(events[1].pageAddress, m_env->server.Url("/form?" + kind));
    QCOMPARE(events[1].fieldsSet, 1);
    QCOMPARE(events[1].fieldsTotal, 2);
    QCOMPARE(events[3].pageAddress, m_env->server.Url("/result?" + kind));
    QVERIFY(events[0].timeUtcMs <= events[3].timeUtcMs);
    QVERIFY(m_env->windowMessages.messages.empty());
}

void HistoryRecordingTest::marksByHandAreSavedAtOnceAndRecorded()
{
    OpenWindow();
    QVERIFY(!ChooseFromListMenu(kRefusing, "markNotSent"));
    QVERIFY(ChooseFromListMenu(kRefusing, "markSent"));
    QCOMPARE(Entry(kRefusing), QStringLiteral("Refusing [sent]"));
    QVERIFY(StateFile().find("\r\n1\r\nRefusing\r\n") != std::string::npos);
    QVERIFY(!ChooseFromListMenu(kRefusing, "markSent"));
    QVERIFY(ChooseFromListMenu(kRefusing, "markNotSent"));
    QCOMPARE(Entry(kRefusing), QStringLiteral("Refusing [not sent]"));
    QVERIFY(StateFile().ends_with("\r\n0\r\n"));

    Kinds kinds;
    for (const HistoryEvent& event : WaitForEvents(2))
        kinds.append(Kind(event.kind));
    QCOMPARE(kinds,
             (Kinds{Kind(HistoryEventKind::MarkedByHand), Kind(HistoryEventKind::Unmarked)}));
    // Nothing was opened: marking is not choosing.
    QCOMPARE(m_env->RequestCount("/form"), size_t(0));
}

void HistoryRecordingTest::aHistoryThatCannotBeOpenedIsReportedOnceAndMarksStillReachTheStateFile()
{
    m_env->WriteProgramFile("history.sqlite", "not a database, only text");
    OpenWindow();
    WAIT_VERIFY(!m_env->windowMessages.messages.empty(), BrowserDriver::kTimeoutMs);
    QVERIFY(m_env->windowMessages.messages[0].text.find("not a database") != std::string::npos);

    QVERIFY(SubmitAndCheck(kThanks));
    QVERIFY(ChooseFromListMenu(kRefusing, "markSent"));
    QCOMPARE(Entry(kThanks), QStringLiteral("Thanks [sent]"));
    QVERIFY(StateFile().find("\r\n2\r\nRefusing\r\nThanks\r\n") != std::string::npos);
    QCOMPARE(m_env->windowMessages.messages.size(), size_t(1));
    QCOMPARE(m_env->ReadProgramFile("history.sqlite"), std::string("not a database, only text"));
}

void HistoryRecordingTest::theReportCarriesTheMarksAndTheRefusals()
{
    m_env->WriteProgramFile("mydirs.xml",
                            "<r><directory name=\"Mine\" submiturl=\"http://127.0.0.1:9/mine\" "
                            "onsubmit=\"Thank you\"/></r>");
    OpenWindow();
    QVERIFY(SubmitAndCheck(kRefusing));
    QVERIFY(ChooseFromListMenu(kThanks, "markSent"));
    QCOMPARE(WaitForEvents(5).size(), size_t(5));
    const QString path = QString::fromStdString(m_env->ProgramFolder() + "report.csv");
    auto* exportReport = m_dlg->findChild<QAction*>(QStringLiteral("exportReport"));
    QVERIFY(exportReport);
    AnswerFileDialog([exportReport] { exportReport->trigger(); }, path);
    QVERIFY(m_env->windowMessages.messages.empty());
    const std::string csv = ReadWholeFile(path.toStdString());
    QVERIFY2(csv.starts_with("Directory,Submission address,Alice status,Alice last event,"
                             "Alice confirmed by e-mail\r\n"),
             csv.c_str());
    // Sent by hand, and refused by the result page; both dated this century.
    const std::string thanks = "\r\nThanks," + m_env->server.Url("/form?thanks") + ",sent,20";
    const std::string refusing =
        "\r\nRefusing," + m_env->server.Url("/form?refused") + ",refused,20";
    QVERIFY2(csv.find(thanks) != std::string::npos, csv.c_str());
    QVERIFY2(csv.find(refusing) != std::string::npos, csv.c_str());
    // The user's own directories are listed as in the window's list.
    QVERIFY2(csv.find("\r\nMine,http://127.0.0.1:9/mine,not sent,,\r\n") != std::string::npos,
             csv.c_str());
}

void HistoryRecordingTest::theHistoryWindowOpensTheDirectoryOfAnEvent()
{
    OpenWindow();
    QVERIFY(ChooseFromListMenu(kRefusing, "markSent"));
    QCOMPARE(WaitForEvents(1).size(), size_t(1));
    QTest::keyClick(m_dlg, Qt::Key_H, Qt::ControlModifier);
    auto* history = m_dlg->findChild<CHistoryDlg*>(QStringLiteral("historyWindow"));
    QVERIFY(history && history->isVisible());

    emit history->directoryActivated(QByteArrayLiteral("Refusing"));
    QCOMPARE(Inspect(*m_dlg).CurrentDirectory(), std::string("Refusing"));
    QVERIFY(m_env->WaitForRequest("/form"));

    emit history->directoryActivated(QByteArrayLiteral("Dropped"));
    QCOMPARE(m_env->windowMessages.messages.size(), size_t(1));
    QCOMPARE(Inspect(*m_dlg).CurrentDirectory(), std::string("Refusing"));
}

QTEST_MAIN(HistoryRecordingTest)
#include "HistoryRecordingTest.moc"
