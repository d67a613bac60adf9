#include "DialogChild.h"
#include "ModalDialogDriver.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WidgetTexts.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/ProfileData.h"
#include "ui/profiles/ProfilesConfigurator.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

std::string FirstLine(const std::string& bytes)
{
    return bytes.substr(0, bytes.find("\r\n"));
}

QListWidget& ProfileList(CProfilesConfigurator& manager)
{
    return DialogChild<QListWidget>(manager, "profileList");
}

// Selects the first entry showing `name` and clicks `button`.
void ActOnEntry(CProfilesConfigurator& manager, const QString& name, const char* button)
{
    const QList<QListWidgetItem*> found = ProfileList(manager).findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        ProfileList(manager).setCurrentItem(found.front());
    DialogChild<QPushButton>(manager, button).click();
}

void Close(CProfilesConfigurator& manager)
{
    DialogChild<QPushButton>(manager, "closeButton").click();
}

// Types into the editor's fields by object name, then presses OK.
void FillAndAccept(CProfileData& editor,
                   std::initializer_list<std::pair<const char*, QString>> fields)
{
    for (const auto& [edit, text] : fields)
        DialogChild<QLineEdit>(editor, edit).setText(text);
    DialogChild<QPushButton>(editor, "okButton").click();
}

// Store order Zed, Blog, Able; Blog is current.
const std::string kThreeProfiles =
    StateFileLines({"Blog", "3"}) + ProfileBlock("Zed", "Arts", {"Beta"}) +
    ProfileBlock("Blog", "Business", {"Alpha"}) + ProfileBlock("Able", "", {});

} // namespace

class ManageProfilesTest : public QObject
{
    Q_OBJECT

private:
    // A window on two directories, with sv.dat holding `stateFile` (none when empty).
    static std::unique_ptr<CSubmitterDlg> OpenWindow(SubmitterTestEnvironment& env,
                                                     const std::string& stateFile)
    {
        env.Start();
        env.WriteProgramFile("dirdata.xml",
                             DirectoryDatabaseXml({PlainDirectory("Alpha", env.server.Url("/a")),
                                                   PlainDirectory("Beta", env.server.Url("/b"))}));
        if (!stateFile.empty())
            env.WriteProgramFile("sv.dat", stateFile);
        return OpenShownWindow(env.Environment());
    }

    // Runs Settings > Manage Profiles with the driver's script.
    static void ManageProfiles(CSubmitterDlg& window, ModalDialogDriver& driver)
    {
        for (QAction* menu : window.menuBar()->actions()) {
            for (QAction* action : menu->menu()->actions()) {
                if (action->text() == QStringLiteral("Manage &Profiles"))
                    action->trigger();
            }
        }
        QVERIFY(driver.Finished());
    }

    // Manage Profiles, in which the user edits the profile named `name` and presses OK.
    static void EditInManager(CSubmitterDlg& window, const QString& name,
                              std::initializer_list<std::pair<const char*, QString>> fields)
    {
        ModalDialogDriver driver;
        driver.Then<CProfilesConfigurator>(
            [name](auto& manager) { ActOnEntry(manager, name, "editButton"); });
        driver.Then<CProfileData>(
            [fields](CProfileData& editor) { FillAndAccept(editor, fields); });
        driver.Then<CProfilesConfigurator>(Close);
        ManageProfiles(window, driver);
    }

    // The selector's entries and choice, the current profile and the list after the command.
    static void VerifyCurrent(CSubmitterDlg& window, const QStringList& selectorItems,
                              const QString& current, const QStringList& entries)
    {
        QCOMPARE(Items(*Inspect(window).ProfileCombo()), selectorItems);
        QCOMPARE(Inspect(window).ProfileCombo()->currentText(), current);
        QCOMPARE(Inspect(window).HasProfile(), !current.isEmpty());
        if (Inspect(window).HasProfile())
            QCOMPARE(QString::fromStdString(Inspect(window).CurrentProfile().name), current);
        QCOMPARE(Entries(*Inspect(window).DirectoryList()), entries);
    }

private slots:
    void removingTheCurrentProfileFallsBackToTheFirstInStoreOrder();
    void renamingTheCurrentProfileFallsBackToTheFirstInStoreOrder();
    void removingTheLastProfileLeavesNoCurrentProfile();
    void creatingTheFirstProfileMakesItCurrent();
    void editsReachTheCurrentCopy();
    void selectsTheCurrentProfileByExactName();
    void closingWithoutChangeStillRewritesTheStateFile();
    void aFailedWriteIsShown();
    void categoryAndSubcategoryRoundTripThroughTheStateFile_data();
    void categoryAndSubcategoryRoundTripThroughTheStateFile();
};

void ManageProfilesTest::removingTheCurrentProfileFallsBackToTheFirstInStoreOrder()
{
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, kThreeProfiles);

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& manager) {
        ActOnEntry(manager, QStringLiteral("Blog"), "removeButton");
        Close(manager);
    });
    ManageProfiles(*window, driver);

    VerifyCurrent(*window, {"Able", "Zed"}, "Zed", {"Alpha [not sent]", "Beta [sent]"});
    QCOMPARE(FirstLine(env.ReadProgramFile("sv.dat").value_or("")), std::string("Zed"));
    QVERIFY(env.windowMessages.messages.empty());
}

void ManageProfilesTest::renamingTheCurrentProfileFallsBackToTheFirstInStoreOrder()
{
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, kThreeProfiles);

    EditInManager(*window, QStringLiteral("Blog"), {{"nameEdit", "Blog Two"}});

    VerifyCurrent(*window, {"Able", "Blog Two", "Zed"}, "Zed", {"Alpha [not sent]", "Beta [sent]"});
    QCOMPARE(FirstLine(env.ReadProgramFile("sv.dat").value_or("")), std::string("Zed"));
}

void ManageProfilesTest::removingTheLastProfileLeavesNoCurrentProfile()
{
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, StateFileLines({"Solo", "1"}) + ProfileBlock("Solo", "Arts"));
    QVERIFY(Inspect(*window).HasProfile());

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& manager) {
        ActOnEntry(manager, QStringLiteral("Solo"), "removeButton");
        Close(manager);
    });
    ManageProfiles(*window, driver);

    VerifyCurrent(*window, {}, "", {"Alpha", "Beta"});
    QCOMPARE(env.ReadProgramFile("sv.dat"), std::optional(StateFileLines({"", "0"})));
}

void ManageProfilesTest::creatingTheFirstProfileMakesItCurrent()
{
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, "");
    QVERIFY(!Inspect(*window).HasProfile());

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>(
        [](auto& manager) { DialogChild<QPushButton>(manager, "addButton").click(); });
    driver.Then<CProfileData>([](CProfileData& editor) {
        FillAndAccept(editor, {{"nameEdit", "Mine"}, {"urlEdit", "http://mine.example/feed"}});
    });
    driver.Then<CProfilesConfigurator>(Close);
    ManageProfiles(*window, driver);

    VerifyCurrent(*window, {"Mine"}, "Mine", {"Alpha [not sent]", "Beta [not sent]"});
    QCOMPARE(Inspect(*window).CurrentProfile().url, std::string("http://mine.example/feed"));
    QCOMPARE(FirstLine(env.ReadProgramFile("sv.dat").value_or("")), std::string("Mine"));
}

void ManageProfilesTest::editsReachTheCurrentCopy()
{
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, kThreeProfiles);

    EditInManager(*window, QStringLiteral("Blog"), {{"urlEdit", "http://moved.example/rss"}});

    VerifyCurrent(*window, {"Able", "Blog", "Zed"}, "Blog", {"Alpha [sent]", "Beta [not sent]"});
    QCOMPARE(Inspect(*window).CurrentProfile().url, std::string("http://moved.example/rss"));
    QCOMPARE(Inspect(*window).CurrentProfile().cat, std::string("Business"));
}

void ManageProfilesTest::selectsTheCurrentProfileByExactName()
{
    // A prefix search without regard to case would find "ann lee" first, searching from the
    // selector's second entry.
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, StateFileLines({"Ann", "2"}) + ProfileBlock("Ann", "Arts") +
                                      ProfileBlock("ann lee", "Arts", {"Alpha"}));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>(Close);
    ManageProfiles(*window, driver);

    VerifyCurrent(*window, {"Ann", "ann lee"}, "Ann", {"Alpha [not sent]", "Beta [not sent]"});
}

void ManageProfilesTest::closingWithoutChangeStillRewritesTheStateFile()
{
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, kThreeProfiles);
    QVERIFY(QFile::remove(QString::fromStdString(env.ProgramFolder() + "sv.dat")));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& manager) { manager.reject(); });
    ManageProfiles(*window, driver);

    QCOMPARE(env.ReadProgramFile("sv.dat"), std::optional(kThreeProfiles));
    VerifyCurrent(*window, {"Able", "Blog", "Zed"}, "Blog", {"Alpha [sent]", "Beta [not sent]"});
}

void ManageProfilesTest::aFailedWriteIsShown()
{
    SubmitterTestEnvironment env;
    auto window = OpenWindow(env, kThreeProfiles);
    // A folder where sv.dat should be: the new file cannot take its place.
    const QString stateFile = QString::fromStdString(env.ProgramFolder() + "sv.dat");
    QVERIFY(QFile::remove(stateFile));
    QVERIFY(QDir().mkdir(stateFile));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>(Close);
    ManageProfiles(*window, driver);

    QCOMPARE(env.windowMessages.messages.size(), size_t(1));
    QCOMPARE(env.windowMessages.messages.front().caption, std::string("Error"));
    QVERIFY(QFileInfo(stateFile).isDir());
}

void ManageProfilesTest::categoryAndSubcategoryRoundTripThroughTheStateFile_data()
{
    QTest::addColumn<QString>("storedCategory");
    QTest::addColumn<QString>("storedSubcategory");
    QTest::addColumn<QString>("typedCategory"); // empty: the boxes are left alone
    QTest::addColumn<QString>("typedSubcategory");

    QTest::newRow("a category of the user's own, left alone") << "Underwater Basketry"
                                                              << "Deep End"
                                                              << ""
                                                              << "";
    QTest::newRow("a prefix of a listed category, left alone") << "health"
                                                               << ""
                                                               << ""
                                                               << "";
    QTest::newRow("typed, one of the offered names") << ""
                                                     << ""
                                                     << "Healthcare"
                                                     << "Running";
    // Completion must not turn it into "Arts".
    QTest::newRow("typed, the user's own beginning like an offered name") << ""
                                                                          << ""
                                                                          << "Art"
                                                                          << "Sculpture by hand";
}

void ManageProfilesTest::categoryAndSubcategoryRoundTripThroughTheStateFile()
{
    QFETCH(QString, storedCategory);
    QFETCH(QString, storedSubcategory);
    QFETCH(QString, typedCategory);
    QFETCH(QString, typedSubcategory);
    const auto block = [](const QString& cat, const QString& subcat) {
        return StateFileLines({"Blog", "http://Blog.example/feed.xml", "Blog title",
                               "Blog description", cat.toStdString(), subcat.toStdString(),
                               "Blog keywords", "Blog@example.com", "First", "Last", "0"});
    };
    SubmitterTestEnvironment env;
    auto window =
        OpenWindow(env, StateFileLines({"Blog", "1"}) + block(storedCategory, storedSubcategory));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>(
        [](auto& manager) { ActOnEntry(manager, QStringLiteral("Blog"), "editButton"); });
    driver.Then<CProfileData>([&](CProfileData& editor) {
        if (!typedCategory.isEmpty()) {
            QComboBox& categoryBox = DialogChild<QComboBox>(editor, "categoryBox");
            QTest::keyClicks(&categoryBox, typedCategory);
            // What the list below the box proposes is not taken unless picked.
            categoryBox.completer()->popup()->hide();
            QTest::keyClicks(&DialogChild<QComboBox>(editor, "subcategoryBox"), typedSubcategory);
        }
        DialogChild<QPushButton>(editor, "okButton").click();
    });
    driver.Then<CProfilesConfigurator>(Close);
    ManageProfiles(*window, driver);

    const QString category = typedCategory.isEmpty() ? storedCategory : typedCategory;
    const QString subcategory = typedCategory.isEmpty() ? storedSubcategory : typedSubcategory;
    QCOMPARE(env.ReadProgramFile("sv.dat"),
             std::optional(StateFileLines({"Blog", "1"}) + block(category, subcategory)));
}

QTEST_MAIN(ManageProfilesTest)
#include "ManageProfilesTest.moc"
