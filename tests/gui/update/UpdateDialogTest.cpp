#include "ui/update/UpdateDialog.h"

#include "support/FileBytes.h"
#include "support/LocalHttpServer.h"
#include "support/WaitUntil.h"
#include "update/UpdateResult.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <future>

namespace {

using namespace std::chrono_literals;

constexpr const char* kUpdatePath = "/updates/demo.xml";
const std::string kOldDatabase = "<r><directory name=\"Old\"/></r>";
const std::string kNewDatabase = "<r><directory name=\"New\"/></r>";

QStringList LabelTexts(const QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

} // namespace

class UpdateDialogTest : public QObject
{
    Q_OBJECT

private:
    // A dialog aimed at `server`'s update and at a dirdata.xml holding kOldDatabase.
    std::unique_ptr<CUpdateDialog> MakeDialog(const LocalHttpServer& server)
    {
        WriteWholeFile(Destination().toStdString(), kOldDatabase);
        auto dialog = std::make_unique<CUpdateDialog>();
        dialog->m_url = server.Url(kUpdatePath);
        dialog->m_destination = Destination().toStdString();
        return dialog;
    }

    QString Destination() const { return m_folder.filePath(QStringLiteral("dirdata.xml")); }

    QTemporaryDir m_folder;

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void showsItsMessageAndCancelWithoutCloseBox()
    {
        CUpdateDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Update RSS directory database"));
        QVERIFY(LabelTexts(dialog).contains(
            QStringLiteral("Please wait while the RSS directory database is updated")));
        const auto buttons = dialog.findChildren<QAbstractButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("Cancel"));
        QVERIFY(dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(dialog.m_url.empty());
        QVERIFY(dialog.m_destination.empty());
    }

    void endsWithInternalErrorWhenUrlOrDestinationIsMissing_data()
    {
        QTest::addColumn<bool>("withUrl");
        QTest::addColumn<bool>("withDestination");
        QTest::newRow("no url") << false << true;
        QTest::newRow("no destination") << true << false;
        QTest::newRow("neither") << false << false;
    }

    void endsWithInternalErrorWhenUrlOrDestinationIsMissing()
    {
        QFETCH(bool, withUrl);
        QFETCH(bool, withDestination);
        LocalHttpServer server;
        server.Start();
        auto dialog = MakeDialog(server);
        if (!withUrl)
            dialog->m_url.clear();
        if (!withDestination)
            dialog->m_destination.clear();

        QCOMPARE(dialog->exec(), int(kUpdateInternalError));
        QVERIFY(server.Requests().empty());
        QCOMPARE(ReadWholeFile(Destination().toStdString()), kOldDatabase);
    }

    void endsWithTheDownloadsResult_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("database");
        QTest::newRow("installed")
            << 200 << int(kUpdateSucceeded) << QByteArray::fromStdString(kNewDatabase);
        QTest::newRow("not found")
            << 404 << int(kUpdateFailed) << QByteArray::fromStdString(kOldDatabase);
    }

    void endsWithTheDownloadsResult()
    {
        QFETCH(int, status);
        QFETCH(int, result);
        QFETCH(QByteArray, database);
        LocalHttpServer server;
        server.server.Get(kUpdatePath, [=](const httplib::Request&, httplib::Response& response) {
            response.status = status;
            response.set_content(kNewDatabase, "text/xml");
        });
        server.Start();
        auto dialog = MakeDialog(server);

        QCOMPARE(dialog->exec(), result);
        // The server records a request after its answer is sent, so the client can be first.
        WAIT_COMPARE(server.Requests().size(), size_t{1}, 5000);
        QCOMPARE(ReadWholeFile(Destination().toStdString()), database.toStdString());
        // The download's temporary file went into the database's folder and is gone.
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("dirdata.xml")});
    }

    void cancelStopsTheWaitAndKeepsTheDatabase_data()
    {
        QTest::addColumn<bool>("withEscape");
        QTest::newRow("cancel button") << false;
        QTest::newRow("escape") << true;
    }

    // The window keeps handling events and shows progress; Cancel ends the wait at once, while
    // the server still holds the rest of the answer.
    void cancelStopsTheWaitAndKeepsTheDatabase()
    {
        QFETCH(bool, withEscape);
        const std::string body = "<r>" + std::string(4997, ' ');
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        LocalHttpServer server;
        server.server.Get(kUpdatePath, [&](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "text/xml", [&, released](size_t offset, httplib::DataSink& sink) {
                    if (offset == 0)
                        return sink.write(body.data(), body.size());
                    released.wait_for(20s);
                    sink.write("</r>", 4);
                    sink.done();
                    return true;
                });
        });
        server.Start();
        auto dialog = MakeDialog(server);
        dialog->open();

        const QString progress = QLocale().toString(5000) + QStringLiteral(" bytes received");
        WAIT_VERIFY(LabelTexts(*dialog).contains(progress), 10000);
        if (withEscape)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->findChild<QAbstractButton*>()->click();

        WAIT_VERIFY(!dialog->isVisible(), 10000);
        release.set_value();
        QCOMPARE(dialog->result(), int(kUpdateCancelled));
        QCOMPARE(ReadWholeFile(Destination().toStdString()), kOldDatabase);
    }
};

QTEST_MAIN(UpdateDialogTest)
#include "UpdateDialogTest.moc"
