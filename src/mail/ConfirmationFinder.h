#pragma once

#include "mail/ConfirmationWords.h"
#include "mail/MailMessage.h"

#include <cstdint>
#include <string>
#include <vector>

// A directory the user submitted a feed to, whose confirmation mail may be on its way.
struct Submission
{
    std::string directory;   // as dirdata.xml names it
    std::string profile;     // as sv.dat names it
    std::string siteAddress; // the directory's submission page: its site is the mail's
    int64_t timeUtcMs = 0;
    std::string recipient; // the profile's e-mail address, when it has one
};

// A mail that asks to confirm a submission, with the link that does it.
struct ConfirmationMail
{
    std::string directory;
    std::string profile;
    std::string from;
    std::string subject;
    int64_t receivedUtcMs = 0;
    std::string link; // always a web address on the directory's own site

    bool operator==(const ConfirmationMail&) const = default;
};

// The submissions `message`, which arrived at `receivedUtcMs`, confirms: it asks to confirm
// and links to the directory's own site, and it arrived after the submission. A mail that only
// names a directory, links elsewhere or came earlier confirms nothing. Where several profiles
// were submitted to the directory, the one whose address the mail went to is taken, else the
// latest submission before the mail.
std::vector<ConfirmationMail> FindConfirmations(const MailMessage& message, int64_t receivedUtcMs,
                                                const std::vector<Submission>& submissions,
                                                const CConfirmationWords& words);
