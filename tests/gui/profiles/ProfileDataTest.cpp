#include "ui/profiles/ProfileData.h"

#include "DialogChild.h"
#include "ModalDialogDriver.h"
#include "profiles/ProfileTextFields.h"
#include "support/WaitUntil.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <tuple>

Q_DECLARE_METATYPE(ProfileRecord)

namespace {

ProfileRecord Profile(const std::string& name, const std::string& cat, const std::string& subcat)
{
    ProfileRecord profile;
    profile.name = name;
    profile.url = "http://feeds.example.test/" + name + ".xml";
    profile.title = name + " news";
    profile.desc = "All about " + name;
    profile.cat = cat;
    profile.subcat = subcat;
    profile.keywords = "one, two";
    profile.email = name + "@example.test";
    profile.fname = "Ada";
    profile.lname = "Lovelace";
    return profile;
}

// Every one of the ten text fields set to `text`.
ProfileRecord Uniform(const std::string& text)
{
    ProfileRecord profile;
    for (std::string ProfileRecord::*field : kProfileTextFields)
        profile.*field = text;
    return profile;
}

void CompareTextFields(const ProfileRecord& actual, const ProfileRecord& expected)
{
    for (size_t i = 0; i < kProfileTextFields.size(); ++i) {
        const std::string ProfileRecord::*field = kProfileTextFields[i];
        QVERIFY2(actual.*field == expected.*field,
                 qPrintable(QStringLiteral("text field %1").arg(i)));
    }
}

QPushButton& OkButton(CProfileData& editor)
{
    return DialogChild<QPushButton>(editor, "okButton");
}

} // namespace

class ProfileDataTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheTemplate();
    void offersTheCategoriesSorted();
    void focusStartsOnOk();
    void returnsWhatItWasGiven_data();
    void returnsWhatItWasGiven();
    void freshEditorReturnsTenEmptyValues();
    void returnsWhatTheUserTyped();
    void enterAcceptsAndEscapeOrCloseCancel();
    void aNewProfileIsNamedFirst();
    void okRefusesAnEmptyOrTakenName_data();
    void okRefusesAnEmptyOrTakenName();
    void aProfileKeepsItsOwnNameAndAnUnnamedOneCanBeNamed();
};

void ProfileDataTest::showsTheTemplate()
{
    CProfileData editor;
    QCOMPARE(editor.windowTitle(), QStringLiteral("Profile Data"));
    QVERIFY(OkButton(editor).isDefault());
    QCOMPARE(OkButton(editor).text(), QStringLiteral("OK"));
    QCOMPARE(DialogChild<QPushButton>(editor, "cancelButton").text(), QStringLiteral("Cancel"));

    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const struct
    {
        const char* label;
        const char* text;
        bool visible;
    } labels[] = {
        {"nameLabel", "Profile name:", true},
        {"urlLabel", "RSS Feed URL:", true},
        {"titleLabel", "RSS Link title:", true},
        {"descLabel", "Description:", true},
        {"categoryLabel", "&Category:", true},
        {"subcategoryLabel", "S&ubcategory:", true},
        {"tagsLabel", "Tags:", true},
        {"emailLabel", "Email:", true},
        {"firstNameLabel", "First name:", true},
        {"lastNameLabel", "Last name:", true},
    };
    for (const auto& expected : labels) {
        const QLabel& label = DialogChild<QLabel>(editor, expected.label);
        QCOMPARE(label.text(), QString::fromUtf8(expected.text));
        QCOMPARE(label.isVisible(), expected.visible);
    }
    // Category and Subcategory on rows of their own, each box named and reached by its label's
    // key.
    const QGridLayout& grid = DialogChild<QGridLayout>(editor, "fieldsLayout");
    QSet<int> rows;
    for (int i = 0; i < grid.count(); ++i) {
        int row, column, span;
        grid.getItemPosition(i, &row, &column, &span, &span);
        rows.insert(row);
    }
    QCOMPARE(rows.size(), 10);
    for (const auto& [label, box, name] : {std::tuple{"categoryLabel", "categoryBox", "Category"},
                                           {"subcategoryLabel", "subcategoryBox", "Subcategory"}}) {
        const QComboBox& combo = DialogChild<QComboBox>(editor, box);
        QVERIFY(combo.isVisible());
        QVERIFY(combo.isEditable());
        QCOMPARE(DialogChild<QLabel>(editor, label).buddy(), &combo);
        QCOMPARE(combo.accessibleName(), QString::fromLatin1(name));
    }
}

void ProfileDataTest::offersTheCategoriesSorted()
{
    CProfileData editor;
    const QComboBox& categories = DialogChild<QComboBox>(editor, "categoryBox");
    QStringList names;
    for (int i = 0; i < categories.count(); ++i)
        names.append(categories.itemText(i));
    QCOMPARE(names.size(), 46);
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(names, sorted);
    QCOMPARE(names.front(), QStringLiteral("Accounting"));
    QCOMPARE(names.back(), QStringLiteral("Wholesale Trade"));
    QVERIFY(names.contains(QStringLiteral("Healthcare")));
    QVERIFY(names.contains(QStringLiteral("Society")));
    QCOMPARE(DialogChild<QComboBox>(editor, "subcategoryBox").count(), 0);
}

void ProfileDataTest::focusStartsOnOk()
{
    CProfileData editor;
    editor.SetValues(Profile("feed", "Arts", ""));
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    WAIT_COMPARE(QApplication::focusWidget(), &OkButton(editor), 5000);
}

void ProfileDataTest::returnsWhatItWasGiven_data()
{
    QTest::addColumn<ProfileRecord>("profile");

    QTest::newRow("listed category, unknown subcategory")
        << Profile("health", "Healthcare", "Nowhere In The List");
    // A prefix of a listed name must not be completed to it.
    QTest::newRow("lower-case prefix of a category") << Profile("h", "health", "arts");
    QTest::newRow("category not listed") << Profile("x", "Underwater Basketry", "Deep End");
    QTest::newRow("empty category") << Profile("nocat", "", "");
    QTest::newRow("leading and trailing spaces") << Uniform("  padded value   ");
    QTest::newRow("several hundred characters") << Uniform(std::string(700, 'w') + "!");
    QTest::newRow("longer than a line edit's default limit") << Uniform(std::string(40000, 'd'));
    QTest::newRow("non-ASCII UTF-8") << Uniform("Zoë Łukasz — 東京 ✓");
    QTest::newRow("bytes that are not UTF-8") << Uniform("caf\xe9 \xff\xfe");
}

void ProfileDataTest::returnsWhatItWasGiven()
{
    QFETCH(ProfileRecord, profile);
    CProfileData editor;
    editor.SetValues(profile);

    ModalDialogDriver driver;
    driver.Then<CProfileData>([](CProfileData& dialog) { OkButton(dialog).click(); });
    QCOMPARE(editor.exec(), int(QDialog::Accepted));
    QVERIFY(driver.Finished());
    CompareTextFields(editor.Values(), profile);
    QVERIFY(editor.Values().sent.empty());
}

void ProfileDataTest::freshEditorReturnsTenEmptyValues()
{
    CProfileData editor;
    CompareTextFields(editor.Values(), ProfileRecord{});
    // OK wants a name; the other nine fields come back empty.
    ModalDialogDriver driver;
    driver.Then<CProfileData>([](CProfileData& dialog) {
        DialogChild<QLineEdit>(dialog, "nameEdit").setText(QStringLiteral("Named"));
        OkButton(dialog).click();
    });
    QCOMPARE(editor.exec(), int(QDialog::Accepted));
    QVERIFY(driver.Finished());
    ProfileRecord expected;
    expected.name = "Named";
    CompareTextFields(editor.Values(), expected);
}

void ProfileDataTest::returnsWhatTheUserTyped()
{
    CProfileData editor;
    editor.SetValues(Profile("old", "Arts", "Music"));

    ModalDialogDriver driver;
    driver.Then<CProfileData>([](CProfileData& dialog) {
        QLineEdit& name = DialogChild<QLineEdit>(dialog, "nameEdit");
        name.selectAll();
        QTest::keyClicks(&name, QStringLiteral(" new name "));
        QTest::keyClicks(&DialogChild<QLineEdit>(dialog, "lastNameEdit"), QStringLiteral("-King"));
        OkButton(dialog).click();
    });
    QCOMPARE(editor.exec(), int(QDialog::Accepted));
    QVERIFY(driver.Finished());

    ProfileRecord expected = Profile("old", "Arts", "Music");
    expected.name = " new name ";
    expected.lname = "Lovelace-King";
    CompareTextFields(editor.Values(), expected);
}

void ProfileDataTest::enterAcceptsAndEscapeOrCloseCancel()
{
    CProfileData editor;
    ModalDialogDriver driver;
    driver.Then<CProfileData>([](CProfileData& dialog) {
        DialogChild<QLineEdit>(dialog, "nameEdit").setText(QStringLiteral("Named"));
        QTest::keyClick(&DialogChild<QLineEdit>(dialog, "urlEdit"), Qt::Key_Return);
    });
    driver.Then<CProfileData>([](CProfileData& dialog) {
        QTest::keyClicks(&DialogChild<QLineEdit>(dialog, "nameEdit"), QStringLiteral("typed"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    driver.Then<CProfileData>([](CProfileData& dialog) { dialog.close(); });
    QCOMPARE(editor.exec(), int(QDialog::Accepted));
    QCOMPARE(editor.exec(), int(QDialog::Rejected));
    QCOMPARE(editor.exec(), int(QDialog::Rejected));
    QVERIFY(driver.Finished());
}

void ProfileDataTest::aNewProfileIsNamedFirst()
{
    CProfileData editor;
    ModalDialogDriver driver;
    QString focusedAtStart;
    bool openAfterTyping = false;
    driver.Then<CProfileData>([&](CProfileData& dialog) {
        QWidget* focused = dialog.focusWidget();
        focusedAtStart = focused ? focused->objectName() : QString();
        // Typed at once, as a user would: a space must not press OK.
        QTest::keyClicks(focused, QStringLiteral("My blog"));
        openAfterTyping = dialog.isVisible();
        QTest::keyClick(focused, Qt::Key_Return);
    });
    QCOMPARE(editor.exec(), int(QDialog::Accepted));
    QVERIFY(driver.Finished());
    QCOMPARE(focusedAtStart, QStringLiteral("nameEdit"));
    QVERIFY(openAfterTyping);
    QCOMPARE(editor.Values().name, std::string("My blog"));
}

void ProfileDataTest::okRefusesAnEmptyOrTakenName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QString empty = QStringLiteral("Please enter a profile name.");
    QTest::newRow("empty") << QString() << empty;
    QTest::newRow("blanks only") << QStringLiteral("  \t ") << empty;
    QTest::newRow("another profile's")
        << QStringLiteral("Blog")
        << QStringLiteral("There is already a profile named \"Blog\". Please choose another name.");
    QTest::newRow("another profile's, padded")
        << QStringLiteral(" News ")
        << QStringLiteral("There is already a profile named \"News\". Please choose another name.");
}

void ProfileDataTest::okRefusesAnEmptyOrTakenName()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    CProfileData editor;
    editor.SetNamesInUse({"Blog", "News"});

    ModalDialogDriver driver;
    QString shown;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool stillOpen = false;
    QString selectedAfter;
    driver.Then<CProfileData>([&name](CProfileData& dialog) {
        DialogChild<QLineEdit>(dialog, "nameEdit").setText(name);
        OkButton(dialog).click();
    });
    driver.Then<QMessageBox>([&](QMessageBox& box) {
        shown = box.text();
        caption = box.windowTitle();
        icon = box.icon();
        box.accept();
    });
    driver.Then<CProfileData>([&](CProfileData& dialog) {
        stillOpen = dialog.isVisible();
        QLineEdit& nameEdit = DialogChild<QLineEdit>(dialog, "nameEdit");
        selectedAfter = dialog.focusWidget() == &nameEdit ? nameEdit.selectedText()
                                                          : QStringLiteral("<no focus>");
        nameEdit.setText(QStringLiteral("Podcast"));
        OkButton(dialog).click();
    });
    QCOMPARE(editor.exec(), int(QDialog::Accepted));
    QVERIFY(driver.Finished());
    QCOMPARE(shown, message);
    QCOMPARE(caption, QStringLiteral("Error"));
    QCOMPARE(icon, QMessageBox::Warning);
    QVERIFY(stillOpen);
    QCOMPARE(selectedAfter, name);
    QCOMPARE(editor.Values().name, std::string("Podcast"));
}

void ProfileDataTest::aProfileKeepsItsOwnNameAndAnUnnamedOneCanBeNamed()
{
    // Two profiles of one name and one without a name, as an earlier version could write them.
    const std::vector<std::string> inUse{"Blog", "Blog", ""};
    CProfileData named;
    named.SetValues(Profile("Blog", "Arts", ""));
    named.SetNamesInUse(inUse);
    ModalDialogDriver driver;
    driver.Then<CProfileData>([](CProfileData& dialog) { OkButton(dialog).click(); });
    QCOMPARE(named.exec(), int(QDialog::Accepted));

    CProfileData unnamed;
    unnamed.SetValues(Profile("", "Arts", ""));
    unnamed.SetNamesInUse(inUse);
    QString focusedAtStart;
    driver.Then<CProfileData>([&focusedAtStart](CProfileData& dialog) {
        QWidget* focused = dialog.focusWidget();
        focusedAtStart = focused ? focused->objectName() : QString();
        QTest::keyClicks(focused, QStringLiteral("Named at last"));
        OkButton(dialog).click();
    });
    QCOMPARE(unnamed.exec(), int(QDialog::Accepted));
    QVERIFY(driver.Finished());
    QCOMPARE(focusedAtStart, QStringLiteral("nameEdit"));
    QCOMPARE(unnamed.Values().name, std::string("Named at last"));
    QCOMPARE(unnamed.Values().url, Profile("", "Arts", "").url);
}

QTEST_MAIN(ProfileDataTest)
#include "ProfileDataTest.moc"
