#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WidgetTexts.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(MessageIcon)

namespace {

// Written with LF line ends: any save by the window would turn them into CR LF.
const std::string kStateFile = "Blog\n1\nBlog\n\n\n\n\n\n\n\n\n\n0\n";
const std::string kDatabase =
    DirectoryDatabaseXml({PlainDirectory("Alpha", "http://127.0.0.1:9/a"),
                          PlainDirectory("Beta", "http://127.0.0.1:9/b")});
const std::string kWarning = "Kestrine cannot save your profiles: %1. You can go on working, but "
                             "changes to your profiles and the directories marked as sent will be "
                             "lost when Kestrine closes.";

// Every file under `folder` with its bytes.
std::map<std::string, std::string> Files(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files[entry.path().string()] = entry.is_regular_file() ? ReadWholeFile(entry.path()) : "";
    return files;
}

} // namespace

// The main window on a data folder it may not be able to write: it works, says so once, and
// writes nothing anywhere.
class DataFolderWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void problemIsToldOnceAndNothingIsWritten_data()
    {
        QTest::addColumn<std::string>("problem");
        QTest::newRow("usable folder") << std::string();
        QTest::newRow("folder that cannot be written") << std::string(
            "the folder /media/ro/kestrine cannot be written: Read-only file system");
        QTest::newRow("folder that cannot be created")
            << std::string("the folder /home/ann/kestrine cannot be created: Permission denied");
    }

    void problemIsToldOnceAndNothingIsWritten()
    {
        QFETCH(std::string, problem);
        SubmitterTestEnvironment env;
        env.Start();
        env.WriteProgramFile("sv.dat", kStateFile);
        env.WriteProgramFile("dirdata.xml", kDatabase);
        SubmitterEnvironment environment = env.Environment();
        environment.dataFolder.problem = problem;
        const auto before = Files(env.ProgramFolder());

        auto window = OpenShownWindow(environment);
        // The profiles of a folder that can be read but not written still show.
        QCOMPARE(Items(*window->findChild<QComboBox*>(QStringLiteral("profileCombo"))),
                 QStringList{QStringLiteral("Blog")});
        QCOMPARE(
            Entries(*Inspect(*window).DirectoryList()),
            (QStringList{QStringLiteral("Alpha [not sent]"), QStringLiteral("Beta [not sent]")}));

        std::vector<RecordingPresenter::Message> told;
        if (!problem.empty()) {
            const QString text =
                QString::fromStdString(kWarning).arg(QString::fromStdString(problem));
            told.push_back({text.toStdString(), "Kestrine", MessageIcon::Exclamation});
        }
        QCOMPARE(env.windowMessages.messages, told);

        QVERIFY(window->close());
        QCOMPARE(env.windowMessages.messages, told);
        QVERIFY(env.databaseMessages.messages.empty());
        if (problem.empty())
            QCOMPARE(env.ReadProgramFile("sv.dat"),
                     std::optional<std::string>("Blog\r\n1\r\nBlog\r\n"
                                                "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n"));
        else
            QCOMPARE(Files(env.ProgramFolder()), before);
    }

    // Neither XDG_DATA_HOME nor HOME: the window works from the installed database and writes
    // nothing, in the working folder least of all, whatever the user asks of it.
    void noDataFolderWritesNothingAnywhere()
    {
        SubmitterTestEnvironment env;
        env.server.server.Get("/updates/demo.xml",
                              [](const httplib::Request&, httplib::Response& response) {
                                  response.set_content(kDatabase, "text/xml");
                              });
        env.Start();
        env.WriteProgramFile("installed.xml", kDatabase);
        SubmitterEnvironment environment = env.Environment();
        const std::string problem = "neither XDG_DATA_HOME nor HOME names a folder to keep them in";
        environment.dataFolder = {.mode = DataFolderMode::Installed,
                                  .path = {},
                                  .databaseFile = env.ProgramFolder() + "installed.xml",
                                  .problem = problem};
        QTemporaryDir workingFolder;
        QVERIFY(workingFolder.isValid());
        const QString previousFolder = QDir::currentPath();
        const QByteArray previousTemporary = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            QDir::setCurrent(previousFolder);
            qputenv("TMPDIR", previousTemporary);
        });
        QVERIFY(QDir::setCurrent(workingFolder.path()));
        qputenv("TMPDIR", workingFolder.path().toUtf8());
        const auto before = Files(env.ProgramFolder());

        auto window = OpenShownWindow(environment);
        env.windowMessages.messages.clear();
        window->findChild<QAction*>(QStringLiteral("viewHistory"))->trigger();
        auto* history = window->findChild<QDialog*>(QStringLiteral("historyWindow"));
        QVERIFY(history && history->isVisible());
        window->OnUpdateDatabase();
        QVERIFY(window->close());

        QCOMPARE(env.windowMessages.messages,
                 (std::vector<RecordingPresenter::Message>{
                     {"Kestrine cannot update the directory database: " + problem + ".", "Error",
                      MessageIcon::Exclamation}}));
        QCOMPARE(env.RequestCount("/updates/demo.xml"), size_t(0));
        QCOMPARE(Files(workingFolder.path().toStdString()), (std::map<std::string, std::string>{}));
        QCOMPARE(Files(env.ProgramFolder()), before);
    }

    void folderWithoutItsOwnDatabaseReadsTheInstalledOne()
    {
        SubmitterTestEnvironment env;
        env.Start();
        env.WriteProgramFile("installed.xml", kDatabase);
        SubmitterEnvironment environment = env.Environment();
        environment.dataFolder = {.mode = DataFolderMode::Chosen,
                                  .path = env.ProgramFolder() + "gone/",
                                  .databaseFile = env.ProgramFolder() + "installed.xml",
                                  .problem = "the folder cannot be created: Not a directory"};

        auto window = OpenShownWindow(environment);
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()),
                 (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
        QVERIFY(window->close());
        QVERIFY(!QDir(QString::fromStdString(env.ProgramFolder() + "gone")).exists());
        QCOMPARE(env.ReadProgramFile("installed.xml"), std::optional(kDatabase));
    }
};

QTEST_MAIN(DataFolderWindowTest)

#include "DataFolderWindowTest.moc"
