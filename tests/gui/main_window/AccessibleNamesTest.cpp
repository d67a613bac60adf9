// What a screen reader finds in every window and dialog: each control it can land on has a name
// that says what it is, and the states of directories and tabs are said in words.
#include "history/HistoryStore.h"
#include "support/BrowserDriver.h"
#include "support/RecordingPresenter.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/TemporaryFolder.h"
#include "ui/about/AboutDlg.h"
#include "ui/directory_check/DirectoryCheckDialog.h"
#include "ui/directory_editor/DirectoryEditorDlg.h"
#include "ui/directory_lists/ExportDirectoriesDlg.h"
#include "ui/directory_lists/ImportDirectoriesDlg.h"
#include "ui/feed_check/FeedCheckDialog.h"
#include "ui/history/HistoryDlg.h"
#include "ui/language/LanguageDlg.h"
#include "ui/profiles/ProfileData.h"
#include "ui/profiles/ProfilesConfigurator.h"
#include "ui/settings/DatabaseSourceDlg.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/settings/WorkAheadDlg.h"
#include "ui/update/UpdateDialog.h"

#include <QAccessible>
#include <QTest>
#include <QWebEngineView>
#include <functional>
#include <memory>

namespace {

// Roles a user acts on even where the control takes no keyboard focus of its own.
bool IsInteractive(const QAccessibleInterface& object)
{
    switch (object.role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Link:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
        return true;
    default:
        return object.state().focusable;
    }
}

// The rows of a list or table are named by their own text; the page inside the browser is the
// site's. Neither is walked.
bool HoldsOthersContent(const QAccessibleInterface& object)
{
    switch (object.role()) {
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
        return true;
    default:
        return qobject_cast<QWebEngineView*>(object.object()) != nullptr;
    }
}

QString Describe(const QAccessibleInterface& object)
{
    const QObject* source = object.object();
    return QStringLiteral("%1 \"%2\" (role %3)")
        .arg(source ? QString::fromLatin1(source->metaObject()->className()) : QStringLiteral("?"),
             source ? source->objectName() : QString())
        .arg(object.role());
}

// Every object the user can land on or act on, shown, without a name.
void CollectUnnamed(QAccessibleInterface* object, QStringList& unnamed)
{
    if (!object || !object->isValid() || object->state().invisible)
        return;
    if (IsInteractive(*object) && object->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(Describe(*object));
    if (HoldsOthersContent(*object))
        return;
    for (int child = 0; child < object->childCount(); ++child)
        CollectUnnamed(object->child(child), unnamed);
}

DirectoryRecord SampleDirectory()
{
    return {.name = "Atlas", .submitUrl = "http://127.0.0.1:1/submit", .items = {}};
}

} // namespace

// Opens one window for the walk; the test keeps what it needs alive.
using WindowOpener = std::function<std::unique_ptr<QWidget>(TemporaryFolder& folder)>;
Q_DECLARE_METATYPE(WindowOpener)

class AccessibleNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void mainWindowSaysWhatEachPartIs();

private:
    // What the row's window needs for as long as it is open.
    RecordingPresenter m_presenter;
    std::unique_ptr<SubmitterTestEnvironment> m_env;
    std::unique_ptr<CProgramSettings> m_settings;
};

void AccessibleNamesTest::everyControlHasAName_data()
{
    QTest::addColumn<WindowOpener>("open");
    QTest::newRow("main window") << WindowOpener([this](TemporaryFolder&) {
        m_env = std::make_unique<SubmitterTestEnvironment>();
        m_env->Start();
        m_env->WriteProgramFile(
            "dirdata.xml", DirectoryDatabaseXml({PlainDirectory("Atlas", "http://127.0.0.1:1/")}));
        m_env->WriteProgramFile("sv.dat", StateFileLines({"Ann", "1"}) + ProfileBlock("Ann", ""));
        return std::unique_ptr<QWidget>(OpenShownWindow(m_env->Environment()).release());
    });
    QTest::newRow("history") << WindowOpener([](TemporaryFolder& folder) {
        const std::string path = folder.File("history.sqlite");
        CHistoryStore store;
        (void)store.Open(path);
        (void)store.Append({.timeUtcMs = 1000,
                            .profile = "Ann",
                            .directory = "Atlas",
                            .kind = HistoryEventKind::Opened,
                            .pageAddress = "http://127.0.0.1:1/"});
        store.Close();
        return std::make_unique<CHistoryDlg>(path);
    });
    QTest::newRow("profile manager")
        << WindowOpener([](TemporaryFolder&) { return std::make_unique<CProfilesConfigurator>(); });
    QTest::newRow("profile editor")
        << WindowOpener([](TemporaryFolder&) { return std::make_unique<CProfileData>(); });
    QTest::newRow("update") << WindowOpener(
        [](TemporaryFolder&) { return std::make_unique<CUpdateDialog>(); });
    // As the window opens it: checking a feed.
    QTest::newRow("feed check") << WindowOpener([](TemporaryFolder& folder) {
        auto dialog = std::make_unique<CFeedCheckDialog>();
        dialog->StartCheck(QString::fromStdString(folder.File("feed.xml")));
        return dialog;
    });
    QTest::newRow("about") << WindowOpener(
        [](TemporaryFolder&) { return std::make_unique<CAboutDlg>(); });
    QTest::newRow("directory check")
        << WindowOpener([](TemporaryFolder&) { return std::make_unique<CDirectoryCheckDialog>(); });
    QTest::newRow("database source") << WindowOpener([this](TemporaryFolder& folder) {
        m_settings = std::make_unique<CProgramSettings>(folder.Path(), QString());
        return std::make_unique<CDatabaseSourceDlg>(*m_settings);
    });
    QTest::newRow("work ahead") << WindowOpener([this](TemporaryFolder& folder) {
        m_settings = std::make_unique<CProgramSettings>(folder.Path(), QString());
        return std::make_unique<CWorkAheadDlg>(*m_settings);
    });
    QTest::newRow("language") << WindowOpener([this](TemporaryFolder& folder) {
        m_settings = std::make_unique<CProgramSettings>(folder.Path(), QString());
        return std::make_unique<CLanguageDlg>(*m_settings);
    });
    QTest::newRow("import directories") << WindowOpener([](TemporaryFolder&) {
        DirectoryImport import;
        import.candidates.push_back({.record = SampleDirectory(), .accepted = true});
        return std::make_unique<CImportDirectoriesDlg>(import, QStringLiteral("list.xml"));
    });
    QTest::newRow("export directories") << WindowOpener([](TemporaryFolder&) {
        return std::make_unique<CExportDirectoriesDlg>(std::vector{SampleDirectory()});
    });
    QTest::newRow("directory editor") << WindowOpener([this](TemporaryFolder&) {
        return std::make_unique<CDirectoryEditorDlg>(SampleDirectory(), m_presenter);
    });
}

void AccessibleNamesTest::everyControlHasAName()
{
    QFETCH(WindowOpener, open);
    TemporaryFolder folder;
    std::unique_ptr<QWidget> window = open(folder);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window.get()), unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    window.reset();
    m_env.reset();
    m_settings.reset();
}

void AccessibleNamesTest::mainWindowSaysWhatEachPartIs()
{
    SubmitterTestEnvironment env;
    env.Start();
    env.WriteProgramFile(
        "dirdata.xml", DirectoryDatabaseXml({PlainDirectory("Atlas", "http://127.0.0.1:1/"),
                                             PlainDirectory("Bellwether", "http://127.0.0.1:1/")}));
    env.WriteProgramFile("sv.dat", StateFileLines({"Reader", "1"}) +
                                       ProfileBlock("Reader", "", {"Bellwether"}));
    std::unique_ptr<CSubmitterDlg> window = OpenShownWindow(env.Environment());
    const SubmitterDlgInspector inspect = Inspect(*window);
    const auto accessible = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    };

    QCOMPARE(accessible(inspect.DirectoryList())->text(QAccessible::Name),
             QStringLiteral("Directories"));
    QVERIFY(accessible(inspect.SearchBox())
                ->text(QAccessible::Name)
                .contains(QStringLiteral("directories")));
    // The selector is the profile; its value is the profile chosen.
    QAccessibleInterface* selector = accessible(inspect.ProfileCombo());
    QCOMPARE(selector->text(QAccessible::Name), QStringLiteral("Profile"));
    QCOMPARE(selector->text(QAccessible::Value), QStringLiteral("Reader"));
    // The browser area is the page it shows.
    WAIT_COMPARE(accessible(inspect.Browser())->text(QAccessible::Name), inspect.Browser()->title(),
                 BrowserDriver::kTimeoutMs);

    // Each entry says its state in words, not only by its marker.
    QAccessibleInterface* list = accessible(inspect.DirectoryList());
    QStringList states;
    for (int child = 0; child < list->childCount(); ++child) {
        QAccessibleInterface* entry = list->child(child);
        if (entry->role() == QAccessible::ListItem)
            states.append(entry->text(QAccessible::Name) + QStringLiteral(" / ") +
                          entry->text(QAccessible::Description));
    }
    QCOMPARE(states, (QStringList{QStringLiteral("Atlas / not sent, not checked"),
                                  QStringLiteral("Bellwether / sent, not checked")}));
}

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
