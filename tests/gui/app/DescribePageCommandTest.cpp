// kestrine --describe-page: the program itself, run as a script would run it.
#include "support/LocalHttpServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

constexpr char kFormPage[] = R"(<!DOCTYPE html><html><head><title>Feedkiste – Feed eintragen
</title></head><body><form><table>
<tr><td>Feed-Adresse:</td><td><input name="a"></td></tr>
<tr><td>Titel:</td><td><input name="b"></td></tr>
<tr><td>Vorname:</td><td><input name="e"> <input name="e"></td></tr>
<tr><td>Nachname:</td><td><input name="g"></td></tr>
<tr><td>E-Mail:</td><td><input name="h" autocomplete="email"></td></tr>
<tr><td>Captcha:</td><td><input name="z"></td></tr>
<tr><td><input type="hidden" name="token"></td></tr>
</table></form></body></html>)";

struct Run
{
    int exitCode = -1;
    QByteArray output;
};

Run Describe(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KESTRINE_EXECUTABLE), arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

} // namespace

class DescribePageCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_server.server.Get("/form", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(kFormPage, "text/html; charset=utf-8");
        });
        m_server.server.Get("/plain", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><body><p>No form here</p></body></html>", "text/html");
        });
        m_server.Start();
    }

    void describesTheFieldsAndTheDirectorySaveWouldWrite()
    {
        const QString address = QString::fromStdString(m_server.Url("/form"));
        const Run run =
            Describe({QStringLiteral("--describe-page"), address, QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject page = QJsonDocument::fromJson(run.output).object();
        QCOMPARE(page.value(QStringLiteral("name")).toString(), QStringLiteral("Feedkiste"));
        QCOMPARE(page.value(QStringLiteral("address")).toString(), address);

        const QJsonArray fields = page.value(QStringLiteral("fields")).toArray();
        QStringList described;
        for (const QJsonValue value : fields) {
            const QJsonObject field = value.toObject();
            described.append(QStringLiteral("%1/%2 %3 %4")
                                 .arg(field.value(QStringLiteral("name")).toString())
                                 .arg(field.value(QStringLiteral("index")).toInt())
                                 .arg(field.value(QStringLiteral("nearbyText")).toString(),
                                      field.value(QStringLiteral("proposedValue")).toString()));
        }
        QCOMPARE(described, QStringList({"a/0 Feed-Adresse: #url#", "b/0 Titel: #title#",
                                         "e/0 Vorname: #fname#", "e/1  ", "g/0 Nachname: #lname#",
                                         "h/0 E-Mail: #email#", "z/0 Captcha: "}));

        const QString directory = page.value(QStringLiteral("directory")).toString();
        QVERIFY2(directory.startsWith(QStringLiteral("<directory name=\"Feedkiste\" submiturl=\"") +
                                      address + u'"'),
                 qPrintable(directory));
        QVERIFY(directory.contains(
            QStringLiteral(R"(<item name="e" index="0" value="#fname#" type="edit"/>)")));
        QCOMPARE(directory.count(QStringLiteral("<item ")), 5);
    }

    void aPageWithoutFormAndAnUnreachablePageFail()
    {
        const Run plain =
            Describe({QStringLiteral("--describe-page"),
                      QString::fromStdString(m_server.Url("/plain")), QStringLiteral("--json")});
        QCOMPARE(plain.exitCode, 1);
        QVERIFY(QJsonDocument::fromJson(plain.output)
                    .object()
                    .value(QStringLiteral("fields"))
                    .toArray()
                    .isEmpty());

        // Nothing listens on port 1 of this machine.
        const Run unreachable =
            Describe({QStringLiteral("--describe-page"), QStringLiteral("http://127.0.0.1:1/")});
        QCOMPARE(unreachable.exitCode, 2);
        QVERIFY(unreachable.output.isEmpty());
    }

private:
    LocalHttpServer m_server;
};

QTEST_GUILESS_MAIN(DescribePageCommandTest)
#include "DescribePageCommandTest.moc"
