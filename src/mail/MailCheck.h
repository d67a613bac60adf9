#pragma once

#include "mail/ConfirmationFinder.h"
#include "mail/ConfirmationWords.h"
#include "mail/ImapMailbox.h"
#include "mail/MailLimits.h"

#include <string>
#include <vector>

// What one look into the mailbox found.
struct MailCheckReport
{
    MailboxOutcome outcome; // not ok: the mailbox could not be read (to the end)
    std::vector<ConfirmationMail> confirmations; // in the order the mails arrived
    std::vector<std::string> notes;              // mails left unread, and why
};

// Looks once into `mailbox` for the confirmation mails of `submissions`: only mails that
// arrived after the earliest of them are fetched, each within `limits`. A mail that cannot be
// read is left with a note; a mailbox that cannot be read ends the look.
MailCheckReport
CheckForConfirmations(CImapMailbox& mailbox, const std::vector<Submission>& submissions,
                      const MailLimits& limits,
                      const CConfirmationWords& words = CConfirmationWords::BuiltIn());
