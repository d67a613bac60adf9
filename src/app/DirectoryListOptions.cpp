#include "app/DirectoryListOptions.h"

#include "app/CommandLine.h"
#include "common/TextCatalogue.h"

#include <QCommandLineParser>
#include <QFile>

CDirectoryListOptions::CDirectoryListOptions()
    : m_import(QStringLiteral("import-directories"),
               QStringLiteral("Adds the directories of <file> (a list in the format of "
                              "dirdata.xml) to your own directories (mydirs.xml), prints what it "
                              "did and exits: 0, or 1 when the file is refused."),
               QStringLiteral("file")),
      m_export(QStringLiteral("export-directories"),
               QStringLiteral("Writes your own directories to <file>, for others to import, "
                              "and exits."),
               QStringLiteral("file")),
      m_replace(QStringLiteral("replace"),
                QStringLiteral("With --import-directories: your directories of the same name "
                               "are replaced too, where the list says something else."))
{}

void CDirectoryListOptions::AddTo(QCommandLineParser& parser) const
{
    parser.addOption(m_import);
    parser.addOption(m_export);
    parser.addOption(m_replace);
}

QString CDirectoryListOptions::Read(const QCommandLineParser& parser,
                                    CommandLineRequest& request) const
{
    const bool importing = parser.isSet(m_import);
    if (!importing && !parser.isSet(m_export)) {
        return parser.isSet(m_replace)
                   ? QString::fromStdString(
                         KESTRINE_TEXT("CommandLine", "--replace goes with --import-directories."))
                   : QString();
    }
    const QString option =
        importing ? QStringLiteral("--import-directories") : QStringLiteral("--export-directories");
    if (importing && parser.isSet(m_export))
        return QString::fromStdString(KESTRINE_TEXT(
            "CommandLine", "--import-directories and --export-directories go one at a time."));
    if (!importing && parser.isSet(m_replace))
        return QString::fromStdString(
            KESTRINE_TEXT("CommandLine", "--replace goes with --import-directories."));
    if (request.action != CommandLineRequest::Action::OpenWindow)
        return QString::fromStdString(
                   KESTRINE_TEXT("CommandLine", "%1 goes alone, with --data-dir at most."))
            .arg(option);
    const QString file = parser.value(importing ? m_import : m_export);
    if (file.isEmpty())
        return QString::fromStdString(KESTRINE_TEXT("CommandLine", "%1 needs a file name."))
            .arg(option);
    request.action = importing ? CommandLineRequest::Action::ImportDirectories
                               : CommandLineRequest::Action::ExportDirectories;
    request.directoryListFile = QFile::encodeName(file).toStdString();
    request.replaceDirectories = parser.isSet(m_replace);
    return {};
}
