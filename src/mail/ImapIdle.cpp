#include "mail/ImapIdle.h"

#include "mail/ImapAnswer.h"
#include "mail/ImapMailbox.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <poll.h>
#include <string_view>

namespace {

bool StartsWith(std::string_view line, std::string_view start)
{
    return line.substr(0, start.size()) == start;
}

// "IDLE" among the words of a CAPABILITY answer.
bool OffersIdle(std::string_view line)
{
    for (size_t at = line.find(" IDLE"); at != std::string_view::npos;
         at = line.find(" IDLE", at + 1)) {
        const size_t end = at + 5;
        if (end == line.size() || line[end] == ' ')
            return true;
    }
    return false;
}

// "k7 " for command 7: what it is sent with and what its tagged answer starts with.
std::string TagOf(int number)
{
    std::string tag = "k";
    tag += std::to_string(number);
    tag += ' ';
    return tag;
}

// The tagged answer to the command of `tag`, and whether it is OK.
bool IsAnswer(std::string_view line, const std::string& tag, bool& ok)
{
    if (!StartsWith(line, tag))
        return false;
    ok = StartsWith(line.substr(tag.size()), "OK");
    return true;
}

std::string WithLineEnd(std::string text)
{
    text += "\r\n";
    return text;
}

} // namespace

CImapIdle::CImapIdle(MailboxSettings settings, MailLimits limits, const CCurlLibrary& library)
    : m_settings(std::move(settings)), m_limits(limits), m_library(library),
      m_curl(nullptr, nullptr)
{}

CImapIdle::Outcome CImapIdle::WaitForMail(std::chrono::milliseconds wait)
{
    m_lines = 0;
    if (!m_curl) {
        if (const Outcome connected = Connect(); connected != Outcome::Quiet)
            return connected;
    }
    // Reported while the last idle was being ended.
    if (m_exists > m_reported) {
        m_reported = m_exists;
        return Outcome::NewMail;
    }
    return Idle(Clock::now() + std::min<std::chrono::milliseconds>(wait, kLongestIdle));
}

CImapIdle::Outcome CImapIdle::Connect()
{
    if (!m_library.IsAvailable())
        return Outcome::Failed;
    // The address is read, and refused, as the mailbox reads it.
    const CImapMailbox mailbox(m_settings, m_limits, m_library);
    if (mailbox.ServerAddress().empty() ||
        m_settings.folder.find_first_of("\r\n") != std::string::npos)
        return Outcome::Failed;
    m_curl = m_library.EasyInit();
    if (!m_curl)
        return Outcome::Failed;
    CURL* curl = m_curl.get();
    const std::string url = mailbox.ServerAddress() + "/";
    m_library.EasySetopt(curl, CURLOPT_URL, url.c_str());
    m_library.EasySetopt(curl, CURLOPT_PROTOCOLS_STR, "imap,imaps");
    m_library.EasySetopt(curl, CURLOPT_USERNAME, m_settings.user.c_str());
    m_library.EasySetopt(curl, CURLOPT_PASSWORD, m_settings.password.c_str());
    m_library.EasySetopt(
        curl, CURLOPT_USE_SSL,
        static_cast<long>(mailbox.IsEncryptionOptional() ? CURLUSESSL_TRY : CURLUSESSL_ALL));
    m_library.EasySetopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    m_library.EasySetopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    m_library.EasySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    m_library.EasySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(m_limits.connectTimeout.count()));
    m_library.EasySetopt(curl, CURLOPT_NOPROGRESS, 0L);
    m_library.EasySetopt(curl, CURLOPT_XFERINFOFUNCTION, &GoOnUnlessStopped);
    m_library.EasySetopt(curl, CURLOPT_XFERINFODATA, &m_limits);
    // libcurl connects, secures and logs in; the rest is ours.
    m_library.EasySetopt(curl, CURLOPT_CONNECT_ONLY, 1L);
    if (m_library.EasyPerform(curl) != CURLE_OK ||
        m_library.EasyGetinfo(curl, CURLINFO_ACTIVESOCKET, &m_socket) != CURLE_OK ||
        m_socket == CURL_SOCKET_BAD)
        return Drop(Outcome::Failed);
    m_buffer.clear();
    m_idleOffered = false;
    bool ok = false;
    if (Read read = Command("CAPABILITY", ok); read != Read::Line || !ok)
        return Broken(read);
    if (!m_idleOffered)
        return Drop(Outcome::NotOffered);
    if (Read read = Command("SELECT " + QuotedMailboxName(m_settings.folder), ok);
        read != Read::Line || !ok)
        return Broken(read);
    m_reported = m_exists;
    return Outcome::Quiet;
}

CImapIdle::Outcome CImapIdle::Idle(Clock::time_point until)
{
    const std::string tag = TagOf(++m_tag);
    if (!Send(WithLineEnd(tag + "IDLE")))
        return Broken(Read::Failed);
    std::string line;
    bool ok = false;
    for (;;) {
        if (const Read read = ReadLine(line, Clock::now() + m_limits.exchangeTimeout);
            read != Read::Line)
            return Broken(read);
        if (StartsWith(line, "+"))
            break;
        if (IsAnswer(line, tag, ok))
            return Broken(Read::Failed); // refused after all
        Note(line);
    }
    while (m_exists <= m_reported) {
        const Read read = ReadLine(line, until);
        if (read == Read::Timeout)
            break;
        if (read != Read::Line || StartsWith(line, "* BYE"))
            return Broken(read == Read::Line ? Read::Failed : read);
        Note(line);
    }
    if (!Send("DONE\r\n"))
        return Broken(Read::Failed);
    for (;;) {
        if (const Read read = ReadLine(line, Clock::now() + m_limits.exchangeTimeout);
            read != Read::Line)
            return Broken(read);
        if (IsAnswer(line, tag, ok)) {
            if (!ok)
                return Broken(Read::Failed);
            break;
        }
        Note(line);
    }
    if (m_exists > m_reported) {
        m_reported = m_exists;
        return Outcome::NewMail;
    }
    return Outcome::Quiet;
}

CImapIdle::Read CImapIdle::Command(const std::string& command, bool& ok)
{
    const std::string tag = TagOf(++m_tag);
    if (!Send(WithLineEnd(tag + command)))
        return Read::Failed;
    std::string line;
    for (;;) {
        if (const Read read = ReadLine(line, Clock::now() + m_limits.exchangeTimeout);
            read != Read::Line)
            return read;
        if (IsAnswer(line, tag, ok))
            return Read::Line;
        Note(line);
    }
}

bool CImapIdle::Send(const std::string& text)
{
    const Clock::time_point deadline = Clock::now() + m_limits.exchangeTimeout;
    size_t done = 0;
    while (done < text.size()) {
        if (m_limits.Stopped() || Clock::now() >= deadline)
            return false;
        size_t sent = 0;
        const CURLcode code =
            m_library.EasySend(m_curl.get(), text.data() + done, text.size() - done, &sent);
        if (code == CURLE_AGAIN)
            WaitForSocket(true, deadline);
        else if (code == CURLE_OK)
            done += sent;
        else
            return false;
    }
    return true;
}

CImapIdle::Read CImapIdle::ReadLine(std::string& line, Clock::time_point deadline)
{
    for (;;) {
        if (const size_t end = m_buffer.find("\r\n"); end != std::string::npos) {
            line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 2);
            // A server that talks on and on is not waited for.
            return ++m_lines > kMaxLines ? Read::Failed : Read::Line;
        }
        if (m_buffer.size() > m_limits.maxHeaderLineBytes)
            return Read::Failed;
        if (m_limits.Stopped())
            return Read::Stopped;
        std::array<char, 4096> chunk{};
        size_t received = 0;
        const CURLcode code =
            m_library.EasyRecv(m_curl.get(), chunk.data(), chunk.size(), &received);
        if (code == CURLE_OK && received == 0)
            return Read::Failed; // the server closed the connection
        if (code == CURLE_OK) {
            m_buffer.append(chunk.data(), received);
            continue;
        }
        if (code != CURLE_AGAIN)
            return Read::Failed;
        if (Clock::now() >= deadline)
            return Read::Timeout;
        WaitForSocket(false, deadline);
    }
}

void CImapIdle::WaitForSocket(bool write, Clock::time_point deadline) const
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd socket{m_socket, static_cast<short>(write ? POLLOUT : POLLIN), 0};
    poll(&socket, 1,
         static_cast<int>(std::clamp(left, std::chrono::milliseconds(0), kStopCheck).count()));
}

void CImapIdle::Note(const std::string& line)
{
    if (StartsWith(line, "* CAPABILITY "))
        m_idleOffered = m_idleOffered || OffersIdle(line);
    if (!StartsWith(line, "* "))
        return;
    uint64_t count = 0;
    const char* end = line.data() + line.size();
    const auto [after, error] = std::from_chars(line.data() + 2, end, count);
    if (error != std::errc())
        return;
    const std::string_view rest(after, static_cast<size_t>(end - after));
    if (rest == " EXISTS") {
        m_exists = count;
    } else if (rest == " EXPUNGE" && m_exists > 0) {
        // A mail gone is not one come: the count to compare with goes down with it.
        --m_exists;
        m_reported = std::min(m_reported, m_exists);
    }
}

CImapIdle::Outcome CImapIdle::Broken(Read read)
{
    // A send cut short by the window closing is a stop too, not a failure.
    return Drop(read == Read::Stopped || m_limits.Stopped() ? Outcome::Stopped : Outcome::Failed);
}

CImapIdle::Outcome CImapIdle::Drop(Outcome outcome)
{
    m_curl.reset();
    m_socket = CURL_SOCKET_BAD;
    m_buffer.clear();
    return outcome;
}
