#pragma once

#include "common/DataFolder.h"
#include "mail/MailCheck.h"
#include "mail/MailConfig.h"

#include <cstdint>
#include <functional>
#include <string>

// What one look into the mailbox of a data folder's kestrine.conf found, for the submissions
// its history.sqlite holds of the two days before `nowUtcMs`.
struct MailLook
{
    enum class Stopped
    {
        No,
        NotSetUp,          // [mail] names no server and user: nothing to look into
        NoPassword,        // neither the password command nor the secret store gave one
        HistoryUnreadable, // the submissions are not known
        Mailbox,           // the mailbox could not be read: report.outcome says why
    };

    Stopped stopped = Stopped::No;
    std::string problem; // why it stopped, in the user's language; empty when it did not
    MailConfig config;
    size_t submissions = 0; // of the two days, whose mails were looked for
    MailCheckReport report;
};

// Without recent submissions the mailbox is only logged into when `evenWithoutSubmissions`
// (to tell whether it can be read at all).
MailLook LookIntoMailbox(const DataFolder& folder, int64_t nowUtcMs, const MailLimits& limits,
                         bool evenWithoutSubmissions = true);

// Waits on the data folder's mailbox with IMAP IDLE and calls `arrived` (on this thread) for
// each new mail, and once when it starts waiting, for what came before; until `limits.stop`.
// Returns at once when no mailbox is set up or no password is found, and when the server does
// not offer IDLE or the connection fails: looking every so often must do then.
void WatchForNewMail(const DataFolder& folder, const MailLimits& limits,
                     const std::function<void()>& arrived);
