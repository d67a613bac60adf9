#pragma once

#include <QString>
#include <string>

// The program's settings, kept in kestrine.conf (INI) in the data folder beside the user's
// other files, so that --data-dir moves them too.
//
//   [update]
//   source=https://example.org/updates/demo.xml
class CProgramSettings final
{
public:
    // `dataFolder` ends in '/', empty when there is none; `defaultSource` is the address of the
    // build's vendor that updates come from unless the user chose another.
    CProgramSettings(const std::string& dataFolder, QString defaultSource);

    // The address the database update downloads: the user's choice, or the default.
    QString DatabaseSource() const;
    const QString& DefaultDatabaseSource() const { return m_defaultSource; }
    // Keeps `address` (the default itself is kept as no choice at all); the reason it could
    // not be kept, in words for the user, or an empty text.
    QString SetDatabaseSource(const QString& address);

    // Why `address` cannot be a database source, or an empty text: it must be an http or https
    // address with a host.
    static QString SourceProblem(const QString& address);

private:
    QString m_file; // empty without a data folder
    QString m_defaultSource;
};
