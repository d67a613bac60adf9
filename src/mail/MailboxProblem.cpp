#include "mail/MailboxProblem.h"

#include "common/TextCatalogue.h"

std::string MailboxProblemText(const MailboxOutcome& outcome, const std::string& server,
                               const std::string& folder)
{
    switch (outcome.problem) {
    case MailboxProblem::None:
        return {};
    case MailboxProblem::BadAddress:
        return FillIn(KESTRINE_TEXT("Mailbox", "%1 is not the address of a mail server (write "
                                               "imaps://host or imap://host)"),
                      {server});
    case MailboxProblem::CannotConnect:
        return FillIn(KESTRINE_TEXT("Mailbox", "cannot connect to %1"), {server});
    case MailboxProblem::LoginRefused:
        return FillIn(KESTRINE_TEXT("Mailbox", "login refused by %1: check the user name and "
                                               "the password"),
                      {server});
    case MailboxProblem::CertificateNotTrusted:
        return FillIn(KESTRINE_TEXT("Mailbox", "the certificate of %1 is not trusted"), {server});
    case MailboxProblem::EncryptionRefused:
        return FillIn(KESTRINE_TEXT("Mailbox", "%1 does not offer an encrypted connection"),
                      {server});
    case MailboxProblem::FolderMissing:
        return FillIn(KESTRINE_TEXT("Mailbox", "the folder %1 is missing on %2"), {folder, server});
    case MailboxProblem::AnswerTooLarge:
        return FillIn(KESTRINE_TEXT("Mailbox", "%1 sent more than any answer needs; it was not "
                                               "read further"),
                      {server});
    case MailboxProblem::NoLibrary:
        return KESTRINE_TEXT("Mailbox", "the mailbox cannot be read: libcurl is missing");
    }
    return {};
}
