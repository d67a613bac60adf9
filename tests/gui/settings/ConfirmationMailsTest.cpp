// Settings > Confirmation Mails…: what it keeps in kestrine.conf, what it refuses, and that the
// password goes to the secret store alone.
#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"
#include "ui/settings/ConfirmationMailsDlg.h"
#include "ui/settings/ProgramSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class ConfirmationMailsTest : public QObject
{
    Q_OBJECT

private slots:
    void theDialogKeepsAUsableMailboxAndThePasswordApart_data();
    void theDialogKeepsAUsableMailboxAndThePasswordApart();
    void everyFieldHasAnAccessibleName();
};

void ConfirmationMailsTest::theDialogKeepsAUsableMailboxAndThePasswordApart_data()
{
    QTest::addColumn<QStringList>("fields"); // server, user, folder, password, command
    QTest::addColumn<bool>("storeWorks");
    QTest::addColumn<QString>("problem");     // what the dialog says; empty when it closes
    QTest::addColumn<QString>("mailSection"); // kestrine.conf's [mail] afterwards
    QTest::addColumn<QString>("storedPassword");

    const QString unchanged = QStringLiteral("[mail]\nserver=imaps://old.example\nuser=old\n");
    QTest::newRow("imaps with a password")
        << QStringList{" imaps://mail.example:993 ", "kim", "", "s3cret", ""} << true << QString()
        << "[mail]\nserver=imaps://mail.example:993\nuser=kim\nfolder=INBOX\n"
        << "kim@imaps://mail.example:993=s3cret";
    QTest::newRow("STARTTLS, a folder, a command, no password")
        << QStringList{"imap://mail.example", "kim", "Directories", "", "pass show mail"} << true
        << QString()
        << "[mail]\nserver=imap://mail.example\nuser=kim\nfolder=Directories\n"
           "password-command=pass show mail\n"
        << QString();
    QTest::newRow("turned off") << QStringList{"", "", "", "", ""} << true << QString()
                                << "[mail]\nserver=\nuser=\nfolder=INBOX\n"
                                << QString();
    QTest::newRow("a web address")
        << QStringList{"https://mail.example", "kim", "", "x", ""} << true
        << "The server must be an imaps:// or imap:// address" << unchanged << QString();
    QTest::newRow("a password inside the address")
        << QStringList{"imaps://kim:x@mail.example", "kim", "", "", ""} << true
        << "The server must be an imaps:// or imap:// address" << unchanged << QString();
    QTest::newRow("no user") << QStringList{"imaps://mail.example", "", "", "", ""} << true
                             << "Give the user name" << unchanged << QString();
    QTest::newRow("the secret store refuses")
        << QStringList{"imaps://mail.example", "kim", "", "s3cret", ""} << false
        << "The password could not be kept: locked" << unchanged << QString();
}

void ConfirmationMailsTest::theDialogKeepsAUsableMailboxAndThePasswordApart()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, storeWorks);
    QFETCH(QString, problem);
    QFETCH(QString, mailSection);
    QFETCH(QString, storedPassword);

    const TemporaryFolder folder;
    WriteWholeFile(folder.File("kestrine.conf"),
                   "[ui]\nlanguage=de\n\n[mail]\nserver=imaps://old.example\nuser=old\n");
    CProgramSettings settings(folder.Path() + '/', QStringLiteral("http://vendor.example/"));
    QString stored;
    CConfirmationMailsDlg dialog(
        settings, nullptr,
        [&](const MailConfig& config, const std::string& password, std::string& refusal) {
            if (!storeWorks) {
                refusal = "locked";
                return false;
            }
            stored = QString::fromStdString(config.user + "@" + config.server + "=" + password);
            return true;
        });
    const char* names[] = {"mailServer", "mailUser", "mailFolder", "mailPassword",
                           "mailPasswordCommand"};
    for (int index = 0; index < 5; ++index) {
        auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(names[index]));
        QVERIFY(field);
        field->setText(fields[index]);
    }
    dialog.accept();

    auto* shown = dialog.findChild<QLabel*>(QStringLiteral("mailProblem"));
    QCOMPARE(dialog.result(), problem.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
    QVERIFY2(shown->text().startsWith(problem), qPrintable(shown->text()));
    QCOMPARE(stored, storedPassword);
    const std::string text = ReadWholeFile(folder.File("kestrine.conf"));
    QVERIFY2(text.starts_with("[ui]\nlanguage=de\n\n"), text.c_str());
    QCOMPARE(QString::fromStdString(text.substr(text.find("[mail]"))), mailSection);
}

void ConfirmationMailsTest::everyFieldHasAnAccessibleName()
{
    const TemporaryFolder folder;
    CProgramSettings settings(folder.Path() + '/', QStringLiteral("http://vendor.example/"));
    CConfirmationMailsDlg dialog(settings);
    const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 5);
    for (const QLineEdit* field : fields)
        QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("mailFolder"))->text(),
             QStringLiteral("INBOX"));
}

QTEST_MAIN(ConfirmationMailsTest)
#include "ConfirmationMailsTest.moc"
