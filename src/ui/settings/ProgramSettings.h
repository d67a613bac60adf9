#pragma once

#include "mail/MailConfig.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class CIniFile;

// The program's settings, kept in kestrine.conf (INI) in the data folder beside the user's
// other files, so that --data-dir moves them too.
//
//   [update]
//   source=https://example.org/updates/demo.xml
//   [tabs]
//   ready=2
//   keepFinished=false
//   [ui]
//   language=de
//   [mail]
//   server=imaps://mail.example.org
//   user=kim
//   folder=INBOX
//   password-command=pass show mail
//
// A save changes only the keys it sets: the user's comments, other keys and lines stay as they
// were, byte for byte. A value that is not UTF-8 text is no choice at all.
class CProgramSettings final
{
public:
    // How the browser's tabs work ahead of the user: how many of the next directories are kept
    // loaded and filled (0 turns working ahead off), and whether a tab whose submission came
    // to an end stays open once the user has left it.
    struct WorkAhead
    {
        int readyTabs = 2;
        bool keepFinishedTabs = false;
    };
    static constexpr int kMostReadyTabs = 8; // each one is a page in memory

    // `dataFolder` ends in '/', empty when there is none; `defaultSource` is the address of the
    // build's vendor that updates come from unless the user chose another.
    CProgramSettings(const std::string& dataFolder, QString defaultSource);

    // The address the database update downloads: the user's choice, or the default.
    QString DatabaseSource() const;
    const QString& DefaultDatabaseSource() const { return m_defaultSource; }
    // Keeps `address` (the default itself is kept as no choice at all); the reason it could
    // not be kept, in words for the user, or an empty text.
    QString SetDatabaseSource(const QString& address);

    WorkAhead TabsWorkAhead() const;
    // The reason it could not be kept, in words for the user, or an empty text.
    QString SetTabsWorkAhead(const WorkAhead& workAhead);

    // The language Settings > Language… chose ("de", "pt_BR"), or an empty text: the desktop's.
    QString InterfaceLanguage() const;
    // The reason it could not be kept, in words for the user, or an empty text.
    QString SetInterfaceLanguage(const QString& language);

    // The mailbox of Settings > Confirmation Mails ([mail]); off until it has a server and user.
    MailConfig ConfirmationMailbox() const { return MailConfig::Read(Read()); }
    // The reason it could not be kept, in words for the user, or an empty text.
    QString SetConfirmationMailbox(const MailConfig& mailbox)
    {
        return Save([&](CIniFile& settings) { mailbox.Write(settings); });
    }

    // The settings of the file that go unused because their values are not UTF-8 text, named
    // each once in words for the user; an empty text when there are none.
    QString Refusals() const;

    // Why `address` cannot be a database source, or an empty text: it must be an http or https
    // address with a host.
    static QString SourceProblem(const QString& address);

private:
    // The file as it is; empty when there is none. Nothing, with `error` set, when it is there
    // but cannot be read.
    std::optional<CIniFile> Load(QString* error = nullptr) const;
    CIniFile Read() const;
    // Reads the file again, so that what the user changed meanwhile is kept, applies `change`
    // and replaces the file in one piece.
    QString Save(const std::function<void(CIniFile&)>& change);
    QString FileName() const;

    std::string m_file; // empty without a data folder
    QString m_defaultSource;
};
