#pragma once

#include "mail/MailLimits.h"
#include "mail/MailboxSettings.h"
#include "net/CurlLibrary.h"

#include <chrono>
#include <cstdint>
#include <string>

// Waits for new mail in the folder with IMAP IDLE, on a connection of its own that libcurl
// opens, secures and logs into as CImapMailbox does; the commands after the login go over it
// as they are. Every wait is bounded: an idle of at most kLongestIdle (servers drop a quiet
// connection after 30 minutes), a line of at most `limits.maxHeaderLineBytes`, kMaxLines lines
// a wait, `limits.exchangeTimeout` for each answer; `limits.stop` ends it within kStopCheck.
// Not for use from two threads at once.
class CImapIdle final
{
public:
    enum class Outcome
    {
        NewMail,    // a mail arrived since the last wait (or since the folder was selected)
        Quiet,      // the wait passed without one
        NotOffered, // the server does not offer IDLE: looking every so often must do
        Failed,     // the connection failed or the server answered wrongly; it is closed
        Stopped,    // `limits.stop` was set
    };

    static constexpr std::chrono::minutes kLongestIdle{25};
    static constexpr std::chrono::milliseconds kStopCheck{250};
    static constexpr int kMaxLines = 10000;

    CImapIdle(MailboxSettings settings, MailLimits limits,
              const CCurlLibrary& library = CCurlLibrary::Shared());
    CImapIdle(const CImapIdle&) = delete; // libcurl holds on to its limits
    CImapIdle& operator=(const CImapIdle&) = delete;

    // Connects and selects the folder when not connected yet, then idles until a mail arrives
    // or `wait` (at most kLongestIdle) has passed.
    Outcome WaitForMail(std::chrono::milliseconds wait);

private:
    using Clock = std::chrono::steady_clock;
    enum class Read
    {
        Line,
        Timeout,
        Failed,
        Stopped,
    };

    Outcome Connect();
    Outcome Idle(Clock::time_point until);
    // Sends a tagged command and reads up to its tagged answer; true when that is OK.
    Read Command(const std::string& command, bool& ok);
    bool Send(const std::string& text);
    Read ReadLine(std::string& line, Clock::time_point deadline);
    // Waits until the socket can be read (or written) or kStopCheck passed.
    void WaitForSocket(bool write, Clock::time_point deadline) const;
    // Follows the message count the server reports in an untagged answer.
    void Note(const std::string& line);
    // Closes the connection: Stopped when the window is closing, else Failed.
    Outcome Broken(Read read);
    Outcome Drop(Outcome outcome);

    MailboxSettings m_settings;
    MailLimits m_limits;
    const CCurlLibrary& m_library;
    CCurlLibrary::EasyHandle m_curl;
    curl_socket_t m_socket = CURL_SOCKET_BAD;
    std::string m_buffer;
    int m_tag = 0;
    int m_lines = 0;
    uint64_t m_exists = 0;   // the folder's count as last reported
    uint64_t m_reported = 0; // the count the last NewMail answered for
    bool m_idleOffered = false;
};
