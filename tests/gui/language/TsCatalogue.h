#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a Qt Linguist catalogue: its source text and its translation, one text per
// plural form for a message with %n.
struct TsMessage
{
    QString context;
    QString source;
    QString comment;      // tells two messages with one source apart
    bool counted = false; // chooses its form by %n
    QStringList translations;
    bool finished = false; // translated, every form of it, and not marked unfinished
};

struct TsCatalogue
{
    QString file;
    QList<TsMessage> messages;
    QString error; // why the file could not be read, or empty
};

// The catalogues in translations/, one per language.
QStringList TsFiles();
TsCatalogue ReadTsFile(const QString& path);
