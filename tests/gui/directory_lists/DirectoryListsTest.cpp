// File > Import Directories… and File > Export My Directories…: what the import dialog shows and
// takes, what a refused file leaves behind, and what the export writes.
#include "common/AtomicFileWriter.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/UserDirectoryFile.h"
#include "support/FileBytes.h"
#include "support/ModalDialogDriver.h"
#include "support/RecordingPresenter.h"
#include "support/TemporaryFolder.h"
#include "ui/directory_lists/DirectoryListCommands.h"
#include "ui/directory_lists/ExportDirectoriesDlg.h"
#include "ui/directory_lists/ImportDirectoriesDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>
#include <filesystem>
#include <memory>

namespace {

const std::string kVendor = "<r><directory name=\"Atlas\" submiturl=\"http://127.0.0.1:9/a\"/></r>";
const std::string kMine = "<r><directory name=\"Feedling\" submiturl=\"http://127.0.0.1:9/f\"/>"
                          "<directory name=\"Pingwell\" submiturl=\"http://127.0.0.1:9/p\"/></r>";
// Adds Registry, would replace Feedling (named alike), leaves Atlas, refuses a directory without
// a web address and one whose name hides a zero-width space.
const std::string kList = "<r><directory name=\"Registry\" submiturl=\"http://127.0.0.1:9/r\"/>"
                          "<directory name=\"FEEDLING \" submiturl=\"http://127.0.0.1:9/new\"/>"
                          "<directory name=\"Atlas\" submiturl=\"http://127.0.0.1:9/a\"/>"
                          "<directory name=\"Nowhere\"/>"
                          "<directory name=\"Notes\" submiturl=\"file:///etc/hostname\"/>"
                          "<directory name=\"Atl&#x200B;as\" submiturl=\"http://127.0.0.1:9/x\"/>"
                          "</r>";

QStringList Rows(const QTreeWidget& list)
{
    QStringList rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list.topLevelItem(row);
        const bool checkable = item->flags() & Qt::ItemIsUserCheckable;
        rows << QStringLiteral("%1 %2 | %3")
                    .arg(checkable ? (item->checkState(0) == Qt::Checked ? "[x]" : "[ ]") : "   ",
                         item->text(0), item->text(1));
    }
    return rows;
}

} // namespace

class DirectoryListsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void importShowsEachDirectoryAndTakesTheTickedOnes();
    void cancelledOrRefusedImportsChangeNothing();
    void exportWritesTheTickedDirectories();

private:
    std::string UserPath() const { return m_folder->File("mydirs.xml"); }
    std::string Bytes(const std::string& path) const
    {
        return std::filesystem::exists(path) ? ReadWholeFile(path) : std::string("(none)");
    }

    std::unique_ptr<TemporaryFolder> m_folder;
    RecordingPresenter m_presenter;
    std::unique_ptr<CDirectoryDatabase> m_database;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<CDirectoryListCommands> m_commands;
};

void DirectoryListsTest::init()
{
    m_folder = std::make_unique<TemporaryFolder>();
    WriteWholeFile(m_folder->File("dirdata.xml"), kVendor);
    WriteWholeFile(UserPath(), kMine);
    m_presenter.messages.clear();
    m_database = std::make_unique<CDirectoryDatabase>(m_presenter);
    m_database->LoadFile(m_folder->File("dirdata.xml"), UserPath());
    m_window = std::make_unique<QWidget>();
    // As the main window changes the user's directories: the whole file, atomically.
    m_commands = std::make_unique<CDirectoryListCommands>(
        [this]() -> const CDirectoryDatabase& { return *m_database; },
        [this](const std::function<void(CUserDirectoryFile&)>& change) {
            CUserDirectoryFile file(UserPath());
            if (!file.Load())
                return false;
            change(file);
            CAtomicFileWriter writer;
            if (!file.Save(writer).ok)
                return false;
            m_database->ReloadUserFile(UserPath());
            return true;
        },
        m_presenter, m_window.get());
}

void DirectoryListsTest::cleanup()
{
    m_commands.reset();
    m_window.reset();
}

void DirectoryListsTest::importShowsEachDirectoryAndTakesTheTickedOnes()
{
    WriteWholeFile(m_folder->File("list.xml"), kList);
    QStringList shown;
    QString summary;
    ModalDialogDriver<CImportDirectoriesDlg> driver([&](CImportDirectoriesDlg& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("importList"));
        shown = Rows(*list);
        // The user takes the replacement too.
        list->topLevelItem(1)->setCheckState(0, Qt::Checked);
        summary = dialog.findChild<QLabel*>(QStringLiteral("importSummary"))->text();
        dialog.accept();
    });
    m_commands->ImportFrom(QString::fromStdString(m_folder->File("list.xml")));

    QVERIFY(driver.acted);
    QCOMPARE(shown, (QStringList{"[x] Registry | Add",
                                 "[ ] Feedling | Replace yours, which says something else",
                                 "    Atlas | Leave: you have it already",
                                 "    Nowhere | Cannot be used: it has no submission address",
                                 "    Notes | Cannot be used: its submission address is not an "
                                 "http or https address",
                                 "    Atl\u200Bas | Cannot be used: A directory name cannot "
                                 "contain invisible characters, such as a zero-width space; "
                                 "this one holds U+200B."}));
    QCOMPARE(summary, QStringLiteral("Adds 1 and replaces 1 of your directories; 1 you have "
                                     "already, 3 cannot be used."));
    QCOMPARE(m_presenter.messages.size(), size_t(1));
    QCOMPARE(m_presenter.messages[0].text, std::string("2 directories imported."));
    QCOMPARE(m_database->GetDirectorySubmitPage("Feedling", "", ""),
             std::string("http://127.0.0.1:9/new"));
    QVERIFY(m_database->IsUserDirectory("Registry"));
    QVERIFY(!m_database->IsUserDirectory("Atlas"));
}

void DirectoryListsTest::cancelledOrRefusedImportsChangeNothing()
{
    const std::string before = Bytes(UserPath());
    WriteWholeFile(m_folder->File("list.xml"), kList);
    ModalDialogDriver<CImportDirectoriesDlg> cancel(
        [](CImportDirectoriesDlg& dialog) { dialog.reject(); });
    m_commands->ImportFrom(QString::fromStdString(m_folder->File("list.xml")));
    QVERIFY(cancel.acted);
    QCOMPARE(Bytes(UserPath()), before);
    QVERIFY(m_presenter.messages.empty());

    // A file that is no list is refused before any dialog, and says why.
    WriteWholeFile(m_folder->File("list.xml"), "<r><directory name=\"Cut\" submiturl=");
    m_commands->ImportFrom(QString::fromStdString(m_folder->File("list.xml")));
    QCOMPARE(Bytes(UserPath()), before);
    QCOMPARE(m_presenter.messages.size(), size_t(1));
    QVERIFY(m_presenter.messages[0].text.find("not a directory list") != std::string::npos);
    QCOMPARE(m_presenter.messages[0].icon, MessageIcon::Exclamation);
}

void DirectoryListsTest::exportWritesTheTickedDirectories()
{
    QStringList offered;
    ModalDialogDriver<CExportDirectoriesDlg> driver([&](CExportDirectoriesDlg& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("exportList"));
        for (int row = 0; row < list->count(); ++row)
            offered << list->item(row)->text();
        list->item(0)->setCheckState(Qt::Unchecked);
        dialog.accept();
    });
    const std::string shared = m_folder->File("shared.xml");
    m_commands->ChooseAndExportTo([&] { return QString::fromStdString(shared); });

    QVERIFY(driver.acted);
    QCOMPARE(offered, (QStringList{"Feedling", "Pingwell"}));
    const std::string written = Bytes(shared);
    QVERIFY2(written.find("name=\"Pingwell\"") != std::string::npos, written.c_str());
    QVERIFY(written.find("Feedling") == std::string::npos);
    QVERIFY(written.find("Atlas") == std::string::npos);
    QCOMPARE(m_presenter.messages.back().text, "1 directory written to " + shared + ".");
}

QTEST_MAIN(DirectoryListsTest)

#include "DirectoryListsTest.moc"
