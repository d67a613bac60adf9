#include "mail/ImapMailbox.h"

#include "common/AsciiCase.h"
#include "mail/CurlUrl.h"
#include "mail/ImapAnswer.h"

#include <algorithm>
#include <array>

namespace {

constexpr int64_t kDayMs = int64_t{24} * 60 * 60 * 1000;

struct AnswerSink
{
    std::string* answer;
    size_t maxBytes;
    bool exceeded = false;
};

size_t Receive(char* data, size_t size, size_t count, void* context)
{
    AnswerSink& sink = *static_cast<AnswerSink*>(context);
    const size_t bytes = size * count;
    if (sink.answer->size() + bytes > sink.maxBytes) {
        sink.exceeded = true;
        return 0; // libcurl ends the exchange
    }
    sink.answer->append(data, bytes);
    return bytes;
}

bool IsThisMachine(const std::string& host)
{
    return host == "127.0.0.1" || host == "[::1]" || host == "::1" || host == "localhost";
}

// A folder name in the address's path, where libcurl reads it back decoded.
std::string PathOf(const std::string& folder)
{
    std::string path = "/";
    constexpr char kHex[] = "0123456789ABCDEF";
    for (unsigned char c : folder) {
        if (IsAsciiLetter(static_cast<char>(c)) || IsAsciiDigit(static_cast<char>(c)) || c == '-' ||
            c == '.' || c == '_' || c == '~') {
            path += static_cast<char>(c);
        } else {
            path += '%';
            path += kHex[c >> 4];
            path += kHex[c & 15];
        }
    }
    return path;
}

// libcurl decodes %XX in a command as it does in an address.
std::string CommandText(const std::string& command)
{
    std::string text;
    for (char c : command)
        text += c == '%' ? std::string("%25") : std::string(1, c);
    return text;
}

} // namespace

int GoOnUnlessStopped(void* limits, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const MailLimits*>(limits)->Stopped() ? 1 : 0;
}

CImapMailbox::CImapMailbox(MailboxSettings settings, MailLimits limits, const CCurlLibrary& library)
    : m_settings(std::move(settings)), m_limits(limits), m_library(library),
      m_curl(nullptr, nullptr)
{
    if (!m_library.IsAvailable())
        return;
    const CCurlLibrary::UrlHandle url = m_library.UrlInit();
    if (!url ||
        m_library.UrlSet(url.get(), CURLUPART_URL, m_settings.server.c_str(), 0) != CURLUE_OK)
        return;
    const std::string scheme = AsciiLowerCase(UrlPart(m_library, url.get(), CURLUPART_SCHEME));
    const std::string host = AsciiLowerCase(UrlPart(m_library, url.get(), CURLUPART_HOST));
    const std::string path = UrlPart(m_library, url.get(), CURLUPART_PATH);
    // A password written into the address would end up where addresses are shown.
    if ((scheme != "imap" && scheme != "imaps") || host.empty() || (!path.empty() && path != "/") ||
        !UrlPart(m_library, url.get(), CURLUPART_USER).empty())
        return;
    const std::string port = UrlPart(m_library, url.get(), CURLUPART_PORT);
    m_base = scheme + "://" + host + (port.empty() ? "" : ":" + port);
    m_encryptionOptional = scheme == "imap" && IsThisMachine(host);
}

MailboxOutcome CImapMailbox::Open()
{
    if (!m_library.IsAvailable())
        return {MailboxProblem::NoLibrary, {}};
    if (m_base.empty() || m_settings.folder.find_first_of("\r\n") != std::string::npos)
        return {MailboxProblem::BadAddress, {}};
    std::string answer;
    MailboxOutcome outcome =
        Exchange("/", "STATUS " + QuotedMailboxName(m_settings.folder) + " (UIDNEXT)", answer);
    m_folderChecked = outcome.ok();
    return outcome;
}

MailboxOutcome CImapMailbox::ArrivedSince(int64_t sinceUtcMs, std::vector<ArrivedMail>& mails)
{
    mails.clear();
    if (!m_folderChecked)
        if (MailboxOutcome opened = Open(); !opened.ok())
            return opened;
    const std::string folder = PathOf(m_settings.folder);
    // SINCE counts whole days of the server's time zone: a day earlier misses none, and the
    // arrival times then tell exactly.
    std::string answer;
    if (MailboxOutcome searched =
            Exchange(folder, "UID SEARCH SINCE " + SearchDate(sinceUtcMs - kDayMs), answer);
        !searched.ok())
        return searched;
    std::vector<uint32_t> uids = SearchResult(answer);
    if (uids.empty())
        return {};
    std::sort(uids.begin(), uids.end());
    uids.erase(std::unique(uids.begin(), uids.end()), uids.end());
    // libcurl reads the lines of one answer as headers and refuses more than 300 KB of them,
    // counting some more than once: the descriptions are asked for a few at a time.
    constexpr size_t kDescriptionsPerExchange = 40;
    for (size_t first = 0; first < uids.size(); first += kDescriptionsPerExchange) {
        const std::vector<uint32_t> batch(
            uids.begin() + static_cast<std::ptrdiff_t>(first),
            uids.begin() + static_cast<std::ptrdiff_t>(
                               std::min(uids.size(), first + kDescriptionsPerExchange)));
        answer.clear();
        if (MailboxOutcome described = Exchange(
                folder, "UID FETCH " + UidSet(batch) + " (UID FLAGS INTERNALDATE RFC822.SIZE)",
                answer);
            !described.ok())
            return described;
        for (const ArrivedMail& mail : FetchedDescriptions(answer)) {
            if (mail.receivedUtcMs >= sinceUtcMs)
                mails.push_back(mail);
        }
    }
    std::sort(mails.begin(), mails.end(),
              [](const ArrivedMail& a, const ArrivedMail& b) { return a.uid < b.uid; });
    return {};
}

MailboxOutcome CImapMailbox::Fetch(const ArrivedMail& mail, std::string& bytes)
{
    bytes.clear();
    const std::string folder = PathOf(m_settings.folder);
    MailboxOutcome fetched = Exchange(folder + "/;UID=" + std::to_string(mail.uid), {}, bytes);
    if (!mail.seen) {
        std::string answer;
        Exchange(folder, "UID STORE " + std::to_string(mail.uid) + " -FLAGS.SILENT (\\Seen)",
                 answer);
    }
    return fetched;
}

MailboxOutcome CImapMailbox::Exchange(const std::string& path, const std::string& command,
                                      std::string& answer)
{
    if (!m_library.IsAvailable())
        return {MailboxProblem::NoLibrary, {}};
    if (m_base.empty())
        return {MailboxProblem::BadAddress, {}};
    if (m_limits.Stopped())
        return {MailboxProblem::CannotConnect, {}};
    if (!m_curl) {
        m_curl = m_library.EasyInit();
        if (!m_curl)
            return {MailboxProblem::NoLibrary, {}};
    }
    CURL* curl = m_curl.get();
    const bool fetch = command.empty();
    AnswerSink sink{&answer, fetch ? m_limits.maxMessageBytes : m_limits.maxAnswerBytes};
    std::array<char, CURL_ERROR_SIZE> error{};
    const std::string url = m_base + path;
    const std::string request = CommandText(command);
    m_library.EasySetopt(curl, CURLOPT_URL, url.c_str());
    m_library.EasySetopt(curl, CURLOPT_PROTOCOLS_STR, "imap,imaps");
    m_library.EasySetopt(curl, CURLOPT_USERNAME, m_settings.user.c_str());
    m_library.EasySetopt(curl, CURLOPT_PASSWORD, m_settings.password.c_str());
    m_library.EasySetopt(curl, CURLOPT_USE_SSL,
                         static_cast<long>(m_encryptionOptional ? CURLUSESSL_TRY : CURLUSESSL_ALL));
    m_library.EasySetopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    m_library.EasySetopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    m_library.EasySetopt(curl, CURLOPT_CUSTOMREQUEST, fetch ? nullptr : request.c_str());
    m_library.EasySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    m_library.EasySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(m_limits.connectTimeout.count()));
    m_library.EasySetopt(curl, CURLOPT_TIMEOUT_MS,
                         static_cast<long>(m_limits.exchangeTimeout.count()));
    m_library.EasySetopt(curl, CURLOPT_LOW_SPEED_LIMIT, m_limits.lowSpeedBytesPerSecond);
    m_library.EasySetopt(curl, CURLOPT_LOW_SPEED_TIME,
                         static_cast<long>(m_limits.lowSpeedTime.count()));
    m_library.EasySetopt(curl, CURLOPT_WRITEFUNCTION, &Receive);
    m_library.EasySetopt(curl, CURLOPT_WRITEDATA, &sink);
    m_library.EasySetopt(curl, CURLOPT_ERRORBUFFER, error.data());
    m_library.EasySetopt(curl, CURLOPT_NOPROGRESS, 0L);
    m_library.EasySetopt(curl, CURLOPT_XFERINFOFUNCTION, &GoOnUnlessStopped);
    m_library.EasySetopt(curl, CURLOPT_XFERINFODATA, &m_limits);
    const CURLcode code = m_library.EasyPerform(curl);
    m_library.EasySetopt(curl, CURLOPT_ERRORBUFFER, static_cast<char*>(nullptr));
    if (code == CURLE_OK)
        return {};
    MailboxOutcome outcome = Failed(code, sink.exceeded);
    outcome.detail = error.data();
    return outcome;
}

MailboxOutcome CImapMailbox::Failed(CURLcode code, bool sizeExceeded) const
{
    switch (code) {
    case CURLE_LOGIN_DENIED:
        return {MailboxProblem::LoginRefused, {}};
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        return {MailboxProblem::CertificateNotTrusted, {}};
    case CURLE_USE_SSL_FAILED:
        return {MailboxProblem::EncryptionRefused, {}};
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return {MailboxProblem::FolderMissing, {}};
    case CURLE_WRITE_ERROR:
        if (sizeExceeded)
            return {MailboxProblem::AnswerTooLarge, {}};
        break;
    default:
        break;
    }
    return {MailboxProblem::CannotConnect, {}};
}
