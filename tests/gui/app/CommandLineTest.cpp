#include "app/CommandLine.h"

#include "app/DirectoryListCommand.h"
#include "app/ReportCommand.h"
#include "support/FileBytes.h"
#include "support/SharedFolderLink.h"
#include "support/TemporaryFolder.h"

#include <QTest>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <filesystem>
#include <sstream>

using Action = CommandLineRequest::Action;

namespace {

// The program's own path, then `list`.
QStringList args(std::initializer_list<const char*> list)
{
    QStringList arguments{QStringLiteral("/usr/bin/kestrine")};
    for (const char* argument : list)
        arguments << QString::fromUtf8(argument);
    return arguments;
}

// What a mistake on the command line writes to standard error.
QString mistake(const char* what)
{
    return QStringLiteral("kestrine: %1\nTry 'kestrine --help' for more information.\n")
        .arg(QString::fromUtf8(what));
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpListsEveryOptionUnderTheProgramsName();
    void versionNamesKestrineQtAndTheEngine();
    void argumentsKeepTheirBytes();
    void describePageTakesTheAddressAndTheFormat();
    void checkFeedTakesItsTargetAndJson_data();
    void checkFeedTakesItsTargetAndJson();
    void theReportIsWrittenFromTheDataFolderWithoutAWindow();
    void checkDirectoriesTakesItsDatabaseFolderAndJson_data();
    void checkDirectoriesTakesItsDatabaseFolderAndJson();
    void checkMailGoesAloneWithJsonAndDataFolder_data();
    void checkMailGoesAloneWithJsonAndDataFolder();
    void directoryListsTakeTheirFile();
    void importSaysWhatItDidAndRefusesAHostileFile();
    void exportRefusesAStrangersLinkInASharedFolder();
};

void CommandLineTest::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<QString>("reportFile");

    QTest::newRow("nothing") << args({}) << Action::OpenWindow << 0 << QString() << QString()
                             << QString();
    QTest::newRow("data folder") << args({"--data-dir", "/media/stick/kestrine"})
                                 << Action::OpenWindow << 0 << QString()
                                 << QStringLiteral("/media/stick/kestrine") << QString();
    QTest::newRow("data folder with =")
        << args({"--data-dir=rel/data dir"}) << Action::OpenWindow << 0 << QString()
        << QStringLiteral("rel/data dir") << QString();
    QTest::newRow("last data folder counts")
        << args({"--data-dir", "/a", "--data-dir", "/b"}) << Action::OpenWindow << 0 << QString()
        << QStringLiteral("/b") << QString();
    QTest::newRow("unknown long option")
        << args({"--bogus"}) << Action::Exit << 2 << mistake("Unknown option 'bogus'.") << QString()
        << QString();
    QTest::newRow("unknown short option")
        << args({"-x"}) << Action::Exit << 2 << mistake("Unknown option 'x'.") << QString()
        << QString();
    QTest::newRow("unknown option beats help")
        << args({"--help", "--bogus"}) << Action::Exit << 2 << mistake("Unknown option 'bogus'.")
        << QString() << QString();
    // Qt's options are Qt's to read, after this parser: neither refused nor taken as ours.
    QTest::newRow("Qt's platform")
        << args({"-platform", "offscreen", "--data-dir", "/d"}) << Action::OpenWindow << 0
        << QString() << QStringLiteral("/d") << QString();
    QTest::newRow("Qt's options with two dashes and =")
        << args({"--style=Fusion", "--reverse", "-stylesheet", "a.qss", "-qwindowgeometry",
                 "640x480", "--export-report", "r.csv"})
        << Action::ExportReport << 0 << QString() << QString() << QStringLiteral("r.csv");
    // Qt reads its options wherever they stand, as this parser must then.
    QTest::newRow("Qt's option where a value should be")
        << args({"--data-dir", "-reverse"}) << Action::Exit << 2
        << mistake("Missing value after '--data-dir'.") << QString() << QString();
    QTest::newRow("Qt's option without its value takes no other")
        << args({"-platform=offscreen"}) << Action::Exit << 2
        << mistake("Unknown option 'platform'.") << QString() << QString();
    QTest::newRow("import") << args({"--import-directories", "list.xml", "--data-dir", "/d"})
                            << Action::ImportDirectories << 0 << QString() << QStringLiteral("/d")
                            << QString();
    QTest::newRow("import, replacing")
        << args({"--replace", "--import-directories=list.xml"}) << Action::ImportDirectories << 0
        << QString() << QString() << QString();
    QTest::newRow("export") << args({"--export-directories", "mine.xml"})
                            << Action::ExportDirectories << 0 << QString() << QString()
                            << QString();
    QTest::newRow("replace alone")
        << args({"--replace"}) << Action::Exit << 2
        << mistake("--replace goes with --import-directories.") << QString() << QString();
    QTest::newRow("export, replacing")
        << args({"--export-directories", "m.xml", "--replace"}) << Action::Exit << 2
        << mistake("--replace goes with --import-directories.") << QString() << QString();
    QTest::newRow("import and export")
        << args({"--import-directories", "a.xml", "--export-directories", "b.xml"}) << Action::Exit
        << 2 << mistake("--import-directories and --export-directories go one at a time.")
        << QString() << QString();
    QTest::newRow("import and report")
        << args({"--import-directories", "a.xml", "--export-report", "r.csv"}) << Action::Exit << 2
        << mistake("--import-directories goes alone, with --data-dir at most.") << QString()
        << QString();
    QTest::newRow("import of an empty name")
        << args({"--import-directories", ""}) << Action::Exit << 2
        << mistake("--import-directories needs a file name.") << QString() << QString();
    QTest::newRow("data folder without a value")
        << args({"--data-dir"}) << Action::Exit << 2 << mistake("Missing value after '--data-dir'.")
        << QString() << QString();
    QTest::newRow("empty data folder")
        << args({"--data-dir", ""}) << Action::Exit << 2 << mistake("--data-dir needs a folder.")
        << QString() << QString();
    QTest::newRow("describe page")
        << args({"--describe-page", "http://127.0.0.1:9/", "--json"}) << Action::DescribePage << 0
        << QString() << QString() << QString();
    QTest::newRow("describe page without address")
        << args({"--describe-page"}) << Action::Exit << 2
        << mistake("Missing value after '--describe-page'.") << QString() << QString();
    QTest::newRow("describe an empty address")
        << args({"--describe-page", " "}) << Action::Exit << 2
        << mistake("--describe-page needs an address.") << QString() << QString();
    QTest::newRow("a category without a page to describe")
        << args({"--category", "Arts"}) << Action::Exit << 2
        << mistake("--category and --subcategory go with --describe-page.") << QString()
        << QString();
    QTest::newRow("json alone") << args({"--json"}) << Action::Exit << 2
                                << mistake("--json goes with --describe-page, --check-feed or "
                                           "--check-directories.")
                                << QString() << QString();
    QTest::newRow("check without a feed")
        << args({"--check-feed"}) << Action::Exit << 2
        << mistake("Missing value after '--check-feed'.") << QString() << QString();
    QTest::newRow("check of an empty feed")
        << args({"--check-feed", " "}) << Action::Exit << 2
        << mistake("--check-feed needs a feed address or file.") << QString() << QString();
    QTest::newRow("check with a stray argument")
        << args({"--check-feed", "a.xml", "b.xml"}) << Action::Exit << 2
        << mistake("Unexpected argument 'b.xml'.") << QString() << QString();
    QTest::newRow("check") << args({"--check-feed", "http://k.example/feed"}) << Action::CheckFeed
                           << 0 << QString() << QString() << QString();
    QTest::newRow("check and describe")
        << args({"--check-feed", "a.xml", "--describe-page", "http://127.0.0.1:9/"}) << Action::Exit
        << 2 << mistake("--check-feed and --describe-page go one at a time.") << QString()
        << QString();
    QTest::newRow("stray argument")
        << args({"feed.xml"}) << Action::Exit << 2 << mistake("Unexpected argument 'feed.xml'.")
        << QString() << QString();
    QTest::newRow("report") << args({"--export-report", "out/report.csv"}) << Action::ExportReport
                            << 0 << QString() << QString() << QStringLiteral("out/report.csv");
    QTest::newRow("report with =")
        << args({"--export-report=/tmp/r, 1.csv"}) << Action::ExportReport << 0 << QString()
        << QString() << QStringLiteral("/tmp/r, 1.csv");
    QTest::newRow("report of a chosen folder")
        << args({"--data-dir", "/media/stick", "--export-report", "r.csv"}) << Action::ExportReport
        << 0 << QString() << QStringLiteral("/media/stick") << QStringLiteral("r.csv");
    QTest::newRow("report without a file")
        << args({"--export-report"}) << Action::Exit << 2
        << mistake("Missing value after '--export-report'.") << QString() << QString();
    QTest::newRow("report to an empty name")
        << args({"--export-report", ""}) << Action::Exit << 2
        << mistake("--export-report needs a file name.") << QString() << QString();
    QTest::newRow("report and a page to describe")
        << args({"--export-report", "r.csv", "--describe-page", "http://127.0.0.1/"})
        << Action::Exit << 2 << mistake("--export-report goes without --describe-page.")
        << QString() << QString();
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QFETCH(QString, dataFolder);
    QFETCH(QString, reportFile);

    CCommandLine commandLine;
    const CommandLineRequest request = commandLine.Parse(arguments);

    QCOMPARE(request.action, action);
    QCOMPARE(request.exitCode, exitCode);
    QCOMPARE(request.error, error);
    QVERIFY(request.output.isEmpty());
    QCOMPARE(QString::fromStdString(request.dataFolder), dataFolder);
    QCOMPARE(QString::fromStdString(request.reportFile), reportFile);
}

void CommandLineTest::helpListsEveryOptionUnderTheProgramsName()
{
    for (const char* option : {"--help", "-h"}) {
        CCommandLine commandLine;
        const CommandLineRequest request = commandLine.Parse(
            {QStringLiteral("/opt/kestrine/bin/kestrine"), QString::fromUtf8(option)});

        QCOMPARE(request.action, Action::Exit);
        QCOMPARE(request.exitCode, 0);
        QVERIFY(request.error.isEmpty());
        const QString& help = request.output;
        QVERIFY2(help.startsWith(QStringLiteral("Usage: kestrine [options]\n")), qPrintable(help));
        for (const char* listed :
             {"-h, --help", "-v, --version", "--data-dir <folder>", "--describe-page <address>",
              "--check-feed <address|file>", "--json", "--export-report <file>",
              "--check-directories", "--database <file>", "--import-directories <file>",
              "--export-directories <file>", "--replace", "Qt's options",
              "-platform <name[:options]>", "-style <style>", "-reverse", "kestrine.conf",
              "[update]", "source="})
            QVERIFY2(help.contains(QString::fromUtf8(listed)), listed);
        for (const char* listed : {"--check-mail", "[mail]", "server=", "password-command="})
            QVERIFY2(help.contains(QString::fromUtf8(listed)), listed);
        QVERIFY2(!help.contains(QStringLiteral("executable_name")), qPrintable(help));
        QVERIFY2(!help.contains(QStringLiteral("--help-all")), "Qt's own options are not read");
    }
}

void CommandLineTest::versionNamesKestrineQtAndTheEngine()
{
    for (const char* option : {"--version", "-v"}) {
        CCommandLine commandLine;
        const CommandLineRequest request =
            commandLine.Parse({QStringLiteral("kestrine"), QString::fromUtf8(option)});

        QCOMPARE(request.action, Action::Exit);
        QCOMPARE(request.exitCode, 0);
        const QStringList lines = request.output.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Kestrine 1.0"));
        QCOMPARE(lines[1], QStringLiteral("Qt ") + QString::fromUtf8(qVersion()));
        QCOMPARE(lines[2], QStringLiteral("Qt WebEngine %1 (Chromium %2)")
                               .arg(QString::fromUtf8(qWebEngineVersion()),
                                    QString::fromUtf8(qWebEngineChromiumVersion())));
        QVERIFY(lines[3].isEmpty());
    }
}

void CommandLineTest::describePageTakesTheAddressAndTheFormat()
{
    for (const bool json : {false, true}) {
        QStringList arguments{QStringLiteral("kestrine"), QStringLiteral("--describe-page"),
                              QStringLiteral(" http://127.0.0.1:9/add?a=1 ")};
        if (json)
            arguments << QStringLiteral("--json");
        CCommandLine commandLine;
        const CommandLineRequest request = commandLine.Parse(arguments);
        QCOMPARE(request.action, Action::DescribePage);
        QCOMPARE(request.pageAddress, QStringLiteral("http://127.0.0.1:9/add?a=1"));
        QCOMPARE(request.json, json);
    }
}

void CommandLineTest::argumentsKeepTheirBytes()
{
    const char* argv[] = {"kestrine", "--data-dir", "/home/ann/Données kestrine"};
    CCommandLine commandLine;
    const CommandLineRequest request = commandLine.Parse(CCommandLine::Arguments(3, argv));
    QCOMPARE(request.action, Action::OpenWindow);
    QCOMPARE(request.dataFolder, std::string("/home/ann/Données kestrine"));
}

void CommandLineTest::checkFeedTakesItsTargetAndJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("json");

    const QString kestrine = QStringLiteral("kestrine");
    QTest::newRow("address") << QStringList{kestrine, QStringLiteral("--check-feed"),
                                            QStringLiteral("http://k.example/feed")}
                             << QStringLiteral("http://k.example/feed") << false;
    QTest::newRow("json first") << QStringList{kestrine, QStringLiteral("--json"),
                                               QStringLiteral("--check-feed=feed.xml")}
                                << QStringLiteral("feed.xml") << true;
    QTest::newRow("json after") << QStringList{kestrine, QStringLiteral("--check-feed"),
                                               QStringLiteral("k.example"),
                                               QStringLiteral("--json")}
                                << QStringLiteral("k.example") << true;
}

void CommandLineTest::checkFeedTakesItsTargetAndJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, target);
    QFETCH(bool, json);

    CCommandLine commandLine;
    const CommandLineRequest request = commandLine.Parse(arguments);
    QCOMPARE(request.action, Action::CheckFeed);
    QCOMPARE(QString::fromStdString(request.feedTarget), target);
    QCOMPARE(request.json, json);
}

void CommandLineTest::theReportIsWrittenFromTheDataFolderWithoutAWindow()
{
    const TemporaryFolder data;
    QVERIFY(data.IsValid());
    WriteWholeFile(
        data.File("dirdata.xml"),
        R"(<r><directory name="Atlas" submiturl="http://127.0.0.1/atlas" onsubmit="x"/></r>)");
    WriteWholeFile(data.File("sv.dat"),
                   "Blog\r\n1\r\nBlog\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\nAtlas\r\n");
    const std::string report = data.File("report.csv");

    QCOMPARE(ExportReportAndExit(report, data.Path()), 0);
    QCOMPARE(ReadWholeFile(report),
             std::string("Directory,Submission address,Blog status,Blog last event,"
                         "Blog confirmed by e-mail\r\n"
                         "Atlas,http://127.0.0.1/atlas,sent,,\r\n"));
    QCOMPARE(ExportReportAndExit(data.File("no folder/report.csv"), data.Path()), 1);
}

void CommandLineTest::checkDirectoriesTakesItsDatabaseFolderAndJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error"); // empty when the check is to run
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<QString>("databaseFile");
    QTest::addColumn<bool>("json");

    QTest::newRow("data folder's database")
        << args({"--check-directories"}) << QString() << QString() << QString() << false;
    QTest::newRow("everything") << args({"--json", "--check-directories", "--data-dir", "/d",
                                         "--database", "/tmp/dirdata.xml"})
                                << QString() << QStringLiteral("/d")
                                << QStringLiteral("/tmp/dirdata.xml") << true;
    QTest::newRow("database alone")
        << args({"--database", "x.xml"}) << mistake("--database goes with --check-directories.")
        << QString() << QString() << false;
    QTest::newRow("empty database")
        << args({"--check-directories", "--database", ""})
        << mistake("--database needs a file name.") << QString() << QString() << false;
    QTest::newRow("and a page to describe")
        << args({"--check-directories", "--describe-page", "http://127.0.0.1/"})
        << mistake("--check-directories goes without --describe-page and --export-report.")
        << QString() << QString() << false;
    QTest::newRow("and a feed") << args({"--check-directories", "--check-feed", "a.xml"})
                                << mistake("--check-feed and --check-directories go one at a time.")
                                << QString() << QString() << false;
}

void CommandLineTest::checkDirectoriesTakesItsDatabaseFolderAndJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QFETCH(QString, dataFolder);
    QFETCH(QString, databaseFile);
    QFETCH(bool, json);

    CCommandLine commandLine;
    const CommandLineRequest request = commandLine.Parse(arguments);

    QCOMPARE(request.error, error);
    if (!error.isEmpty()) {
        QCOMPARE(request.exitCode, CCommandLine::kUsageError);
        return;
    }
    QCOMPARE(request.action, Action::CheckDirectories);
    QCOMPARE(QString::fromStdString(request.dataFolder), dataFolder);
    QCOMPARE(QString::fromStdString(request.databaseFile), databaseFile);
    QCOMPARE(request.json, json);
}

void CommandLineTest::checkMailGoesAloneWithJsonAndDataFolder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error"); // empty when the look is to run
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<bool>("json");

    const QString alone = mistake("--check-mail goes alone, with --json and --data-dir at most.");
    QTest::newRow("alone") << args({"--check-mail"}) << QString() << QString() << false;
    QTest::newRow("json and data folder") << args({"--json", "--check-mail", "--data-dir", "/d"})
                                          << QString() << QStringLiteral("/d") << true;
    QTest::newRow("and a feed") << args({"--check-mail", "--check-feed", "a.xml"}) << alone
                                << QString() << false;
    QTest::newRow("and the directories")
        << args({"--check-directories", "--check-mail"}) << alone << QString() << false;
    QTest::newRow("and a report") << args({"--check-mail", "--export-report", "r.csv"}) << alone
                                  << QString() << false;
    QTest::newRow("and an import")
        << args({"--check-mail", "--import-directories", "d.xml"}) << alone << QString() << false;
    QTest::newRow("with a value") << args({"--check-mail=INBOX"})
                                  << mistake("Unexpected value after '--check-mail'.") << QString()
                                  << false;
}

void CommandLineTest::checkMailGoesAloneWithJsonAndDataFolder()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QFETCH(QString, dataFolder);
    QFETCH(bool, json);

    CCommandLine commandLine;
    const CommandLineRequest request = commandLine.Parse(arguments);
    QCOMPARE(request.error, error);
    if (!error.isEmpty()) {
        QCOMPARE(request.exitCode, CCommandLine::kUsageError);
        return;
    }
    QCOMPARE(request.action, Action::CheckMail);
    QCOMPARE(QString::fromStdString(request.dataFolder), dataFolder);
    QCOMPARE(request.json, json);
}

void CommandLineTest::directoryListsTakeTheirFile()
{
    CCommandLine commandLine;
    const CommandLineRequest request = commandLine.Parse(
        {QStringLiteral("kestrine"), QStringLiteral("--import-directories"),
         QStringLiteral("/home/ann/Listes partagées.xml"), QStringLiteral("--replace")});
    QCOMPARE(request.action, Action::ImportDirectories);
    QCOMPARE(request.directoryListFile, std::string("/home/ann/Listes partagées.xml"));
    QVERIFY(request.replaceDirectories);
}

void CommandLineTest::importSaysWhatItDidAndRefusesAHostileFile()
{
    const TemporaryFolder data;
    QVERIFY(data.IsValid());
    WriteWholeFile(data.File("dirdata.xml"),
                   R"(<r><directory name="Atlas" submiturl="http://127.0.0.1/atlas"/></r>)");
    const std::string list = data.File("list.xml");
    // "ATLAS" is the user's Atlas; a page made up in its own address is never opened.
    WriteWholeFile(list, R"(<r><directory name="ATLAS" submiturl="http://127.0.0.1/atlas"/>)"
                         R"(<directory name="Feedling" submiturl="http://127.0.0.1/f"/>)"
                         R"(<directory name="Made up" submiturl="data:text/html,&lt;form&gt;"/>)"
                         R"(</r>)");

    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(ImportDirectoriesAndExit(list, data.Path(), false, out, err), 0);
    QCOMPARE(out.str(),
             std::string("already there: Atlas\nadded: Feedling\n"
                         "refused: Made up (its submission address is not an http or https "
                         "address)\n"
                         "1 added, 0 replaced, 1 already there, 0 kept yours, 1 refused\n"));
    QCOMPARE(err.str(), std::string());
    const std::string mine = ReadWholeFile(data.File("mydirs.xml"));

    WriteWholeFile(list, "<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                         "<r><directory name=\"&x;\" submiturl=\"http://127.0.0.1/\"/></r>");
    err.str({});
    QCOMPARE(ImportDirectoriesAndExit(list, data.Path(), true, out, err), 1);
    QVERIFY2(err.str().find("not a directory list") != std::string::npos, err.str().c_str());
    QCOMPARE(ReadWholeFile(data.File("mydirs.xml")), mine);
}

void CommandLineTest::exportRefusesAStrangersLinkInASharedFolder()
{
    if (!SharedFolderLink::CanBeMade())
        QSKIP("needs root to make files of other users");
    const SharedFolderLink setting(01777, SharedFolderLink::kStranger);
    QVERIFY(setting.IsMade());
    const std::string data = setting.Readable("data");
    QVERIFY(std::filesystem::create_directory(data));
    WriteWholeFile(data + "/dirdata.xml", "<r/>");
    WriteWholeFile(data + "/mydirs.xml",
                   R"(<r><directory name="Atlas" submiturl="http://127.0.0.1/atlas"/></r>)");

    const auto exportTo = [&](const std::string& path) {
        return SharedFolderLink::RunAsUser([&] {
            std::ostringstream out;
            std::ostringstream err;
            const int status = ExportDirectoriesAndExit(path, data, out, err);
            return std::to_string(status) + " " + err.str();
        });
    };
    const std::string said = exportTo(setting.Link());
    QVERIFY2(said.rfind("1 kestrine: cannot write " + setting.Link() +
                            ": it is a symbolic link "
                            "that another user made",
                        0) == 0,
             said.c_str());
    // The link as a folder of the path the user named.
    const std::string saidThroughFolder = exportTo(setting.ThroughFolderLink());
    QVERIFY2(saidThroughFolder.rfind("1 kestrine: cannot write " + setting.ThroughFolderLink() +
                                         ": its folder " + setting.FolderLink() +
                                         " is a symbolic link that another user made",
                                     0) == 0,
             saidThroughFolder.c_str());
    QCOMPARE(ReadWholeFile(setting.Notes()), std::string("notes"));
}

QTEST_APPLESS_MAIN(CommandLineTest)

#include "CommandLineTest.moc"
