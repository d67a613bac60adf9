#pragma once

#include "mail/MailLimits.h"
#include "mail/MailboxProblem.h"
#include "mail/MailboxSettings.h"
#include "net/CurlLibrary.h"

#include <cstdint>
#include <string>
#include <vector>

// A mail in the folder, as the server describes it before it is fetched.
struct ArrivedMail
{
    uint32_t uid = 0;
    int64_t receivedUtcMs = 0; // when the server took it in
    uint64_t size = 0;
    bool seen = false; // the user has read it
};

// libcurl's progress callback for a transfer that ends when the window closes: `limits` is the
// transfer's MailLimits.
int GoOnUnlessStopped(void* limits, curl_off_t, curl_off_t, curl_off_t, curl_off_t);

// One IMAP folder, read through libcurl over one connection that its calls share. Only
// imaps://, or imap:// with STARTTLS; imap:// without encryption only to this machine. A
// certificate that does not verify ends the connection. Each exchange is bounded by `limits`
// in time and size. Not for use from two threads at once.
class CImapMailbox final
{
public:
    CImapMailbox(MailboxSettings settings, MailLimits limits,
                 const CCurlLibrary& library = CCurlLibrary::Shared());

    // Logs in and makes sure the folder is there.
    MailboxOutcome Open();
    // The mails that arrived at or after `sinceUtcMs`, oldest first.
    MailboxOutcome ArrivedSince(int64_t sinceUtcMs, std::vector<ArrivedMail>& mails);
    // The whole message, as the server keeps it. Fetching marks a mail read on the server, so
    // a mail the user has not read yet is marked unread again.
    MailboxOutcome Fetch(const ArrivedMail& mail, std::string& bytes);

    const std::string& ServerAddress() const { return m_base; }
    // imap:// to this machine, where STARTTLS is used only when the server offers it.
    bool IsEncryptionOptional() const { return m_encryptionOptional; }

private:
    // Runs `command` (or fetches when it is empty) at `path` under the server's address and
    // keeps the answer in `answer`.
    MailboxOutcome Exchange(const std::string& path, const std::string& command,
                            std::string& answer);
    MailboxOutcome Failed(CURLcode code, bool sizeExceeded) const;

    MailboxSettings m_settings;
    MailLimits m_limits;
    const CCurlLibrary& m_library;
    std::string m_base; // "imaps://host:port", empty when the address is unusable
    bool m_encryptionOptional = false;
    CCurlLibrary::EasyHandle m_curl;
    bool m_folderChecked = false;
};
