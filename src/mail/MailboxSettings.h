#pragma once

#include <string>

// The mailbox where directories' confirmation mails arrive, as [mail] in kestrine.conf names
// it, with the password found for it (never kept in the file).
struct MailboxSettings
{
    std::string server; // "imaps://host[:port]" or "imap://host[:port]"
    std::string user;
    std::string folder = "INBOX";
    std::string password;
};
