// The user's own directories in the main window: learning a page, keeping it across restarts
// and updates, replacing a vendor's directory, filling by meaning and learning a confirmation.
#include "gui/profiles/ModalDialogDriver.h"
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "ui/directory_editor/DirectoryEditorDlg.h"

#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QWebChannel>

namespace {

// A directory's form whose fields have names that say nothing; only the labels tell.
constexpr char kLearnPage[] = R"(<!DOCTYPE html><html><head><title>Submit a feed | Learnt Site
</title></head><body><form action="/learnt" method="post">
<label for="f1">Feed URL</label><input id="f1" name="f1">
<label for="f2">Title</label><input id="f2" name="f2">
<label for="f3">Description</label><textarea id="f3" name="f3"></textarea>
<label for="contact">E-mail</label><input id="contact" name="contact" type="email">
<label for="f5">Category</label>
<select id="f5" name="f5"><option>Any</option><option>Business</option></select>
<input type="hidden" name="token" value="x">
<button id="send" type="submit">Send</button></form></body></html>)";

constexpr char kResultPage[] = "<html><body><h1>\n  Thanks &amp; welcome, your feed is listed."
                               "\n</h1><p>More text.</p></body></html>";

// A rule set for the page above as it was before its field names changed.
constexpr char kOldRules[] = R"(<item name="feed_url" index="0" value="#url#" type="edit"/>
  <item name="feed_title" index="0" value="#title#" type="edit"/>)";

std::string Directory(const std::string& name, const std::string& url,
                      const std::string& items = {}, const char* onsubmit = "Thank you")
{
    std::string xml = "<directory name=\"" + name + "\" submiturl=\"" + url + "\"";
    if (onsubmit)
        xml += std::string(" onsubmit=\"") + onsubmit + "\"";
    return xml + ">" + items + "</directory>";
}

// The list's entries, the user's own directories marked with a "*".
QStringList Entries(const SubmitterDlgInspector& window)
{
    QStringList entries;
    for (int row = 0; row < window.EntryCount(); ++row)
        entries.append(window.Entry(row) +
                       (window.IsUserDirectoryRow(row) ? QStringLiteral("*") : QString()));
    return entries;
}

const char* kFieldValues = "['f1', 'f2', 'f3', 'contact', 'f5']"
                           ".map(id => document.getElementById(id).value).join('|')";

} // namespace

Q_DECLARE_METATYPE(std::string)

class UserDirectoriesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void learnsAPageAndFillsItAfterARestart();
    void anUpdateKeepsTheUserDirectories();
    void aUserDirectoryTakesThePlaceOfTheVendorsOfTheSameName();
    void fillsByMeaningWhereNoRuleFitsAndKeepsWhatTheUserTyped();
    void learnsTheConfirmationTextAfterASubmission();
    void copiesEditsAndRemovesADirectory();
    void aRenamedDirectoryKeepsItsSentMarks_data();
    void aRenamedDirectoryKeepsItsSentMarks();
    void opensAnyAddressAndGoesBackAndForward();
    void anUnreadableFileIsReportedOnceAndLeftAlone_data();
    void anUnreadableFileIsReportedOnceAndLeftAlone();

private:
    void OpenWindow();
    [[nodiscard]] bool LoadPage(const std::string& path);
    [[nodiscard]] bool Choose(const QString& entry);
    [[nodiscard]] bool WaitForValues(const QString& values);
    QString Values() { return m_driver->RunText(QString::fromLatin1(kFieldValues)); }
    // The menu command with this text, as the user finds it in the menu bar.
    QAction* Action(const QString& text) const;
    QStringList ListEntries() const { return Entries(Inspect(*m_dlg)); }
    std::string UserFile() const { return m_env->ReadProgramFile("mydirs.xml").value_or(""); }

    std::unique_ptr<SubmitterTestEnvironment> m_env;
    std::unique_ptr<CSubmitterDlg> m_dlg;
    std::unique_ptr<BrowserDriver> m_driver;
    ChannelProbe m_probe;
};

void UserDirectoriesTest::init()
{
    m_env = std::make_unique<SubmitterTestEnvironment>();
    m_env->server.server.Get("/learn", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kLearnPage, "text/html");
    });
    m_env->server.server.Get("/other", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body><p>Another page</p></body></html>", "text/html");
    });
    m_env->server.server.Post("/learnt", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(kResultPage, "text/html");
    });
    m_env->Start();
    m_env->WriteProgramFile("sv.dat",
                            StateFileLines({"Alice", "1", "Alice", "http://alice.example/feed.xml",
                                            "Alice's feed", "All about <things>", "Business", "",
                                            "news, tech", "alice@example.com", "Ann", "Lee", "0"}));
    m_env->WriteProgramFile(
        "dirdata.xml",
        DirectoryDatabaseXml({Directory("Vendor", m_env->server.Url("/other")),
                              Directory("Changed", m_env->server.Url("/learn"), kOldRules)}));
}

void UserDirectoriesTest::cleanup()
{
    m_driver.reset();
    m_dlg.reset();
    m_env.reset();
}

void UserDirectoriesTest::OpenWindow()
{
    m_driver.reset();
    m_dlg = std::make_unique<CSubmitterDlg>(m_env->Environment());
    Inspect(*m_dlg).Browser()->Channel()->registerObject(QStringLiteral("probe"), &m_probe);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    QVERIFY(Inspect(*m_dlg).WaitForDatabase());
    m_driver = std::make_unique<BrowserDriver>(*Inspect(*m_dlg).Browser());
    QVERIFY(m_driver->WaitUntilComplete());
}

QAction* UserDirectoriesTest::Action(const QString& text) const
{
    return Inspect(*m_dlg).MenuCommand(text);
}

bool UserDirectoriesTest::LoadPage(const std::string& path)
{
    return m_driver->Load(QString::fromStdString(m_env->server.Url(path)));
}

bool UserDirectoriesTest::Choose(const QString& entry)
{
    const int row = Inspect(*m_dlg).RowOfEntry(entry);
    if (row < 0)
        return false;
    Inspect(*m_dlg).PickDirectoryRow(row);
    return Inspect(*m_dlg).FillPending();
}

bool UserDirectoriesTest::WaitForValues(const QString& values)
{
    return WaitUntil([&] { return !Inspect(*m_dlg).FillPending() && Values() == values; },
                     BrowserDriver::kTimeoutMs);
}

void UserDirectoriesTest::learnsAPageAndFillsItAfterARestart()
{
    OpenWindow();
    QVERIFY(LoadPage("/learn"));
    const std::string address = m_env->server.Url("/learn");
    ModalDialogDriver dialogs;
    dialogs.Then<CDirectoryEditorDlg>([&](CDirectoryEditorDlg& dialog) {
        QCOMPARE(dialog.NameEdit()->text(), QStringLiteral("Learnt Site"));
        QCOMPARE(dialog.SubmitUrlEdit()->text().toStdString(), address);
        QCOMPARE(dialog.FieldTable()->rowCount(), 5);
        QStringList proposed;
        for (int row = 0; row < 5; ++row)
            proposed.append(dialog.ValueBox(row)->currentText());
        QCOMPARE(proposed, QStringList({"#url#", "#title#", "#desc#", "#email#", "#cat#"}));
        // The user may change what the page proposes.
        dialog.ValueBox(1)->setCurrentText(QStringLiteral("#title# (#keywords#)"));
        dialog.accept();
    });
    Action(QStringLiteral("&Add This Page…"))->trigger();
    QVERIFY(WaitUntil([&] { return dialogs.Finished() && !UserFile().empty(); },
                      BrowserDriver::kTimeoutMs));
    QCOMPARE(ListEntries(),
             QStringList({"Vendor [not sent]", "Changed [not sent]", "Learnt Site [not sent]*"}));
    QCOMPARE(Inspect(*m_dlg).CurrentDirectory(), std::string("Learnt Site"));
    QVERIFY(UserFile().find(R"(<item name="contact" index="0" value="#email#" type="edit"/>)") !=
            std::string::npos);
    QVERIFY(UserFile().find(R"(type="combobox")") != std::string::npos);
    QVERIFY(UserFile().find("onsubmit") == std::string::npos);
    QVERIFY(m_env->databaseMessages.messages.empty());

    m_dlg->close();
    OpenWindow();
    QCOMPARE(ListEntries(),
             QStringList({"Vendor [not sent]", "Changed [not sent]", "Learnt Site [not sent]*"}));
    QVERIFY(Choose(QStringLiteral("Learnt Site [not sent]")));
    QVERIFY(WaitForValues(QStringLiteral("http://alice.example/feed.xml|Alice's feed (news, "
                                         "tech)|All about <things>|alice@example.com|Business")));
}

void UserDirectoriesTest::anUpdateKeepsTheUserDirectories()
{
    const std::string mine = DirectoryDatabaseXml({Directory("Mine", m_env->server.Url("/learn"))});
    m_env->WriteProgramFile("mydirs.xml", mine);
    m_env->server.server.Get("/updates/demo.xml", [this](const httplib::Request&,
                                                         httplib::Response& response) {
        response.set_content(
            DirectoryDatabaseXml({Directory("Newer", m_env->server.Url("/other"))}), "text/xml");
    });
    OpenWindow();
    QCOMPARE(ListEntries(),
             QStringList({"Vendor [not sent]", "Changed [not sent]", "Mine [not sent]*"}));
    m_dlg->OnUpdateDatabase();
    QCOMPARE(m_env->windowMessages.messages.size(), size_t(1));
    QCOMPARE(m_env->windowMessages.messages[0].text, std::string("Update successful"));
    QCOMPARE(ListEntries(), QStringList({"Newer [not sent]", "Mine [not sent]*"}));
    QCOMPARE(UserFile(), mine);
}

void UserDirectoriesTest::aUserDirectoryTakesThePlaceOfTheVendorsOfTheSameName()
{
    m_env->WriteProgramFile("mydirs.xml",
                            DirectoryDatabaseXml({Directory(
                                "Vendor", m_env->server.Url("/learn"),
                                R"(<item name="f1" index="0" value="#email#" type="edit"/>)")}));
    OpenWindow();
    QCOMPARE(ListEntries(), QStringList({"Vendor [not sent]*", "Changed [not sent]"}));
    QVERIFY(Choose(QStringLiteral("Vendor [not sent]")));
    QVERIFY(WaitForValues(QStringLiteral("alice@example.com||||Any")));
    QCOMPARE(m_env->RequestCount("/other"), size_t(0));
}

void UserDirectoriesTest::fillsByMeaningWhereNoRuleFitsAndKeepsWhatTheUserTyped()
{
    OpenWindow();
    QVERIFY(Choose(QStringLiteral("Changed [not sent]")));
    // The automatic fill finds no field of the old rules, and asks nothing.
    QVERIFY(WaitForValues(QStringLiteral("||||Any")));
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    Inspect(*m_dlg).Browser()->setFocus();
    m_driver->Run(QStringLiteral("document.getElementById('f2').focus()"));
    QTest::keyClicks(Inspect(*m_dlg).Browser()->focusProxy(), QStringLiteral("Typed"));
    QVERIFY(WaitForValues(QStringLiteral("|Typed|||Any")));

    ModalDialogDriver dialogs;
    dialogs.Then<QMessageBox>([](QMessageBox& box) {
        QVERIFY(box.text().contains(QStringLiteral("\"Changed\"")));
        box.button(QMessageBox::Yes)->click();
    });
    Inspect(*m_dlg).FillButton()->click();
    QVERIFY(WaitForValues(QStringLiteral("http://alice.example/feed.xml|Typed|All about "
                                         "<things>|alice@example.com|Business")));
    QVERIFY(dialogs.Finished());
    QVERIFY(WaitUntil([&] { return !m_dlg->statusBar()->currentMessage().isEmpty(); },
                      BrowserDriver::kTimeoutMs));
    QCOMPARE(m_dlg->statusBar()->currentMessage(),
             QStringLiteral("Filled by meaning: Feed address, Description, E-mail, Category. "
                            "Kept 1 field(s) you typed in. \u00b7 nothing left for you"));

    // Declined, nothing is filled.
    QVERIFY(LoadPage("/learn"));
    dialogs.Then<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    Inspect(*m_dlg).FillButton()->click();
    QVERIFY(WaitUntil([&] { return dialogs.Finished(); }, BrowserDriver::kTimeoutMs));
    QCOMPARE(Values(), QStringLiteral("||||Any"));
}

void UserDirectoriesTest::learnsTheConfirmationTextAfterASubmission()
{
    m_env->WriteProgramFile(
        "mydirs.xml", DirectoryDatabaseXml({Directory(
                          "Mine", m_env->server.Url("/learn"),
                          R"(<item name="f1" index="0" value="#url#" type="edit"/>)", nullptr)}));
    OpenWindow();
    QVERIFY(Choose(QStringLiteral("Mine [not sent]")));
    QVERIFY(WaitForValues(QStringLiteral("http://alice.example/feed.xml||||Any")));
    QVERIFY(m_driver->WaitForRenderedFrame(m_probe.renderedFrames));
    m_driver->Click(QStringLiteral("send"));
    QVERIFY(WaitUntil([&] { return Inspect(*m_dlg).Submitted(); }, BrowserDriver::kTimeoutMs));
    QVERIFY(WaitUntil(
        [&] {
            return Inspect(*m_dlg).Browser()->GetReadyState() ==
                       CBrowserCtrl::kReadyStateComplete &&
                   Inspect(*m_dlg).Browser()->url().path() == QStringLiteral("/learnt");
        },
        BrowserDriver::kTimeoutMs));

    ModalDialogDriver dialogs;
    dialogs.Then<QInputDialog>([](QInputDialog& dialog) {
        // As the page's source has it, so that later checks find it there.
        QCOMPARE(dialog.textValue(), QStringLiteral("Thanks &amp; welcome, your feed is listed."));
        dialog.accept();
    });
    m_env->now = Inspect(*m_dlg).SubmitTime() + 3001;
    QVERIFY(WaitUntil(
        [&] {
            return dialogs.Finished() && ListEntries().last().contains(QStringLiteral("[sent]"));
        },
        BrowserDriver::kTimeoutMs));
    QCOMPARE(ListEntries(),
             QStringList({"Vendor [not sent]", "Changed [not sent]", "Mine [sent]*"}));
    QVERIFY(UserFile().find(R"(onsubmit="Thanks &amp;amp; welcome, your feed is listed.")") !=
            std::string::npos);
    QVERIFY(m_env->ReadProgramFile("sv.dat")->find("\r\n1\r\nMine\r\n") != std::string::npos);
    QVERIFY(m_env->databaseMessages.messages.empty());
}

void UserDirectoriesTest::copiesEditsAndRemovesADirectory()
{
    OpenWindow();
    Inspect(*m_dlg).SelectDirectoryRowQuietly(1);
    Action(QStringLiteral("&Copy to My Directories"))->trigger();
    QCOMPARE(ListEntries(), QStringList({"Vendor [not sent]", "Changed [not sent]*"}));
    QCOMPARE(Inspect(*m_dlg).SelectedDirectoryRow(), 1);

    ModalDialogDriver dialogs;
    dialogs.Then<CDirectoryEditorDlg>([](CDirectoryEditorDlg& dialog) {
        QCOMPARE(dialog.FieldTable()->rowCount(), 2);
        QCOMPARE(dialog.ValueBox(0)->currentText(), QStringLiteral("#url#"));
        dialog.NameEdit()->setText(QStringLiteral("Fixed"));
        dialog.ValueBox(1)->setCurrentText(QString());
        dialog.accept();
    });
    Action(QStringLiteral("&Edit…"))->trigger();
    QVERIFY(dialogs.Finished());
    // Renamed, the copy no longer hides the vendor's directory.
    QCOMPARE(ListEntries(),
             QStringList({"Vendor [not sent]", "Changed [not sent]", "Fixed [not sent]*"}));
    QVERIFY(UserFile().find("feed_title") == std::string::npos);

    dialogs.Then<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    Action(QStringLiteral("&Remove"))->trigger();
    QVERIFY(dialogs.Finished());
    QCOMPARE(ListEntries(), QStringList({"Vendor [not sent]", "Changed [not sent]"}));
    QVERIFY(UserFile().find("<directory") == std::string::npos);

    // A vendor's directory is neither edited nor removed in place.
    Inspect(*m_dlg).SelectDirectoryRowQuietly(0);
    Action(QStringLiteral("&Edit…"))->trigger();
    Action(QStringLiteral("&Remove"))->trigger();
    QCOMPARE(m_env->windowMessages.messages.size(), size_t(2));
    QVERIFY(m_env->windowMessages.messages[0].text.find("Copy to My Directories") !=
            std::string::npos);
}

void UserDirectoriesTest::aRenamedDirectoryKeepsItsSentMarks_data()
{
    QTest::addColumn<QString>("renamed");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<std::string>("aliceSent");
    QTest::addColumn<std::string>("bobSent");
    QTest::newRow("a directory of the user's own")
        << QStringLiteral("Mine") << QStringLiteral("Mine renamed")
        << QStringList({"Vendor [not sent]", "Changed [sent]", "Mine renamed [sent]*"})
        << std::string("2\r\nChanged\r\nMine renamed\r\n") << std::string("1\r\nMine renamed\r\n");
    // The vendor's directory the copy hid shows again, and keeps its marks.
    QTest::newRow("a copy of the database's")
        << QStringLiteral("Changed") << QStringLiteral("Fixed")
        << QStringList({"Vendor [not sent]", "Changed [sent]", "Mine [sent]*", "Fixed [sent]*"})
        << std::string("3\r\nChanged\r\nFixed\r\nMine\r\n") << std::string("1\r\nMine\r\n");
}

void UserDirectoriesTest::aRenamedDirectoryKeepsItsSentMarks()
{
    QFETCH(QString, renamed);
    QFETCH(QString, newName);
    QFETCH(QStringList, entries);
    QFETCH(std::string, aliceSent);
    QFETCH(std::string, bobSent);
    m_env->WriteProgramFile("sv.dat", StateFileLines({"Alice", "2"}) +
                                          ProfileBlock("Alice", "Business", {"Changed", "Mine"}) +
                                          ProfileBlock("Bob", "", {"Mine"}));
    m_env->WriteProgramFile("mydirs.xml",
                            DirectoryDatabaseXml({Directory("Mine", m_env->server.Url("/other"))}));
    OpenWindow();
    Inspect(*m_dlg).SelectDirectoryRowQuietly(
        Inspect(*m_dlg).RowOfEntry(renamed + QStringLiteral(" [sent]")));
    // A directory of the database is made the user's own first.
    if (!ListEntries().contains(renamed + QStringLiteral(" [sent]*")))
        Action(QStringLiteral("&Copy to My Directories"))->trigger();

    ModalDialogDriver dialogs;
    QString note;
    dialogs.Then<CDirectoryEditorDlg>([&](CDirectoryEditorDlg& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text().contains(QStringLiteral("sent marks")))
                note = label->text();
        }
        dialog.NameEdit()->setText(newName);
        dialog.accept();
    });
    Action(QStringLiteral("&Edit…"))->trigger();
    QVERIFY(dialogs.Finished());

    QCOMPARE(note,
             QStringLiteral("A new name keeps the directory's sent marks, for every profile."));
    QCOMPARE(ListEntries(), entries);
    // Saved at once, for every profile.
    const std::string stateFile = m_env->ReadProgramFile("sv.dat").value_or("");
    QVERIFY2(stateFile.find("\r\nAlice@example.com\r\nFirst\r\nLast\r\n" + aliceSent) !=
                 std::string::npos,
             stateFile.c_str());
    QVERIFY2(stateFile.find("\r\nBob@example.com\r\nFirst\r\nLast\r\n" + bobSent) !=
                 std::string::npos,
             stateFile.c_str());
}

void UserDirectoriesTest::opensAnyAddressAndGoesBackAndForward()
{
    OpenWindow();
    QAction* open = Action(QStringLiteral("Open &Address…"));
    QAction* back = Action(QStringLiteral("&Back"));
    QAction* forward = Action(QStringLiteral("&Forward"));
    QVERIFY(open && back && forward);
    QCOMPARE(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(back->shortcut(), QKeySequence(QKeySequence::Back));

    const QString address = QString::fromStdString(m_env->server.Url("/other"));
    ModalDialogDriver dialogs;
    dialogs.Then<QInputDialog>([&](QInputDialog& dialog) {
        dialog.setTextValue(QStringLiteral("  ") + address);
        dialog.accept();
    });
    open->trigger();
    QVERIFY(dialogs.Finished());
    QVERIFY(m_driver->WaitUntilComplete());
    QCOMPARE(Inspect(*m_dlg).Browser()->url().toString(), address);
    QVERIFY(Inspect(*m_dlg).CurrentDirectory().empty());

    back->trigger();
    QVERIFY(WaitUntil(
        [&] { return Inspect(*m_dlg).Browser()->url().path() == QStringLiteral("/updates/"); },
        BrowserDriver::kTimeoutMs));
    forward->trigger();
    QVERIFY(WaitUntil([&] { return Inspect(*m_dlg).Browser()->url().toString() == address; },
                      BrowserDriver::kTimeoutMs));
}

void UserDirectoriesTest::anUnreadableFileIsReportedOnceAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: mydirs.xml is a folder
    QTest::newRow("not well-formed") << QByteArray("<r><directory name=\"Mine\" submiturl=\"x\">");
    QTest::newRow("not XML") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QTest::newRow("a folder") << QByteArray();
}

void UserDirectoriesTest::anUnreadableFileIsReportedOnceAndLeftAlone()
{
    QFETCH(QByteArray, bytes);
    if (bytes.isNull())
        QVERIFY(QDir().mkpath(QString::fromStdString(m_env->ProgramFolder() + "mydirs.xml")));
    else
        m_env->WriteProgramFile("mydirs.xml", bytes.toStdString());
    OpenWindow();
    WAIT_VERIFY(!m_env->windowMessages.messages.empty(), BrowserDriver::kTimeoutMs);
    const RecordingPresenter::Message& message = m_env->windowMessages.messages.front();
    QVERIFY2(message.text.find(m_env->ProgramFolder() + "mydirs.xml") != std::string::npos,
             message.text.c_str());
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QCOMPARE(ListEntries(), QStringList({"Vendor [not sent]", "Changed [not sent]"}));

    // Once: a change of the user's directories is refused with its own message, and the file
    // stays as it was.
    Inspect(*m_dlg).SelectDirectoryRowQuietly(0);
    Action(QStringLiteral("&Copy to My Directories"))->trigger();
    QCOMPARE(m_env->windowMessages.messages.size(), size_t(2));
    QVERIFY(m_dlg->close());
    QCOMPARE(m_env->windowMessages.messages.size(), size_t(2));
    if (!bytes.isNull())
        QCOMPARE(QByteArray::fromStdString(UserFile()), bytes);
}

QTEST_MAIN(UserDirectoriesTest)
#include "UserDirectoriesTest.moc"
