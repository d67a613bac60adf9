#pragma once

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;
struct CommandLineRequest;

// --import-directories FILE [--replace] and --export-directories FILE: sharing directory lists
// without a window.
class CDirectoryListOptions final
{
public:
    CDirectoryListOptions();

    void AddTo(QCommandLineParser& parser) const;
    // Turns `request` into an import or export when one is asked for; the mistake in the
    // command line, or an empty text.
    QString Read(const QCommandLineParser& parser, CommandLineRequest& request) const;

private:
    QCommandLineOption m_import;
    QCommandLineOption m_export;
    QCommandLineOption m_replace;
};
