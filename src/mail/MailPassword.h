#pragma once

#include "mail/MailConfig.h"

#include <chrono>
#include <string>

// The password of a mailbox, or why there is none.
struct PasswordOutcome
{
    bool found = false;
    std::string password;
    std::string problem; // in the user's language, when not found
};

// The first line `command` prints, run by /bin/sh with nothing on its input. A command that
// fails, prints nothing or takes longer than `timeout` gives no password; what it prints is
// never shown.
PasswordOutcome RunPasswordCommand(const std::string& command,
                                   std::chrono::milliseconds timeout = std::chrono::seconds(30));

// The password kept for `config`'s server and user in the desktop's secret store (Secret
// Service), which may ask the user to unlock it.
PasswordOutcome LookUpStoredPassword(const MailConfig& config);
// Keeps `password` there, replacing the one kept before; false with `problem` set on failure.
bool StorePassword(const MailConfig& config, const std::string& password, std::string& problem);

// The password command's, when the configuration has one, else the secret store's.
PasswordOutcome FindPassword(const MailConfig& config);
