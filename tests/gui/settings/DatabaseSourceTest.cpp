// The program's settings in kestrine.conf in the data folder. Where updates come from: the
// address is checked and the dialog keeps an unusable one from being saved. How far the tabs
// work ahead: a hand-edited value beyond what the dialog offers counts as none.
#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"
#include "ui/settings/DatabaseSourceDlg.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/settings/WorkAheadDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

namespace {

const QString kDefault = QStringLiteral("http://vendor.example/updates/demo.xml");

} // namespace

class DatabaseSourceTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<TemporaryFolder>(); }
    void addressesAreCheckedBeforeTheyAreKept_data();
    void addressesAreCheckedBeforeTheyAreKept();
    void theChoiceIsKeptInTheDataFolder();
    void aHandEditedAddressThatCannotBeUsedCountsAsNone();
    void withoutADataFolderTheDefaultStays();
    void dialogSavesOnlyAUsableAddress();
    void workAheadReadsOnlyWhatTheDialogCouldHaveWritten_data();
    void workAheadReadsOnlyWhatTheDialogCouldHaveWritten();
    void workAheadDialogKeepsItsChoiceBesideTheSource();
    void aSaveChangesOnlyTheKeysItSets_data();
    void aSaveChangesOnlyTheKeysItSets();

private:
    std::string Folder() const { return m_folder->Path() + '/'; }
    std::string ConfigText() const
    {
        const std::string path = m_folder->File("kestrine.conf");
        return std::filesystem::exists(path) ? ReadWholeFile(path) : std::string();
    }

    std::unique_ptr<TemporaryFolder> m_folder;
};

void DatabaseSourceTest::addressesAreCheckedBeforeTheyAreKept_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("kept"); // empty when refused

    QTest::newRow("http") << "http://mirror.example/dirdata.xml"
                          << "http://mirror.example/dirdata.xml";
    QTest::newRow("https with a port") << "https://mirror.example:8443/a/b.xml?x=1"
                                       << "https://mirror.example:8443/a/b.xml?x=1";
    QTest::newRow("spaces and capitals") << "  HTTPS://Mirror.Example/D.xml "
                                         << "https://mirror.example/D.xml";
    QTest::newRow("no scheme") << "mirror.example/dirdata.xml"
                               << "";
    QTest::newRow("ftp") << "ftp://mirror.example/dirdata.xml"
                         << "";
    QTest::newRow("a file") << "file:///etc/passwd"
                            << "";
    QTest::newRow("script") << "javascript:alert(1)"
                            << "";
    QTest::newRow("no host") << "http:///dirdata.xml"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
}

void DatabaseSourceTest::addressesAreCheckedBeforeTheyAreKept()
{
    QFETCH(QString, address);
    QFETCH(QString, kept);

    CProgramSettings settings(Folder(), kDefault);
    const QString problem = settings.SetDatabaseSource(address);
    QCOMPARE(problem.isEmpty(), !kept.isEmpty());
    QCOMPARE(CProgramSettings(Folder(), kDefault).DatabaseSource(),
             kept.isEmpty() ? kDefault : kept);
    if (kept.isEmpty())
        QCOMPARE(ConfigText(), std::string());
}

void DatabaseSourceTest::theChoiceIsKeptInTheDataFolder()
{
    CProgramSettings settings(Folder(), kDefault);
    QCOMPARE(settings.DatabaseSource(), kDefault);
    QCOMPARE(settings.SetDatabaseSource(QStringLiteral("https://mirror.example/d.xml")), QString());
    QCOMPARE(ConfigText(), std::string("[update]\nsource=https://mirror.example/d.xml\n"));

    // Going back to the default is no choice at all: a later build's vendor counts again.
    QCOMPARE(settings.SetDatabaseSource(kDefault), QString());
    QCOMPARE(
        CProgramSettings(Folder(), QStringLiteral("http://new.example/u.xml")).DatabaseSource(),
        QStringLiteral("http://new.example/u.xml"));
}

void DatabaseSourceTest::aHandEditedAddressThatCannotBeUsedCountsAsNone()
{
    WriteWholeFile(m_folder->File("kestrine.conf"), "[update]\nsource=file:///etc/passwd\n");
    QCOMPARE(CProgramSettings(Folder(), kDefault).DatabaseSource(), kDefault);
}

void DatabaseSourceTest::withoutADataFolderTheDefaultStays()
{
    CProgramSettings settings(std::string(), kDefault);
    QVERIFY(!settings.SetDatabaseSource(QStringLiteral("https://mirror.example/d.xml")).isEmpty());
    QCOMPARE(settings.DatabaseSource(), kDefault);
}

void DatabaseSourceTest::dialogSavesOnlyAUsableAddress()
{
    CProgramSettings settings(Folder(), kDefault);
    QVERIFY(settings.SetDatabaseSource(QStringLiteral("https://old.example/d.xml")).isEmpty());
    CDatabaseSourceDlg dialog(settings);
    auto* address = dialog.findChild<QLineEdit*>(QStringLiteral("sourceAddress"));
    auto* problem = dialog.findChild<QLabel*>(QStringLiteral("sourceProblem"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(address && problem && buttons);
    QCOMPARE(address->text(), QStringLiteral("https://old.example/d.xml"));
    dialog.show();

    address->setText(QStringLiteral("ftp://mirror.example/d.xml"));
    buttons->button(QDialogButtonBox::Ok)->click();
    QVERIFY(dialog.isVisible());
    QVERIFY(problem->isVisible());
    QVERIFY(problem->text().contains(QStringLiteral("http:// or https://")));
    QCOMPARE(settings.DatabaseSource(), QStringLiteral("https://old.example/d.xml"));

    buttons->button(QDialogButtonBox::RestoreDefaults)->click();
    QCOMPARE(address->text(), kDefault);
    buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings.DatabaseSource(), kDefault);
}

void DatabaseSourceTest::workAheadReadsOnlyWhatTheDialogCouldHaveWritten_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::addColumn<int>("readyTabs");
    QTest::addColumn<bool>("keepFinishedTabs");

    QTest::newRow("no file") << QByteArray() << 2 << false;
    QTest::newRow("off") << QByteArray("[tabs]\nready=0\n") << 0 << false;
    QTest::newRow("most") << QByteArray("[tabs]\nready=8\nkeepFinished=true\n") << 8 << true;
    QTest::newRow("beyond the most") << QByteArray("[tabs]\nready=9\n") << 2 << false;
    QTest::newRow("below none") << QByteArray("[tabs]\nready=-1\n") << 2 << false;
    QTest::newRow("not a number") << QByteArray("[tabs]\nready=lots\n") << 2 << false;
}

void DatabaseSourceTest::workAheadReadsOnlyWhatTheDialogCouldHaveWritten()
{
    QFETCH(QByteArray, file);
    QFETCH(int, readyTabs);
    QFETCH(bool, keepFinishedTabs);
    if (!file.isEmpty())
        WriteWholeFile(m_folder->File("kestrine.conf"), file.toStdString());
    const CProgramSettings::WorkAhead workAhead =
        CProgramSettings(Folder(), kDefault).TabsWorkAhead();
    QCOMPARE(workAhead.readyTabs, readyTabs);
    QCOMPARE(workAhead.keepFinishedTabs, keepFinishedTabs);
}

void DatabaseSourceTest::workAheadDialogKeepsItsChoiceBesideTheSource()
{
    CProgramSettings settings(Folder(), kDefault);
    QVERIFY(settings.SetDatabaseSource(QStringLiteral("https://mirror.example/d.xml")).isEmpty());
    CWorkAheadDlg dialog(settings);
    QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("readyTabs"))->value(), 2);
    dialog.findChild<QSpinBox*>(QStringLiteral("readyTabs"))->setValue(0);
    dialog.findChild<QCheckBox*>(QStringLiteral("keepFinishedTabs"))->setChecked(true);
    dialog.accept();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CProgramSettings reread(Folder(), kDefault);
    QCOMPARE(reread.TabsWorkAhead().readyTabs, 0);
    QVERIFY(reread.TabsWorkAhead().keepFinishedTabs);
    QCOMPARE(reread.DatabaseSource(), QStringLiteral("https://mirror.example/d.xml"));
}

void DatabaseSourceTest::aSaveChangesOnlyTheKeysItSets_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file at all
    QTest::addColumn<QString>("source");    // what is read before the save
    QTest::addColumn<QString>("refused");   // the keys said to be unusable; empty for none
    QTest::addColumn<QByteArray>("after");  // once ready=3 and keepFinished=true are saved

    const QString mirror = QStringLiteral("https://mirror.example/d.xml");
    QTest::newRow("missing file created") << QByteArray() << kDefault << QString()
                                          << QByteArray("[tabs]\nready=3\nkeepFinished=true\n");
    QTest::newRow("comments kept")
        << QByteArray("; mine\n[tabs]\n# how many\nready=1\nkeepFinished=false\n") << kDefault
        << QString() << QByteArray("; mine\n[tabs]\n# how many\nready=3\nkeepFinished=true\n");
    QTest::newRow("unknown keys kept, new key added to its section")
        << QByteArray("[tabs]\nready=1\nzoom=2\n\n[update]\nsource=https://mirror.example/d.xml\n")
        << mirror << QString()
        << QByteArray("[tabs]\nready=3\nzoom=2\nkeepFinished=true\n\n[update]\n"
                      "source=https://mirror.example/d.xml\n");
    QTest::newRow("owned key updated in place")
        << QByteArray("[tabs]\nready = 1 ; two at most\nkeepFinished=false\n") << kDefault
        << QString() << QByteArray("[tabs]\nready = 3 ; two at most\nkeepFinished=true\n");
    QTest::newRow("line ends kept") << QByteArray("[tabs]\r\nready=1\r\n") << kDefault << QString()
                                    << QByteArray("[tabs]\r\nready=3\r\nkeepFinished=true\r\n");
    QTest::newRow("address quoted as written before")
        << QByteArray("[update]\nsource=\"https://mirror.example/d.xml?a=1;b=2\"\n")
        << QStringLiteral("https://mirror.example/d.xml?a=1;b=2") << QString()
        << QByteArray("[update]\nsource=\"https://mirror.example/d.xml?a=1;b=2\"\n\n"
                      "[tabs]\nready=3\nkeepFinished=true\n");
    QTest::newRow("Latin-1 byte refused with the key, kept as it was")
        << QByteArray("[update]\nsource=https://caf\xE9.example/d.xml\n# r\xE9sum\xE9\n")
        << kDefault << QStringLiteral("source in [update]")
        << QByteArray("[update]\nsource=https://caf\xE9.example/d.xml\n# r\xE9sum\xE9\n\n"
                      "[tabs]\nready=3\nkeepFinished=true\n");
    QTest::newRow("invalid UTF-8 refused, replaced when set")
        << QByteArray("[tabs]\nready=\xC0\xB3\nkeepFinished=\xE2\x82\n") << kDefault
        << QStringLiteral("ready in [tabs], keepFinished in [tabs]")
        << QByteArray("[tabs]\nready=3\nkeepFinished=true\n");
}

void DatabaseSourceTest::aSaveChangesOnlyTheKeysItSets()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, source);
    QFETCH(QString, refused);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        WriteWholeFile(m_folder->File("kestrine.conf"), before.toStdString());

    CProgramSettings settings(Folder(), kDefault);
    QCOMPARE(settings.DatabaseSource(), source);
    const QString refusals = settings.Refusals();
    QCOMPARE(refusals.isEmpty(), refused.isEmpty());
    QVERIFY2(refusals.contains(refused), qPrintable(refusals));
    QCOMPARE(settings.SetTabsWorkAhead({3, true}), QString());
    QCOMPARE(QByteArray::fromStdString(ConfigText()), after);
    QCOMPARE(settings.TabsWorkAhead().readyTabs, 3);
    QCOMPARE(settings.Refusals().isEmpty(), !refused.contains(QStringLiteral("[update]")));
}

QTEST_MAIN(DatabaseSourceTest)

#include "DatabaseSourceTest.moc"
