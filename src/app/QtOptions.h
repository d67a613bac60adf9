#pragma once

#include <QString>
#include <QStringList>

// The options every Qt program takes (-platform, -style, -reverse, …). Kestrine reads its own
// command line before the application object exists, which then reads these from argv itself;
// Kestrine's parser must neither see them nor refuse them.
class CQtOptions final
{
public:
    // `arguments` without Qt's options and their values; the program's path stays first.
    static QStringList Without(const QStringList& arguments);
    // The part of --help that lists them.
    static QString HelpText();
};
