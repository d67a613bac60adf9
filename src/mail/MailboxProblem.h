#pragma once

#include <string>

// Why a mailbox could not be read.
enum class MailboxProblem
{
    None,
    BadAddress,            // not an imaps:// or imap:// address of a server
    CannotConnect,         // no answer, no such host, or the connection broke off
    LoginRefused,          // the user name or the password is wrong
    CertificateNotTrusted, // the server's certificate does not verify
    EncryptionRefused,     // an imap:// server elsewhere than this machine offers no STARTTLS
    FolderMissing,
    AnswerTooLarge, // the server sent more than any answer needs
    NoLibrary,      // libcurl is not installed
};

struct MailboxOutcome
{
    MailboxProblem problem = MailboxProblem::None;
    std::string detail; // what libcurl said, for the curious; may be empty

    bool ok() const { return problem == MailboxProblem::None; }
};

// The problem in the user's language, naming `server` or `folder` where it concerns them.
std::string MailboxProblemText(const MailboxOutcome& outcome, const std::string& server,
                               const std::string& folder);
