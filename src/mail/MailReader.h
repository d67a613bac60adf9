#pragma once

#include "mail/MailLimits.h"
#include "mail/MailMessage.h"

#include <string_view>

// Reads one message as it came from the server (RFC 5322, MIME), decoding multipart bodies,
// quoted-printable and base64, charsets and encoded headers. Never fails: what cannot be read
// within `limits` is left out and named in the message's notes. Safe to call from any thread.
MailMessage ReadMail(std::string_view bytes, const MailLimits& limits = {});
