// The directory check in the main window: what the list shows of kept results, Hide
// unreachable and Next unsent, and a check that runs, is cancelled, resumes and repairs.
#include "directory_check/DirectoryCheckStore.h"
#include "gui/profiles/ModalDialogDriver.h"
#include "history/UtcTime.h"
#include "support/Gate.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "ui/directory_check/DirectoryCheckDialog.h"
#include "ui/directory_editor/DirectoryEditorDlg.h"

#include <QComboBox>
#include <QDateTime>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <atomic>

namespace {

constexpr char kFormPage[] =
    R"(<html><body><form action="/sent"><input name="url"><input name="title"></form></body></html>)";

const std::string kFormItems = R"(<item name="url" index="0" value="#url#" type="edit"/>)";

std::string Directory(const std::string& name, const std::string& url,
                      const std::string& items = kFormItems)
{
    return "<directory name=\"" + name + "\" submiturl=\"" + url + "\" onsubmit=\"Thank you\">" +
           items + "</directory>";
}

int64_t UtcMs(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
}

DirectoryCheckResult Result(const std::string& name, const std::string& address,
                            DirectoryCheckStatus status, const std::string& message,
                            int64_t checkedUtcMs)
{
    DirectoryCheckResult result;
    result.name = name;
    result.address = address;
    result.status = status;
    result.storedMessage = message;
    result.checkedUtcMs = checkedUtcMs;
    return result;
}

// A result of this version: what it found is kept as a finding, put into words when shown.
DirectoryCheckResult Found(DirectoryCheckResult result, DirectoryCheckFinding finding,
                           long httpStatus, const std::string& finalAddress = {})
{
    result.finding = finding;
    result.httpStatus = httpStatus;
    result.finalAddress = finalAddress;
    return result;
}

// The darkest grey level of the entry's drawn pixels: its text's colour, as near as antialiasing
// lets one tell.
int DarkestGrey(QListView& list, int row)
{
    const QImage image = list.viewport()->grab().toImage();
    const QRect entry = list.visualRect(list.model()->index(row, 0)) & image.rect();
    int darkest = 255;
    for (int y = entry.top(); y <= entry.bottom(); ++y) {
        for (int x = entry.left(); x <= entry.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

} // namespace

class DirectoryCheckWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsKeptProblemsMutedWithTheirTooltip();
    void nextUnsentSkipsDirectoriesFoundDead();
    void checksCancelsAndResumesWhileTheListStaysUsable();
    void repairsAMovedDirectoryAsTheUsersOwn();
    void aCheckFindsNothingForAnAddressChangedWhileItRan();

private:
    void OpenWindow();
    void KeepResults(const std::vector<DirectoryCheckResult>& results) const;
    [[nodiscard]] bool WaitForCheckStatus(const QString& entry) const;
    QVariant CheckStatus(const QString& entry) const;
    CDirectoryCheckDialog* CheckDialog() const;
    QStringList Entries() const;

    std::unique_ptr<SubmitterTestEnvironment> m_env;
    std::unique_ptr<CSubmitterDlg> m_dlg;
    std::unique_ptr<Gate> m_hang;
    std::atomic<bool> m_vanishingAsked{false};
};

void DirectoryCheckWindowTest::init()
{
    m_env = std::make_unique<SubmitterTestEnvironment>();
    m_hang = std::make_unique<Gate>();
    auto form = [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kFormPage, "text/html");
    };
    m_env->server.server.Get("/form", form);
    m_env->server.server.Get("/new", form);
    m_env->server.server.Get("/old", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/new", 301);
    });
    m_env->server.server.Get("/gone", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("<html><body>No such page</body></html>", "text/html");
    });
    m_env->server.server.Get(
        "/hang", [this, form](const httplib::Request& request, httplib::Response& response) {
            m_hang->Wait(std::chrono::seconds(60));
            form(request, response);
        });
    m_env->server.server.Get("/vanishing",
                             [this](const httplib::Request&, httplib::Response& response) {
                                 m_vanishingAsked = true;
                                 m_hang->Wait(std::chrono::seconds(60));
                                 response.status = 404;
                             });
    m_env->Start();
    m_env->WriteProgramFile("sv.dat", StateFileLines({"Ann", "1"}) + ProfileBlock("Ann", ""));
}

void DirectoryCheckWindowTest::cleanup()
{
    m_dlg.reset();
    // A request held at the gate would keep the server from stopping.
    m_hang->Open();
    m_env.reset();
}

void DirectoryCheckWindowTest::OpenWindow()
{
    m_dlg = OpenShownWindow(m_env->Environment());
}

void DirectoryCheckWindowTest::KeepResults(const std::vector<DirectoryCheckResult>& results) const
{
    CDirectoryCheckStore store;
    QVERIFY(store.Open(m_env->ProgramFolder() + "history.sqlite").ok);
    QVERIFY(store.Save(results).ok);
}

QVariant DirectoryCheckWindowTest::CheckStatus(const QString& entry) const
{
    const SubmitterDlgInspector window = Inspect(*m_dlg);
    const int row = window.RowOfEntry(entry);
    return row < 0 ? QVariant()
                   : window.DirectoryList()->model()->index(row, 0).data(
                         CDirectoryListModel::kCheckStatusRole);
}

bool DirectoryCheckWindowTest::WaitForCheckStatus(const QString& entry) const
{
    return WaitUntil([&] { return CheckStatus(entry).isValid(); }, 15000);
}

CDirectoryCheckDialog* DirectoryCheckWindowTest::CheckDialog() const
{
    return m_dlg->findChild<CDirectoryCheckDialog*>(QStringLiteral("directoryCheckDialog"));
}

QStringList DirectoryCheckWindowTest::Entries() const
{
    QStringList entries;
    for (int row = 0; row < Inspect(*m_dlg).EntryCount(); ++row)
        entries.append(Inspect(*m_dlg).Entry(row));
    return entries;
}

void DirectoryCheckWindowTest::showsKeptProblemsMutedWithTheirTooltip()
{
    const int thisYear = QDate::currentDate().year();
    m_env->WriteProgramFile("dirdata.xml",
                            DirectoryDatabaseXml({Directory("Fine", m_env->server.Url("/form")),
                                                  Directory("Gone", m_env->server.Url("/gone")),
                                                  Directory("Down", "http://down.invalid/"),
                                                  Directory("Moved", m_env->server.Url("/old"))}));
    KeepResults({Result("Fine", m_env->server.Url("/form"), DirectoryCheckStatus::Ok, "",
                        UtcMs(thisYear, 1, 15)),
                 Found(Result("Gone", m_env->server.Url("/gone"), DirectoryCheckStatus::NotFound,
                              "", UtcMs(thisYear, 1, 15)),
                       DirectoryCheckFinding::NotFoundAnswer, 404),
                 // Kept by an earlier version, in words.
                 Result("Down", "http://down.invalid/", DirectoryCheckStatus::Unreachable,
                        "The server name could not be found.", UtcMs(thisYear - 1, 3, 3)),
                 Found(Result("Moved", m_env->server.Url("/old"), DirectoryCheckStatus::Moved, "",
                              UtcMs(thisYear, 1, 15)),
                       DirectoryCheckFinding::Moved, 200, "http://elsewhere/")});
    OpenWindow();
    QVERIFY(WaitForCheckStatus(QStringLiteral("Gone [not sent]")));

    const SubmitterDlgInspector window = Inspect(*m_dlg);
    const struct
    {
        const char* entry;
        std::optional<DirectoryCheckStatus> status;
        QString tooltip;
    } rows[] = {
        {"Fine [not sent]", std::nullopt, QString()},
        {"Gone [not sent]", DirectoryCheckStatus::NotFound, "Not found (404), checked 15 Jan"},
        {"Down [not sent]", DirectoryCheckStatus::Unreachable,
         QStringLiteral("The server name could not be found, checked 3 Mar %1").arg(thisYear - 1)},
        {"Moved [not sent]", DirectoryCheckStatus::Moved,
         "Moved to http://elsewhere/, checked 15 Jan"},
    };
    const int fineGrey = DarkestGrey(*window.DirectoryList(), 0);
    for (const auto& row : rows) {
        const QModelIndex index =
            window.DirectoryList()->model()->index(window.RowOfEntry(row.entry), 0);
        QCOMPARE(index.data(CDirectoryListModel::kCheckStatusRole).isValid(),
                 row.status.has_value());
        if (row.status)
            QCOMPARE(index.data(CDirectoryListModel::kCheckStatusRole).toInt(),
                     static_cast<int>(*row.status));
        QCOMPARE(index.data(Qt::ToolTipRole).toString(), row.tooltip);
        // The entry with a problem is drawn in a lighter colour than a sound one.
        if (row.status)
            QVERIFY2(DarkestGrey(*window.DirectoryList(), index.row()) > fineGrey + 40, row.entry);
    }

    window.HideUnreachableBox()->click();
    QCOMPARE(Entries(), QStringList({"Fine [not sent]", "Moved [not sent]"}));
    window.HideUnreachableBox()->click();
    QCOMPARE(Entries().size(), 4);
}

void DirectoryCheckWindowTest::nextUnsentSkipsDirectoriesFoundDead()
{
    m_env->WriteProgramFile(
        "dirdata.xml", DirectoryDatabaseXml({Directory("First", m_env->server.Url("/form")),
                                             Directory("Gone", m_env->server.Url("/gone")),
                                             Directory("Down", "http://down.invalid/"),
                                             Directory("Readdressed", m_env->server.Url("/form")),
                                             Directory("Slow", m_env->server.Url("/form")),
                                             Directory("Last", m_env->server.Url("/form"))}));
    const int64_t now = SystemUtcMilliseconds();
    KeepResults(
        {Result("Gone", m_env->server.Url("/gone"), DirectoryCheckStatus::NotFound,
                "Not found (404)", now),
         Result("Down", "http://down.invalid/", DirectoryCheckStatus::Unreachable, "No host.", now),
         // Found gone at the address it had before an update: that says nothing of the
         // address it has now.
         Result("Readdressed", m_env->server.Url("/gone"), DirectoryCheckStatus::NotFound,
                "Not found (404)", now),
         // A timeout may pass: the directory is still worth a try.
         Result("Slow", m_env->server.Url("/form"), DirectoryCheckStatus::Timeout, "No answer.",
                now)});
    OpenWindow();
    QVERIFY(WaitForCheckStatus(QStringLiteral("Slow [not sent]")));
    QVERIFY(!CheckStatus(QStringLiteral("Readdressed [not sent]")).isValid());

    const SubmitterDlgInspector window = Inspect(*m_dlg);
    window.PickDirectoryRow(0);
    QStringList visited;
    for (int step = 0; step < 3; ++step) {
        window.NextUnsentButton()->click();
        visited.append(window.Entry(window.SelectedDirectoryRow()));
    }
    QCOMPARE(visited,
             QStringList({"Readdressed [not sent]", "Slow [not sent]", "Last [not sent]"}));
}

void DirectoryCheckWindowTest::checksCancelsAndResumesWhileTheListStaysUsable()
{
    m_env->WriteProgramFile("dirdata.xml",
                            DirectoryDatabaseXml({Directory("Form", m_env->server.Url("/form")),
                                                  Directory("Gone", m_env->server.Url("/gone")),
                                                  Directory("Hang", m_env->server.Url("/hang"))}));
    OpenWindow();
    Inspect(*m_dlg).MenuCommand(QStringLiteral("Check &Directories\u2026"))->trigger();
    CDirectoryCheckDialog* dialog = CheckDialog();
    QVERIFY(dialog && dialog->isVisible());
    WAIT_COMPARE(dialog->StatusLabel()->text(), QStringLiteral("Checked 2 of 3 directories"),
                 15000);
    QCOMPARE(dialog->CountsLabel()->text(), QStringLiteral("1 ok, 1 not found"));
    // The results reach the list while the check still waits for the last page, and the list
    // can be used meanwhile.
    QVERIFY(WaitForCheckStatus(QStringLiteral("Gone [not sent]")));
    Inspect(*m_dlg).PickDirectoryRow(1);
    QCOMPARE(Inspect(*m_dlg).CurrentDirectory(), std::string("Gone"));

    dialog->CancelButton()->click();
    QVERIFY(WaitUntil([&] { return dialog->ResumeButton()->isVisible(); }, 15000));
    QCOMPARE(dialog->StatusLabel()->text(),
             QStringLiteral("Cancelled after 2 of 3 directories. Resume goes on where the check "
                            "stopped."));
    QVERIFY(!CheckStatus(QStringLiteral("Hang [not sent]")).isValid());

    m_hang->Open();
    dialog->ResumeButton()->click();
    WAIT_COMPARE(dialog->StatusLabel()->text(),
                 QStringLiteral("Checked 1 directory. 2 checked in the last 7 days were left out."),
                 15000);
    QCOMPARE(dialog->CountsLabel()->text(), QStringLiteral("1 ok"));
    QCOMPARE(m_env->RequestCount("/form"), size_t(1));

    // Checked again, the user is asked first, and may ask for all.
    ModalDialogDriver dialogs;
    dialogs.Then<QMessageBox>([](QMessageBox& box) {
        QVERIFY(box.text().startsWith(QStringLiteral("3 of the directories")));
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == QStringLiteral("Check All"))
                button->click();
        }
    });
    Inspect(*m_dlg).MenuCommand(QStringLiteral("Check &Directories\u2026"))->trigger();
    QVERIFY(dialogs.Finished());
    WAIT_COMPARE(dialog->StatusLabel()->text(), QStringLiteral("Checked 3 directories."), 15000);
    QCOMPARE(dialog->CountsLabel()->text(), QStringLiteral("2 ok, 1 not found"));
    QCOMPARE(m_env->RequestCount("/form"), size_t(2));
}

void DirectoryCheckWindowTest::repairsAMovedDirectoryAsTheUsersOwn()
{
    m_env->WriteProgramFile("dirdata.xml",
                            DirectoryDatabaseXml({Directory("Old", m_env->server.Url("/old"))}));
    OpenWindow();
    Inspect(*m_dlg).MenuCommand(QStringLiteral("Check &Directories\u2026"))->trigger();
    QVERIFY(WaitForCheckStatus(QStringLiteral("Old [not sent]")));
    QCOMPARE(CheckStatus(QStringLiteral("Old [not sent]")).toInt(),
             static_cast<int>(DirectoryCheckStatus::Moved));

    Inspect(*m_dlg).SelectDirectoryRowQuietly(0);
    ModalDialogDriver dialogs;
    dialogs.Then<CDirectoryEditorDlg>([&](CDirectoryEditorDlg& editor) {
        QCOMPARE(editor.NameEdit()->text(), QStringLiteral("Old"));
        QCOMPARE(editor.SubmitUrlEdit()->text().toStdString(), m_env->server.Url("/new"));
        editor.accept();
    });
    Inspect(*m_dlg).MenuCommand(QStringLiteral("Re&pair\u2026"))->trigger();
    QVERIFY(WaitUntil([&] { return dialogs.Finished() && m_env->ReadProgramFile("mydirs.xml"); },
                      30000));
    const std::string mine = *m_env->ReadProgramFile("mydirs.xml");
    QVERIFY(mine.find("name=\"Old\"") != std::string::npos);
    QVERIFY(mine.find(m_env->server.Url("/new")) != std::string::npos);
    QVERIFY(Inspect(*m_dlg).IsUserDirectoryRow(0));
    QVERIFY(m_env->windowMessages.messages.empty());
    // Checked again at its new address, the fixed directory no longer looks broken.
    QVERIFY(
        WaitUntil([&] { return !CheckStatus(QStringLiteral("Old [not sent]")).isValid(); }, 15000));
}

void DirectoryCheckWindowTest::aCheckFindsNothingForAnAddressChangedWhileItRan()
{
    // The address holds the profile's category, so Ann's and Bob's differ.
    const std::string variable = R"(<variable name="CAT"><cond category="Arts" value="1"/>)"
                                 R"(<cond value="2"/></variable>)";
    m_env->WriteProgramFile("dirdata.xml",
                            DirectoryDatabaseXml({Directory(
                                "Vanishing", m_env->server.Url("/vanishing?c=CAT"), variable)}));
    m_env->WriteProgramFile("sv.dat", StateFileLines({"Ann", "2"}) + ProfileBlock("Ann", "Arts") +
                                          ProfileBlock("Bob", "News"));
    OpenWindow();
    Inspect(*m_dlg).MenuCommand(QStringLiteral("Check &Directories\u2026"))->trigger();
    QVERIFY(WaitUntil([this] { return m_vanishingAsked.load(); }, 15000));

    // Bob is picked while Ann's address is being checked: what it gives is not Bob's.
    QComboBox* profiles = Inspect(*m_dlg).ProfileCombo();
    profiles->setCurrentIndex(profiles->findText(QStringLiteral("Bob")));
    m_hang->Open();
    WAIT_COMPARE(CheckDialog()->StatusLabel()->text(), QStringLiteral("Checked 1 directory."),
                 15000);
    QCOMPARE(CheckDialog()->CountsLabel()->text(), QStringLiteral("1 not found"));
    QVERIFY(!CheckStatus(QStringLiteral("Vanishing [not sent]")).isValid());
}

QTEST_MAIN(DirectoryCheckWindowTest)
#include "DirectoryCheckWindowTest.moc"
