#include "support/DevToolsPage.h"
#include "support/OfflineEngine.h"
#include "support/WaitUntil.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/stat.h>

// The languages of translations/desktop-entry.ini.
const QStringList kTranslatedLanguages{
    QStringLiteral("de"),    QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
    QStringLiteral("pt_BR"), QStringLiteral("nl"), QStringLiteral("pl")};

// Installs this build into a temporary prefix, as a packager would, and checks what a desktop
// needs to list and start the program, and what the installed program does with a user's files.
class InstalledTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programIsInstalled();
    void iconIsInstalledInEverySize_data();
    void iconIsInstalledInEverySize();
    void desktopEntryIsValidAndPointsAtTheProgram();
    void metainfoIsValidAndPointsAtTheEntry();
    void manualPageIsCleanAndCoversTheOptions();
    void databaseIsInstalledForUsersToStartFrom();
    void commandLineAnswersBeforeAnyWindow_data();
    void commandLineAnswersBeforeAnyWindow();
    void firstStartMakesAPrivateDataFolder();
    void laterStartKeepsTheUsersFiles();
    void offlineStartShowsTheProgramsOwnStartPageAndGuide();
    void directoryListsGoRoundThroughTheCommandLine();

private:
    QString Installed(const QString& relativePath) const
    {
        return m_prefix.path() + QLatin1Char('/') + relativePath;
    }
    // The value of `key` in the entry's [Desktop Entry] group.
    static QString DesktopEntryValue(const QString& entry, const QString& key);
    // Runs a tool to its end; its exit code and everything it printed.
    static std::pair<int, QByteArray> RunTool(const QString& tool, const QStringList& arguments);
    // Every file under the prefix with its size and time of change.
    QStringList PrefixListing() const;
    // Starts the installed program with its own home and data home (and `arguments`, and the
    // variables of `environment` added), waits until `ready` holds, then ends it the way a
    // session does, with SIGTERM.
    void RunInstalledProgram(const std::function<bool()>& ready, const QStringList& arguments = {},
                             const QProcessEnvironment& environment = {});
    // Runs the installed program to its end without a display: exit code, standard output.
    std::pair<int, QByteArray> RunCommand(const QStringList& arguments) const;
    QString UserFile(const QString& name) const
    {
        return m_dataHome.path() + QStringLiteral("/kestrine/") + name;
    }

    QTemporaryDir m_prefix;
    QTemporaryDir m_dataHome;
    QTemporaryDir m_home;
    QStringList m_installedListing;
};

void InstalledTreeTest::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_dataHome.isValid() && m_home.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(KESTRINE_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(KESTRINE_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
    m_installedListing = PrefixListing();
}

void InstalledTreeTest::programIsInstalled()
{
    const QFileInfo program(Installed(QStringLiteral("bin/kestrine")));
    QVERIFY(program.isFile());
    QVERIFY(program.isExecutable());
    for (const char* document :
         {"share/doc/kestrine/copyright", "share/doc/kestrine/changelog.Debian.gz"})
        QVERIFY2(QFileInfo(Installed(QString::fromLatin1(document))).isFile(), document);
}

void InstalledTreeTest::iconIsInstalledInEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void InstalledTreeTest::iconIsInstalledInEverySize()
{
    QFETCH(int, size);

    const QImage icon(
        Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/kestrine.png").arg(size)));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    const QSvgRenderer scalable(
        Installed(QStringLiteral("share/icons/hicolor/scalable/apps/kestrine.svg")));
    QVERIFY(scalable.isValid());
}

QString InstalledTreeTest::DesktopEntryValue(const QString& entry, const QString& key)
{
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inMainGroup = false;
    const QString prefix = key + QLatin1Char('=');
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return {};
}

void InstalledTreeTest::desktopEntryIsValidAndPointsAtTheProgram()
{
    const QString entry = Installed(QStringLiteral("share/applications/kestrine.desktop"));
    QVERIFY(QFileInfo(entry).isFile());

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is needed");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {entry});
    QVERIFY(validate.waitForFinished(30000));
    const QByteArray complaints = validate.readAll();
    QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());

    QCOMPARE(DesktopEntryValue(entry, QStringLiteral("Name")), QStringLiteral("Kestrine"));
    // The texts of translations/desktop-entry.ini, in every language the program speaks.
    for (const QString& language : kTranslatedLanguages) {
        for (const QString& key : {QStringLiteral("GenericName"), QStringLiteral("Comment"),
                                   QStringLiteral("Keywords")}) {
            const QString localized = QStringLiteral("%1[%2]").arg(key, language);
            const QString value = DesktopEntryValue(entry, localized);
            QVERIFY2(!value.isEmpty() && value != DesktopEntryValue(entry, key),
                     qPrintable(localized));
        }
    }
    const QString program =
        DesktopEntryValue(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    QVERIFY(QFileInfo(Installed(QStringLiteral("bin/") + program)).isExecutable());
    const QString icon = DesktopEntryValue(entry, QStringLiteral("Icon"));
    QVERIFY(
        QFileInfo(Installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon)))
            .isFile());
}

std::pair<int, QByteArray> InstalledTreeTest::RunTool(const QString& tool,
                                                      const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, process.readAll()};
    return {process.exitCode(), process.readAll()};
}

void InstalledTreeTest::metainfoIsValidAndPointsAtTheEntry()
{
    const QString metainfo = Installed(QStringLiteral("share/metainfo/%1.metainfo.xml")
                                           .arg(QStringLiteral(KESTRINE_APPSTREAM_ID)));
    QVERIFY(QFileInfo(metainfo).isFile());

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    QVERIFY2(!validator.isEmpty(), "appstreamcli (appstream) is needed");
    const auto [exitCode, complaints] =
        RunTool(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                            QStringLiteral("--pedantic"), metainfo});
    QVERIFY2(exitCode == 0, complaints.constData());

    QFile file(metainfo);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("<launchable type=\"desktop-id\">kestrine.desktop</launchable>"));
    QVERIFY(QFileInfo(Installed(QStringLiteral("share/applications/kestrine.desktop"))).isFile());
    QVERIFY(content.contains("<binary>kestrine</binary>"));
    // Every language says all of it: the summary, each paragraph and list item, the keywords.
    const auto count = [&content](const QString& element) {
        return content.count(element.toUtf8());
    };
    for (const QString& language : kTranslatedLanguages) {
        for (const char* element : {"summary", "p", "li", "keyword"}) {
            const QString name = QString::fromLatin1(element);
            QCOMPARE(count(QStringLiteral("<%1 xml:lang=\"%2\">").arg(name, language)),
                     count(QStringLiteral("<%1>").arg(name)));
        }
    }
    QVERIFY(content.contains("<id>" KESTRINE_APPSTREAM_ID "</id>"));
}

void InstalledTreeTest::manualPageIsCleanAndCoversTheOptions()
{
    const QString page = Installed(QStringLiteral("share/man/man1/kestrine.1.gz"));
    QVERIFY2(QFileInfo(page).isFile(), "the manual page is installed compressed");
    QVERIFY(!QFileInfo::exists(Installed(QStringLiteral("share/man/man1/kestrine.1"))));

    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    QVERIFY2(!groff.isEmpty(), "groff (groff-base) is needed");
    const auto [unpacked, source] = RunTool(QStringLiteral("gzip"), {QStringLiteral("-dc"), page});
    QCOMPARE(unpacked, 0);
    QProcess render;
    render.start(groff, {QStringLiteral("-man"), QStringLiteral("-Tascii"), QStringLiteral("-ww"),
                         QStringLiteral("-P-cbou")});
    render.write(source);
    render.closeWriteChannel();
    QVERIFY(render.waitForFinished(30000));
    const QByteArray warnings = render.readAllStandardError();
    QVERIFY2(render.exitCode() == 0 && warnings.isEmpty(), warnings.constData());
    const QByteArray text = render.readAllStandardOutput();
    for (const char* expected :
         {"SYNOPSIS", "OPTIONS", "FILES", "--data-dir folder", "--help", "--version",
          "--import-directories file", "--export-directories file", "--replace",
          "$XDG_DATA_HOME/kestrine", "sv.dat", "dirdata.xml", "mydirs.xml", "kestrine.conf",
          "QT OPTIONS", "-reverse"})
        QVERIFY2(text.contains(expected), expected);
}

void InstalledTreeTest::databaseIsInstalledForUsersToStartFrom()
{
    QFile installed(Installed(QStringLiteral("share/kestrine/dirdata.xml")));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    const QByteArray database = installed.readAll();
    QVERIFY(database.contains("<r>"));
    if (QByteArray(KESTRINE_VENDOR_HOST) == KESTRINE_DEMO_HOST) {
        // A build for the demo site (scripts/run) installs the site's directories.
        QFile demo(QStringLiteral(KESTRINE_DEMO_DATABASE));
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QCOMPARE(database, demo.readAll());
    } else {
        QVERIFY2(!database.contains(KESTRINE_DEMO_HOST),
                 "the demo site's directories exist only while the demo runs");
        QVERIFY(!database.contains("<directory"));
    }
    QVERIFY2(!QFileInfo::exists(Installed(QStringLiteral("bin/dirdata.xml"))),
             "a database beside the installed program would make it portable");
}

void InstalledTreeTest::commandLineAnswersBeforeAnyWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<QString>("locale"); // LANG, or empty for the test's own

    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                          << QByteArray("Usage: kestrine [options]\n") << QByteArray() << QString();
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0
                             << QByteArray("Kestrine 1.0\nQt ") << QByteArray() << QString();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2 << QByteArray()
                                    << QByteArray("kestrine: Unknown option 'bogus'.\n"
                                                  "Try 'kestrine --help' for more information.\n")
                                    << QString();
    // Qt's own words for the mistake come in the language of the line after them.
    QTest::newRow("unknown option, German")
        << QStringList{QStringLiteral("--bogus")} << 2 << QByteArray()
        << QByteArray("kestrine: Unbekannte Option 'bogus'.\n"
                      "\u201ekestrine --help\u201c liefert weitere Informationen.\n")
        << QStringLiteral("de_DE.UTF-8");
    QTest::newRow("unknown option, Polish")
        << QStringList{QStringLiteral("--bogus")} << 2 << QByteArray()
        << QByteArray(
               "kestrine: Nieznana opcja \"bogus\".\n"
               "Polecenie \u201ekestrine --help\u201d wy\u015bwietli wi\u0119cej informacji.\n")
        << QStringLiteral("pl_PL.UTF-8");
}

void InstalledTreeTest::commandLineAnswersBeforeAnyWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, error);
    QFETCH(QString, locale);

    QProcess program;
    // A platform that does not exist: the program would abort if it made its application
    // object, let alone a window, before answering.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       m_home.path() + QStringLiteral("/untouched"));
    if (!locale.isEmpty()) {
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(variable));
        environment.insert(QStringLiteral("LANG"), locale);
        // The language's locale need not be installed; its characters are still UTF-8, or
        // newer Qt warns on the error stream about a locale that is not.
        environment.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("C.UTF-8"));
    }
    program.setProcessEnvironment(environment);
    program.start(Installed(QStringLiteral("bin/kestrine")), arguments);
    QVERIFY(program.waitForFinished(30000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QByteArray printed = program.readAllStandardOutput();
    QVERIFY2(printed.startsWith(output) && printed.isEmpty() == output.isEmpty(),
             printed.constData());
    QCOMPARE(program.readAllStandardError(), error);
    QVERIFY(!QFileInfo::exists(m_home.path() + QStringLiteral("/untouched")));
}

QStringList InstalledTreeTest::PrefixListing() const
{
    QStringList listing;
    QDirIterator files(m_prefix.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        listing << QStringLiteral("%1 %2 %3")
                       .arg(file.filePath())
                       .arg(file.size())
                       .arg(file.lastModified().toMSecsSinceEpoch());
    }
    listing.sort();
    return listing;
}

// A file's inode, which an atomic save changes; 0 when there is no such file.
static ino_t Inode(const QString& path)
{
    struct stat file
    {
    };
    return stat(QFile::encodeName(path).constData(), &file) == 0 ? file.st_ino : 0;
}

// True once the process has a handler for SIGTERM, so that the signal closes its window
// instead of ending it on the spot.
static bool CatchesSigterm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

void InstalledTreeTest::RunInstalledProgram(const std::function<bool()>& ready,
                                            const QStringList& arguments,
                                            const QProcessEnvironment& environment)
{
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment started = QProcessEnvironment::systemEnvironment();
    started.insert(QStringLiteral("HOME"), m_home.path());
    started.insert(QStringLiteral("XDG_DATA_HOME"), m_dataHome.path());
    started.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
    started.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.path() + QStringLiteral("/cache"));
    KeepEngineOffline(started);
    started.insert(environment);
    program.setProcessEnvironment(started);
    program.start(Installed(QStringLiteral("bin/kestrine")), arguments);
    QVERIFY(program.waitForStarted(30000));

    const bool reached =
        WaitUntil([&] { return CatchesSigterm(program.processId()) && ready(); }, 60000);
    // Held until the window runs, and then it closes the way its close box does.
    program.terminate();
    QVERIFY(program.waitForFinished(60000));
    QVERIFY(reached);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

void InstalledTreeTest::firstStartMakesAPrivateDataFolder()
{
    RunInstalledProgram(
        [this] { return QFileInfo::exists(UserFile(QStringLiteral("dirdata.xml"))); });

    struct stat folder
    {
    };
    QCOMPARE(stat(QFile::encodeName(UserFile(QString())).constData(), &folder), 0);
    QCOMPARE(folder.st_mode & 0777, mode_t(0700));
    QFile copy(UserFile(QStringLiteral("dirdata.xml")));
    QFile installed(Installed(QStringLiteral("share/kestrine/dirdata.xml")));
    QVERIFY(copy.open(QIODevice::ReadOnly) && installed.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), installed.readAll());
    QFile state(UserFile(QStringLiteral("sv.dat")));
    QVERIFY2(state.open(QIODevice::ReadOnly), "closing saves the profiles in the data folder");
    QCOMPARE(state.readAll(), QByteArray("\r\n0\r\n"));
    QCOMPARE(PrefixListing(), m_installedListing);
}

void InstalledTreeTest::laterStartKeepsTheUsersFiles()
{
    // As if the user had updated the database and saved a profile since the first start.
    const QByteArray updated =
        "<?xml version=\"1.0\"?>\n<r><directory name=\"Updated\" submiturl=\"http://127.0.0.1:9/\" "
        "onsubmit=\"Thanks\"/></r>\n";
    const QByteArray profiles =
        "Blog\r\n1\r\nBlog\r\nhttp://blog.example/feed.xml\r\nBlog title\r\n"
        "About cats\r\nPets\r\n\r\ncats\r\nann@example.com\r\nAnn\r\nLee\r\n"
        "1\r\nUpdated\r\n";
    for (const auto& [name, bytes] : {std::pair(QStringLiteral("dirdata.xml"), updated),
                                      std::pair(QStringLiteral("sv.dat"), profiles)}) {
        QFile file(UserFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    const ino_t writtenFile = Inode(UserFile(QStringLiteral("sv.dat")));

    RunInstalledProgram([] { return true; });

    QFile database(UserFile(QStringLiteral("dirdata.xml")));
    QVERIFY(database.open(QIODevice::ReadOnly));
    QCOMPARE(database.readAll(), updated);
    QFile state(UserFile(QStringLiteral("sv.dat")));
    QVERIFY(state.open(QIODevice::ReadOnly));
    QCOMPARE(state.readAll(), profiles);
    QVERIFY2(Inode(UserFile(QStringLiteral("sv.dat"))) != writtenFile,
             "closing saved the profiles it had read, as a new file");
    QCOMPARE(PrefixListing(), m_installedListing);
}

// A port nothing listens on at the moment.
static int FreePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

void InstalledTreeTest::offlineStartShowsTheProgramsOwnStartPageAndGuide()
{
    const int port = FreePort();
    QVERIFY(port != 0);
    QProcessEnvironment offline;
    KeepEngineOffline(offline);
    offline.insert(QStringLiteral("QTWEBENGINE_REMOTE_DEBUGGING"),
                   QStringLiteral("127.0.0.1:%1").arg(port));
    // Qt's own option chooses the platform, no longer the variable.
    offline.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));

    const DevToolsPage browser(port);
    const QString startPage = QStringLiteral("Getting started with Kestrine");
    QString startTitle;
    QString guideTitle;
    bool clicked = false;
    RunInstalledProgram(
        [&] {
            if (startTitle != startPage) {
                startTitle = browser.Title();
                return false;
            }
            // The start page's link to the guide, as the user would follow it.
            if (!clicked)
                clicked = browser.Run(
                    QStringLiteral("document.querySelector('a[href=\"guide.html\"]').click()"));
            guideTitle = browser.Title();
            return guideTitle == QStringLiteral("Kestrine User Guide");
        },
        {QStringLiteral("-platform"), QStringLiteral("offscreen")}, offline);
    QCOMPARE(startTitle, startPage);
    // The guide comes with the program as well.
    QCOMPARE(guideTitle, QStringLiteral("Kestrine User Guide"));
}

std::pair<int, QByteArray> InstalledTreeTest::RunCommand(const QStringList& arguments) const
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No application object, let alone a window: the program would abort making one.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dataHome.path());
    program.setProcessEnvironment(environment);
    program.start(Installed(QStringLiteral("bin/kestrine")), arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return {-1, program.readAllStandardError()};
    return {program.exitCode(), program.readAllStandardOutput()};
}

void InstalledTreeTest::directoryListsGoRoundThroughTheCommandLine()
{
    const QString mine = m_home.path() + QStringLiteral("/mine");
    const QString theirs = m_home.path() + QStringLiteral("/theirs");
    const QString list = m_home.path() + QStringLiteral("/list.xml");
    const QString shared = m_home.path() + QStringLiteral("/shared.xml");
    const auto readFile = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    const auto writeFile = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    };
    QVERIFY(writeFile(list, "<?xml version=\"1.0\"?>\n<r>"
                            "<directory name=\"Atlas\" submiturl=\"http://127.0.0.1:9/a\">"
                            "<item name=\"url\" value=\"#url#\"/></directory>"
                            "<directory name=\"Kite List\" submiturl=\"http://127.0.0.1:9/b\"/>"
                            "</r>\n"));
    const QStringList inMine{QStringLiteral("--data-dir"), mine};

    auto [code, printed] = RunCommand(inMine + QStringList{"--import-directories", list});
    QCOMPARE(code, 0);
    QVERIFY2(printed.contains("added: Atlas\nadded: Kite List\n2 added"), printed.constData());
    const QByteArray imported = readFile(mine + QStringLiteral("/mydirs.xml"));
    QVERIFY(imported.contains("name=\"Kite List\""));

    std::tie(code, printed) = RunCommand(inMine + QStringList{"--import-directories", list});
    QCOMPARE(code, 0);
    QVERIFY2(printed.contains("0 added, 0 replaced, 2 already there"), printed.constData());
    QCOMPARE(readFile(mine + QStringLiteral("/mydirs.xml")), imported);

    // What one user exports, another imports as the same directories.
    std::tie(code, printed) = RunCommand(inMine + QStringList{"--export-directories", shared});
    QCOMPARE(code, 0);
    std::tie(code, printed) = RunCommand(
        {QStringLiteral("--data-dir"), theirs, QStringLiteral("--import-directories"), shared});
    QCOMPARE(code, 0);
    QCOMPARE(readFile(theirs + QStringLiteral("/mydirs.xml")), imported);

    // A hostile file is refused whole and leaves the user's directories byte for byte.
    QVERIFY(writeFile(list, "<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                            "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
                            "<r><directory name=\"&d;\" submiturl=\"http://127.0.0.1:9/\"/></r>"));
    std::tie(code, printed) =
        RunCommand(inMine + QStringList{"--import-directories", list, "--replace"});
    QCOMPARE(code, 1);
    QCOMPARE(readFile(mine + QStringLiteral("/mydirs.xml")), imported);
}

QTEST_GUILESS_MAIN(InstalledTreeTest)

#include "InstalledTreeTest.moc"
