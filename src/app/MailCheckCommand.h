#pragma once

#include "mail/MailLimits.h"

#include <cstdint>
#include <ostream>
#include <string>

struct MailCheckCommand
{
    bool json = false;
    std::string dataFolder; // --data-dir, empty for the usual folder
};

// "kestrine --check-mail [--json]": looks once into the mailbox of kestrine.conf's [mail] for
// the confirmation mails of the submissions of the last two days, prints them to `out` and
// returns the exit status: 0, or 1 when the mailbox cannot be read (the reason on `err`).
// `nowUtcMs` 0 is the system clock's now.
int RunMailCheck(const MailCheckCommand& command, std::ostream& out, std::ostream& err,
                 const MailLimits& limits = {}, int64_t nowUtcMs = 0);
