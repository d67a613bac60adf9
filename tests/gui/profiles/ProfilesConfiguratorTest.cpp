#include "ui/profiles/ProfilesConfigurator.h"

#include "DialogChild.h"
#include "ModalDialogDriver.h"
#include "profiles/ProfileTextFields.h"
#include "support/WaitUntil.h"
#include "ui/profiles/ProfileData.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <map>
#include <set>

namespace {

ProfileRecord Profile(const std::string& name, const std::string& url, CSentSet sent = {})
{
    ProfileRecord profile;
    profile.name = name;
    profile.url = url;
    profile.cat = "Arts";
    profile.sent = std::move(sent);
    return profile;
}

QListWidget& List(CProfilesConfigurator& manager)
{
    return DialogChild<QListWidget>(manager, "profileList");
}

QStringList Entries(CProfilesConfigurator& manager)
{
    QStringList texts;
    for (int row = 0; row < List(manager).count(); ++row)
        texts.append(List(manager).item(row)->text());
    return texts;
}

std::vector<std::string> StoreNames(const CProfilesConfigurator& manager)
{
    std::vector<std::string> names;
    manager.Profiles().GetProfileNames(names);
    return names;
}

// Clicks a button whose command may open a nested dialog; the driver goes on polling meanwhile.
void Click(CProfilesConfigurator& manager, const char* button)
{
    DialogChild<QPushButton>(manager, button).click();
}

void Close(CProfilesConfigurator& manager)
{
    Click(manager, "closeButton");
}

void SetText(CProfileData& editor, const char* edit, const QString& text)
{
    DialogChild<QLineEdit>(editor, edit).setText(text);
}

void Accept(CProfileData& editor)
{
    DialogChild<QPushButton>(editor, "okButton").click();
}

void Cancel(CProfileData& editor)
{
    DialogChild<QPushButton>(editor, "cancelButton").click();
}

} // namespace

class ProfilesConfiguratorTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStoreSortedWithNothingSelected();
    void addAppendsANamedProfileAndRefusesAnEmptyOrTakenName();
    void addThenCancelChangesNothing();
    void duplicateNamesActOnTheSelectedEntry_data();
    void duplicateNamesActOnTheSelectedEntry();
    void editRenamesInPlaceKeepingSentAndPosition();
    void editThenCancelChangesNothing();
    void removeWithoutSelectionDoesNothing();
    void removeErasesTheProfileAndLeavesNoSelection();
    void escapeAndCloseBoxKeepChanges();
    void reopeningShowsOneEntryPerProfile();
};

void ProfilesConfiguratorTest::showsTheStoreSortedWithNothingSelected()
{
    CProfilesConfigurator manager;
    manager.Profiles().AddProfile(Profile("zeta", "z"));
    manager.Profiles().AddProfile(Profile("alpha", "a"));
    manager.Profiles().AddProfile(Profile("Mid", "m"));

    // The controls are made when the dialog is first shown.
    manager.show();
    QVERIFY(QTest::qWaitForWindowActive(&manager));
    QCOMPARE(manager.windowTitle(), QStringLiteral("Profile Manager"));
    QVERIFY(DialogChild<QPushButton>(manager, "closeButton").isDefault());
    // Without regard to case, like the main window's selector.
    QCOMPARE(Entries(manager), QStringList({"alpha", "Mid", "zeta"}));
    QVERIFY(List(manager).selectedItems().isEmpty());
    WAIT_COMPARE(QApplication::focusWidget(), &DialogChild<QPushButton>(manager, "closeButton"),
                 5000);
}

void ProfilesConfiguratorTest::addAppendsANamedProfileAndRefusesAnEmptyOrTakenName()
{
    CProfilesConfigurator manager;
    manager.Profiles().AddProfile(Profile("first", "f", {"Dir"}));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& dialog) { Click(dialog, "addButton"); });
    // Without a name, or with another profile's, the editor says so and stays open.
    driver.Then<CProfileData>(Accept);
    driver.Then<QMessageBox>([](QMessageBox& box) { box.accept(); });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "nameEdit", QStringLiteral("first"));
        Accept(editor);
    });
    driver.Then<QMessageBox>([](QMessageBox& box) { box.accept(); });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "nameEdit", QStringLiteral("only a name"));
        Accept(editor);
    });
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        QCOMPARE(Entries(dialog), QStringList({"first", "only a name"}));
        Close(dialog);
    });
    QCOMPARE(manager.exec(), int(QDialog::Accepted));
    QVERIFY(driver.Finished());

    const std::vector<ProfileRecord>& profiles = manager.Profiles().Profiles();
    QCOMPARE(profiles.size(), size_t(2));
    QCOMPARE(profiles[0].name, std::string("first"));
    ProfileRecord added = profiles[1];
    QCOMPARE(added.name, std::string("only a name"));
    added.name.clear();
    for (std::string ProfileRecord::*field : kProfileTextFields)
        QVERIFY((added.*field).empty());
    QVERIFY(added.sent.empty());
}

void ProfilesConfiguratorTest::addThenCancelChangesNothing()
{
    CProfilesConfigurator manager;
    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& dialog) { Click(dialog, "addButton"); });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "nameEdit", QStringLiteral("never"));
        Cancel(editor);
    });
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        QVERIFY(Entries(dialog).isEmpty());
        Close(dialog);
    });
    manager.exec();
    QVERIFY(driver.Finished());
    QVERIFY(manager.Profiles().Profiles().empty());
}

void ProfilesConfiguratorTest::duplicateNamesActOnTheSelectedEntry_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("upper entry") << 1;
    QTest::newRow("lower entry") << 2;
}

void ProfilesConfiguratorTest::duplicateNamesActOnTheSelectedEntry()
{
    QFETCH(int, row);
    // Twins come only from a file written by an earlier version: Add refuses a taken name.
    CProfilesConfigurator manager;
    manager.Profiles().AddProfile(Profile("other", "o"));
    manager.Profiles().AddProfile(Profile("twin", "first-twin", {"First's directory"}));
    manager.Profiles().AddProfile(Profile("twin", "second-twin", {"Second's directory"}));
    const std::map<std::string, CSentSet> sentOf{{"first-twin", {"First's directory"}},
                                                 {"second-twin", {"Second's directory"}}};

    // Which twin each entry stands for, as Edit shows it.
    std::map<int, std::string> urlAt;
    ModalDialogDriver driver;
    for (const int twinRow : {1, 2}) {
        driver.Then<CProfilesConfigurator>([twinRow](auto& dialog) {
            QCOMPARE(Entries(dialog), QStringList({"other", "twin", "twin"}));
            List(dialog).setCurrentRow(twinRow);
            Click(dialog, "editButton");
        });
        driver.Then<CProfileData>([&urlAt, twinRow](CProfileData& editor) {
            urlAt[twinRow] = editor.Values().url;
            Cancel(editor);
        });
    }
    driver.Then<CProfilesConfigurator>([row](auto& dialog) {
        List(dialog).setCurrentRow(row);
        Click(dialog, "editButton");
    });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "titleEdit", QStringLiteral("edited"));
        Accept(editor);
    });
    std::vector<ProfileRecord> afterEdit;
    driver.Then<CProfilesConfigurator>([&afterEdit, row](auto& dialog) {
        afterEdit = dialog.Profiles().Profiles();
        List(dialog).setCurrentRow(row);
        Click(dialog, "removeButton");
        Close(dialog);
    });
    manager.exec();
    QVERIFY(driver.Finished());

    const std::string chosen = urlAt[row];
    const std::string kept = urlAt[3 - row];
    QCOMPARE(std::set<std::string>({chosen, kept}),
             std::set<std::string>({"first-twin", "second-twin"}));
    QCOMPARE(afterEdit.size(), size_t(3));
    for (const ProfileRecord& profile : afterEdit)
        QCOMPARE(profile.title, std::string(profile.url == chosen ? "edited" : ""));
    // Remove took the chosen twin, and its marks alone.
    const std::vector<ProfileRecord>& profiles = manager.Profiles().Profiles();
    QCOMPARE(profiles.size(), size_t(2));
    QCOMPARE(profiles[1].url, kept);
    QCOMPARE(profiles[1].sent, sentOf.at(kept));
    QCOMPARE(Entries(manager), QStringList({"other", "twin"}));
}

void ProfilesConfiguratorTest::editRenamesInPlaceKeepingSentAndPosition()
{
    CProfilesConfigurator manager;
    manager.Profiles().AddProfile(Profile("alpha", "a"));
    manager.Profiles().AddProfile(Profile("beta", "b", {"Dir One", "Dir Two"}));
    manager.Profiles().AddProfile(Profile("gamma", "g"));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        List(dialog).setCurrentRow(1);
        Click(dialog, "editButton");
    });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "nameEdit", QStringLiteral("zulu"));
        Accept(editor);
    });
    // A second Edit on the new entry opens the same profile.
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        QCOMPARE(Entries(dialog), QStringList({"alpha", "gamma", "zulu"}));
        List(dialog).setCurrentRow(2);
        Click(dialog, "editButton");
    });
    driver.Then<CProfileData>([](CProfileData& editor) {
        QCOMPARE(editor.Values().name, std::string("zulu"));
        QCOMPARE(editor.Values().url, std::string("b"));
        Cancel(editor);
    });
    driver.Then<CProfilesConfigurator>(Close);
    manager.exec();
    QVERIFY(driver.Finished());

    QCOMPARE(StoreNames(manager), std::vector<std::string>({"alpha", "zulu", "gamma"}));
    const ProfileRecord& renamed = manager.Profiles().Profiles()[1];
    QCOMPARE(renamed.url, std::string("b"));
    QCOMPARE(renamed.sent, CSentSet({"Dir One", "Dir Two"}));
}

void ProfilesConfiguratorTest::editThenCancelChangesNothing()
{
    CProfilesConfigurator manager;
    manager.Profiles().AddProfile(Profile("only", "u", {"Dir"}));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        List(dialog).setCurrentRow(0);
        Click(dialog, "editButton");
    });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "nameEdit", QStringLiteral("changed"));
        SetText(editor, "urlEdit", QStringLiteral("changed"));
        Cancel(editor);
    });
    driver.Then<CProfilesConfigurator>(Close);
    manager.exec();
    QVERIFY(driver.Finished());

    const ProfileRecord& profile = manager.Profiles().Profiles().at(0);
    QCOMPARE(profile.name, std::string("only"));
    QCOMPARE(profile.url, std::string("u"));
    QCOMPARE(profile.sent, CSentSet({"Dir"}));
    QCOMPARE(Entries(manager), QStringList({"only"}));
}

void ProfilesConfiguratorTest::removeWithoutSelectionDoesNothing()
{
    CProfilesConfigurator manager;
    manager.Profiles().AddProfile(Profile("keep", "k"));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        // Current but not selected, as keyboard focus on the list leaves it.
        List(dialog).setCurrentRow(0, QItemSelectionModel::NoUpdate);
        Click(dialog, "removeButton");
        Click(dialog, "editButton"); // would block in a nested editor if it opened one
        Close(dialog);
    });
    manager.exec();
    QVERIFY(driver.Finished());
    QCOMPARE(StoreNames(manager), std::vector<std::string>({"keep"}));
    QCOMPARE(Entries(manager), QStringList({"keep"}));
}

void ProfilesConfiguratorTest::removeErasesTheProfileAndLeavesNoSelection()
{
    CProfilesConfigurator manager;
    for (const char* name : {"a", "b", "c", "d"})
        manager.Profiles().AddProfile(Profile(name, name));

    ModalDialogDriver driver;
    bool selectedAfterwards = true;
    driver.Then<CProfilesConfigurator>([&selectedAfterwards](auto& dialog) {
        List(dialog).setCurrentRow(1);
        Click(dialog, "removeButton");
        selectedAfterwards = !List(dialog).selectedItems().isEmpty();
        Close(dialog);
    });
    manager.exec();
    QVERIFY(driver.Finished());
    QVERIFY(!selectedAfterwards);
    QCOMPARE(StoreNames(manager), std::vector<std::string>({"a", "c", "d"}));
    QCOMPARE(Entries(manager), QStringList({"a", "c", "d"}));
}

void ProfilesConfiguratorTest::escapeAndCloseBoxKeepChanges()
{
    CProfilesConfigurator manager;
    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& dialog) { Click(dialog, "addButton"); });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "nameEdit", QStringLiteral("kept"));
        Accept(editor);
    });
    driver.Then<CProfilesConfigurator>(
        [](auto& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        List(dialog).setCurrentRow(0);
        Click(dialog, "removeButton");
        dialog.close();
    });
    QCOMPARE(manager.exec(), int(QDialog::Rejected));
    QCOMPARE(StoreNames(manager), std::vector<std::string>({"kept"}));
    QCOMPARE(manager.exec(), int(QDialog::Rejected));
    QVERIFY(driver.Finished());
    QVERIFY(manager.Profiles().Profiles().empty());
}

void ProfilesConfiguratorTest::reopeningShowsOneEntryPerProfile()
{
    CProfilesConfigurator manager;
    manager.Profiles().AddProfile(Profile("one", "1"));
    manager.Profiles().AddProfile(Profile("two", "2"));

    ModalDialogDriver driver;
    driver.Then<CProfilesConfigurator>([](auto& dialog) {
        List(dialog).setFocus();
        List(dialog).setCurrentRow(0);
        Click(dialog, "removeButton");
        Click(dialog, "addButton");
    });
    driver.Then<CProfileData>([](CProfileData& editor) {
        SetText(editor, "nameEdit", QStringLiteral("three"));
        Accept(editor);
    });
    driver.Then<CProfilesConfigurator>(Close);
    manager.exec();
    // Changed behind the dialog's back, as loading sv.dat does.
    manager.Profiles().AddProfile(Profile("four", "4"));

    QStringList shown;
    bool focusOnClose = false;
    driver.Then<CProfilesConfigurator>([&](auto& dialog) {
        shown = Entries(dialog);
        focusOnClose = WaitUntil(
            [&dialog] {
                return QApplication::focusWidget() ==
                       &DialogChild<QPushButton>(dialog, "closeButton");
            },
            5000);
        Close(dialog);
    });
    manager.exec();
    QVERIFY(driver.Finished());
    QCOMPARE(shown, QStringList({"four", "three", "two"}));
    QVERIFY(focusOnClose);
}

QTEST_MAIN(ProfilesConfiguratorTest)
#include "ProfilesConfiguratorTest.moc"
