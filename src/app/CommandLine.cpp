#include "app/CommandLine.h"

#include "app/DataFilesHelp.h"
#include "app/QtOptions.h"
#include "common/BuildConfig.h"
#include "common/TextCatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

namespace {

CommandLineRequest ExitWith(int exitCode, const QString& output, const QString& error)
{
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Exit;
    request.exitCode = exitCode;
    request.output = output;
    request.error = error;
    return request;
}

} // namespace

CCommandLine::CCommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")},
             QStringLiteral("Shows this help and exits.")),
      m_version(
          {QStringLiteral("v"), QStringLiteral("version")},
          QStringLiteral("Shows the versions of Kestrine, Qt and its web engine, and exits.")),
      m_dataDir(QStringLiteral("data-dir"),
                QStringLiteral("Keeps the profiles (sv.dat) and the directory database "
                               "(dirdata.xml) in <folder> instead of the usual place."),
                QStringLiteral("folder")),
      m_describePage(QStringLiteral("describe-page"),
                     QStringLiteral("Loads <address> without showing a window, recognises its "
                                    "form fields as Directory > Add This Page does, prints them "
                                    "with the directory that saving would write, and exits: 0, "
                                    "or 1 when the page has no form."),
                     QStringLiteral("address")),
      m_checkFeed(QStringLiteral("check-feed"),
                  QStringLiteral("Checks the feed at <address> or in a file without opening a "
                                 "window, and exits: 0 when it is usable, 1 when it has problems."),
                  QStringLiteral("address|file")),
      m_json(QStringLiteral("json"),
             QStringLiteral("Prints the answer of --describe-page, --check-feed or "
                            "--check-directories as JSON.")),
      m_exportReport(QStringLiteral("export-report"),
                     QStringLiteral("Writes the report of every directory's status per profile "
                                    "to <file> (CSV) and exits, without a window."),
                     QStringLiteral("file")),
      m_checkDirectories(
          QStringLiteral("check-directories"),
          QStringLiteral("Checks every directory's submission address and form without a window, "
                         "prints what it found and exits: 0 when all are ok, 1 otherwise.")),
      m_database(QStringLiteral("database"),
                 QStringLiteral("With --check-directories: checks <file> instead of the data "
                                "folder's directory database."),
                 QStringLiteral("file")),
      m_category(QStringLiteral("category"),
                 QStringLiteral("With --describe-page: for each category list, the option "
                                "Kestrine would choose for a profile of category <text>, with "
                                "its confidence."),
                 QStringLiteral("text")),
      m_subcategory(QStringLiteral("subcategory"),
                    QStringLiteral("With --category: the profile's subcategory."),
                    QStringLiteral("text")),
      m_checkMail(QStringLiteral("check-mail"),
                  QStringLiteral("Looks once into the mailbox of Settings > Confirmation Mails "
                                 "for the confirmation mails of the submissions of the last two "
                                 "days, prints them and exits: 0, or 1 when the mailbox cannot "
                                 "be read."))
{
    m_parser.setApplicationDescription(
        QStringLiteral("Kestrine helps you submit your RSS feed to RSS directory web sites."));
    // "-platform" reads as one unknown option, not as eight unknown letters.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_dataDir);
    m_parser.addOption(m_describePage);
    m_parser.addOption(m_checkFeed);
    m_parser.addOption(m_json);
    m_parser.addOption(m_exportReport);
    m_parser.addOption(m_checkDirectories);
    m_parser.addOption(m_database);
    m_parser.addOption(m_category);
    m_parser.addOption(m_subcategory);
    m_parser.addOption(m_checkMail);
    m_directoryLists.AddTo(m_parser);
}

QStringList CCommandLine::Arguments(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

CommandLineRequest CCommandLine::Parse(const QStringList& arguments)
{
    const QString programName =
        arguments.isEmpty() ? QStringLiteral("kestrine") : QFileInfo(arguments.first()).fileName();
    if (!m_parser.parse(CQtOptions::Without(arguments)))
        return UsageError(programName, m_parser.errorText());
    if (m_parser.isSet(m_help))
        return Help(programName);
    if (m_parser.isSet(m_version))
        return Version();
    if (!m_parser.positionalArguments().isEmpty()) {
        return UsageError(
            programName,
            QString::fromStdString(KESTRINE_TEXT("CommandLine", "Unexpected argument '%1'."))
                .arg(m_parser.positionalArguments().first()));
    }

    if (m_parser.isSet(m_checkFeed) && !m_parser.isSet(m_checkMail)) {
        if (m_parser.isSet(m_checkDirectories))
            return UsageError(
                programName,
                QString::fromStdString(KESTRINE_TEXT(
                    "CommandLine", "--check-feed and --check-directories go one at a time.")));
        if (m_parser.isSet(m_describePage))
            return UsageError(
                programName,
                QString::fromStdString(KESTRINE_TEXT(
                    "CommandLine", "--check-feed and --describe-page go one at a time.")));
        return CheckFeed(programName);
    }

    CommandLineRequest request;
    if (m_parser.isSet(m_dataDir)) {
        const QString folder = m_parser.value(m_dataDir);
        if (folder.isEmpty())
            return UsageError(programName, QString::fromStdString(KESTRINE_TEXT(
                                               "CommandLine", "--data-dir needs a folder.")));
        request.dataFolder = QFile::encodeName(folder).toStdString();
    }
    if (m_parser.isSet(m_checkMail))
        return CheckMail(programName, std::move(request));
    if (m_parser.isSet(m_checkDirectories) || m_parser.isSet(m_database))
        return CheckDirectories(programName, std::move(request));
    if (m_parser.isSet(m_describePage)) {
        request.pageAddress = m_parser.value(m_describePage).trimmed();
        if (request.pageAddress.isEmpty())
            return UsageError(programName,
                              QString::fromStdString(KESTRINE_TEXT(
                                  "CommandLine", "--describe-page needs an address.")));
        request.action = CommandLineRequest::Action::DescribePage;
        request.json = m_parser.isSet(m_json);
        if (m_parser.isSet(m_category) || m_parser.isSet(m_subcategory)) {
            request.pageCategory = m_parser.value(m_category).toStdString();
            request.pageSubcategory = m_parser.value(m_subcategory).toStdString();
        }
    } else if (m_parser.isSet(m_category) || m_parser.isSet(m_subcategory)) {
        return UsageError(
            programName,
            QString::fromStdString(KESTRINE_TEXT(
                "CommandLine", "--category and --subcategory go with --describe-page.")));
    } else if (m_parser.isSet(m_json)) {
        return UsageError(
            programName,
            QString::fromStdString(KESTRINE_TEXT(
                "CommandLine",
                "--json goes with --describe-page, --check-feed or --check-directories.")));
    }
    if (m_parser.isSet(m_exportReport)) {
        if (request.action == CommandLineRequest::Action::DescribePage)
            return UsageError(programName,
                              QString::fromStdString(KESTRINE_TEXT(
                                  "CommandLine", "--export-report goes without --describe-page.")));
        const QString file = m_parser.value(m_exportReport);
        if (file.isEmpty())
            return UsageError(programName,
                              QString::fromStdString(KESTRINE_TEXT(
                                  "CommandLine", "--export-report needs a file name.")));
        request.action = CommandLineRequest::Action::ExportReport;
        request.reportFile = QFile::encodeName(file).toStdString();
    }
    if (const QString mistake = m_directoryLists.Read(m_parser, request); !mistake.isEmpty())
        return UsageError(programName, mistake);
    return request;
}

CommandLineRequest CCommandLine::Help(const QString& programName) const
{
    // The parser's own usage line names the program only once the application object exists,
    // and the command line is read before that.
    const QString text = QStringLiteral("Usage: %1 [options]\n").arg(programName) +
                         m_parser.helpText().section(QLatin1Char('\n'), 1) +
                         CQtOptions::HelpText() + DataFilesHelpText();
    return ExitWith(0, text, {});
}

CommandLineRequest CCommandLine::CheckFeed(const QString& programName) const
{
    const QString target = m_parser.value(m_checkFeed);
    if (target.trimmed().isEmpty())
        return UsageError(programName,
                          QString::fromStdString(KESTRINE_TEXT(
                              "CommandLine", "--check-feed needs a feed address or file.")));
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::CheckFeed;
    // A file name keeps the bytes the file system spells it with; an address is ASCII anyway.
    request.feedTarget = QFile::encodeName(target).toStdString();
    request.json = m_parser.isSet(m_json);
    return request;
}

CommandLineRequest CCommandLine::CheckDirectories(const QString& programName,
                                                  CommandLineRequest request) const
{
    if (!m_parser.isSet(m_checkDirectories))
        return UsageError(programName,
                          QString::fromStdString(KESTRINE_TEXT(
                              "CommandLine", "--database goes with --check-directories.")));
    if (m_parser.isSet(m_describePage) || m_parser.isSet(m_exportReport))
        return UsageError(
            programName,
            QString::fromStdString(KESTRINE_TEXT(
                "CommandLine",
                "--check-directories goes without --describe-page and --export-report.")));
    if (m_parser.isSet(m_database)) {
        const QString file = m_parser.value(m_database);
        if (file.isEmpty())
            return UsageError(programName, QString::fromStdString(KESTRINE_TEXT(
                                               "CommandLine", "--database needs a file name.")));
        request.databaseFile = QFile::encodeName(file).toStdString();
    }
    request.action = CommandLineRequest::Action::CheckDirectories;
    request.json = m_parser.isSet(m_json);
    return request;
}

CommandLineRequest CCommandLine::CheckMail(const QString& programName,
                                           CommandLineRequest request) const
{
    bool alone = true;
    for (const QCommandLineOption* other :
         {&m_checkFeed, &m_checkDirectories, &m_database, &m_describePage, &m_exportReport})
        alone = alone && !m_parser.isSet(*other);
    // An import or export asked for as well.
    alone = alone && m_directoryLists.Read(m_parser, request).isEmpty() &&
            request.action == CommandLineRequest::Action::OpenWindow;
    if (!alone)
        return UsageError(
            programName,
            QString::fromStdString(KESTRINE_TEXT(
                "CommandLine", "--check-mail goes alone, with --json and --data-dir at most.")));
    request.action = CommandLineRequest::Action::CheckMail;
    request.json = m_parser.isSet(m_json);
    return request;
}

CommandLineRequest CCommandLine::Version()
{
    const QString text =
        QStringLiteral("Kestrine %1\nQt %2\nQt WebEngine %3 (Chromium %4)\n")
            .arg(QString::fromUtf8(kestrine::kDisplayVersion), QString::fromUtf8(qVersion()),
                 QString::fromUtf8(qWebEngineVersion()),
                 QString::fromUtf8(qWebEngineChromiumVersion()));
    return ExitWith(0, text, {});
}

CommandLineRequest CCommandLine::UsageError(const QString& programName, const QString& what)
{
    const QString text =
        QString::fromStdString(
            KESTRINE_TEXT("CommandLine", "%1: %2\nTry '%1 --help' for more information.\n"))
            .arg(programName, what);
    return ExitWith(kUsageError, {}, text);
}
