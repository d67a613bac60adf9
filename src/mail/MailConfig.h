#pragma once

#include "common/IniFile.h"

#include <string>

// The [mail] section of kestrine.conf: where confirmation mails arrive. Scripts and other tools
// set these keys too, so their names never change. The password is never among them.
struct MailConfig
{
    std::string server;           // server=imaps://mail.example.org
    std::string user;             // user=
    std::string folder = "INBOX"; // folder=, INBOX when empty or missing
    std::string passwordCommand;  // password-command=, a command that prints the password

    // The mailbox is watched only once it has a server and a user.
    bool IsSet() const { return !server.empty() && !user.empty(); }

    static MailConfig Read(const CIniFile& settings);
    // Writes every key; an empty password command takes its key out.
    void Write(CIniFile& settings) const;
};
