// kestrine --describe-page: the program itself, run as a script would run it.
#include "support/LocalHttpServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
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

constexpr char kCategoryPage[] = R"(<!DOCTYPE html><html><body><form>
<label for="t">Titel</label><input name="t" id="t">
<label for="c">Kategorie</label><select name="c" id="c"><option value="">-- bitte w&auml;hlen --
</option><option>Computer &amp; Internet</option><option>Sport</option><option>Reisen</option>
</select><label for="l">Sprache</label><select name="l" id="l"><option>Deutsch</option>
<option>English</option><option>Sport</option></select></form></body></html>)";

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
        m_server.server.Get("/categories", [](const httplib::Request&,
                                              httplib::Response& response) {
            response.set_content(kCategoryPage, "text/html; charset=utf-8");
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

    void tellsTheOptionACategoryWouldChoose_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("subcategory");
        QTest::addColumn<QString>("option"); // null when none would be chosen

        QTest::newRow("a runner") << "Sports" << "Running" << "Sport";
        QTest::newRow("software") << "Information Technology" << "Software"
                                  << "Computer & Internet";
        QTest::newRow("nothing fits") << "Pets" << "" << "null";
    }

    void tellsTheOptionACategoryWouldChoose()
    {
        QFETCH(QString, category);
        QFETCH(QString, subcategory);
        const Run run = Describe({QStringLiteral("--describe-page"),
                                  QString::fromStdString(m_server.Url("/categories")),
                                  QStringLiteral("--json"), QStringLiteral("--category"), category,
                                  QStringLiteral("--subcategory"), subcategory});
        QCOMPARE(run.exitCode, 0);
        QMap<QString, QJsonValue> chosen;
        for (const QJsonValue value :
             QJsonDocument::fromJson(run.output).object().value(QStringLiteral("fields")).toArray())
            chosen.insert(value[QStringLiteral("name")].toString(),
                          value[QStringLiteral("category")]);
        // Only the category list answers; the language list and the text field do not.
        QVERIFY(chosen.value(QStringLiteral("t")).isNull());
        QVERIFY(chosen.value(QStringLiteral("l")).isNull());
        const QJsonValue list = chosen.value(QStringLiteral("c"));
        QVERIFY(list.isObject());
        const QJsonValue option = list[QStringLiteral("option")];
        QTEST(option.isNull() ? QStringLiteral("null") : option.toString(), "option");
        QCOMPARE(list[QStringLiteral("confidence")].toDouble() > 0, !option.isNull());
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
