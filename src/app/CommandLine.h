#pragma once

#include "app/DirectoryListOptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

// What the command line asks the program to do.
struct CommandLineRequest
{
    enum class Action
    {
        OpenWindow,
        // Print `output` on standard output and `error` on standard error, then end with
        // `exitCode`: --help, --version, or a mistake on the command line.
        Exit,
        // --describe-page: describe the page at `pageAddress` for scripts, show no window.
        DescribePage,
        // --check-feed: check `feedTarget` without a window, as JSON when `json` is set.
        CheckFeed,
        // --export-report: write the report to `reportFile` and end, without a window.
        ExportReport,
        // --check-directories: check every directory's address without a window, the database
        // being `databaseFile` when given, as JSON when `json` is set.
        CheckDirectories,
        // --import-directories or --export-directories: `directoryListFile`, without a window.
        ImportDirectories,
        ExportDirectories,
        // --check-mail: look once for confirmation mails without a window, as JSON when `json`
        // is set.
        CheckMail,
    };

    Action action = Action::OpenWindow;
    int exitCode = 0;
    QString output;
    QString error;
    // --data-dir: the folder for sv.dat and dirdata.xml, as the file system spells it; empty
    // for the usual folder.
    std::string dataFolder;
    QString pageAddress;
    // --category and --subcategory with --describe-page: the profile category by which each
    // category list's option is chosen; unset when not given.
    std::optional<std::string> pageCategory;
    std::string pageSubcategory;
    // --check-feed: an address or a file name, as given.
    std::string feedTarget;
    bool json = false; // --json: describe the page or report the feed as JSON
    // --export-report: the CSV file to write, as the file system spells it.
    std::string reportFile;
    // --database: the directory database to check instead of the data folder's.
    std::string databaseFile;
    // The directory list to import or export, as the file system spells it.
    std::string directoryListFile;
    bool replaceDirectories = false; // --replace
};

// The program's options. Parsed before the application object exists, so that --help and
// --version work without a display and a mistake ends the program before any window opens;
// Qt's own options are left for the application object to read.
class CCommandLine final
{
public:
    // A mistake on the command line ends the program with this code.
    static constexpr int kUsageError = 2;

    CCommandLine();

    // `arguments` as the program received them, its own path first.
    CommandLineRequest Parse(const QStringList& arguments);

    // argv as text, decoded as the file system encodes names.
    static QStringList Arguments(int argc, const char* const* argv);

private:
    CommandLineRequest Help(const QString& programName) const;
    CommandLineRequest CheckFeed(const QString& programName) const;
    CommandLineRequest CheckDirectories(const QString& programName,
                                        CommandLineRequest request) const;
    CommandLineRequest CheckMail(const QString& programName, CommandLineRequest request) const;
    static CommandLineRequest Version();
    static CommandLineRequest UsageError(const QString& programName, const QString& what);

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_dataDir;
    QCommandLineOption m_describePage;
    QCommandLineOption m_checkFeed;
    QCommandLineOption m_json;
    QCommandLineOption m_exportReport;
    QCommandLineOption m_checkDirectories;
    QCommandLineOption m_database;
    QCommandLineOption m_category;
    QCommandLineOption m_subcategory;
    QCommandLineOption m_checkMail;
    CDirectoryListOptions m_directoryLists;
};
