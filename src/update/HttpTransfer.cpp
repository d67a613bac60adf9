#include "update/HttpTransfer.h"

#include <chrono>

namespace {

struct TransferContext
{
    const CCurlLibrary& library;
    CURL* curl;
    const CHttpTransfer::BodyReceiver& receive;
    const std::atomic<bool>* cancel;
    bool receiverStopped = false;
};

long ResponseStatus(const CCurlLibrary& library, CURL* curl)
{
    long status = 0;
    return library.EasyGetinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK ? status : 0;
}

std::string TextInfo(const CCurlLibrary& library, CURL* curl, CURLINFO info)
{
    char* text = nullptr;
    return library.EasyGetinfo(curl, info, &text) == CURLE_OK && text ? text : "";
}

// Returning fewer bytes than offered makes libcurl abort the transfer.
size_t OnBody(char* data, size_t size, size_t count, void* user)
{
    auto& context = *static_cast<TransferContext*>(user);
    // An error page is not worth reading, however long it is.
    if (ResponseStatus(context.library, context.curl) != 200)
        return 0;
    const size_t bytes = size * count;
    if (context.receive({data, bytes}))
        return bytes;
    context.receiverStopped = true;
    return 0;
}

// libcurl calls this about once a second even while nothing arrives, and during the connect.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto& context = *static_cast<TransferContext*>(user);
    return context.cancel && context.cancel->load() ? 1 : 0;
}

} // namespace

CHttpTransfer::CHttpTransfer(const DownloadLimits& limits, const CCurlLibrary& library,
                             const std::atomic<bool>* cancel)
    : m_limits(limits), m_library(library), m_cancel(cancel)
{}

HttpTransferOutcome CHttpTransfer::Run(const std::string& url, const BodyReceiver& receive) const
{
    HttpTransferOutcome outcome;
    const CCurlLibrary::EasyHandle curl = m_library.EasyInit();
    if (!curl)
        return outcome;
    TransferContext context{m_library, curl.get(), receive, m_cancel};
    m_library.EasySetopt(curl.get(), CURLOPT_URL, url.c_str());
    m_library.EasySetopt(curl.get(), CURLOPT_WRITEFUNCTION, &OnBody);
    m_library.EasySetopt(curl.get(), CURLOPT_WRITEDATA, &context);
    m_library.EasySetopt(curl.get(), CURLOPT_XFERINFOFUNCTION, &OnProgress);
    m_library.EasySetopt(curl.get(), CURLOPT_XFERINFODATA, &context);
    m_library.EasySetopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
    ApplyOptions(curl.get());
    const auto started = std::chrono::steady_clock::now();
    // libcurl reports a body cut short of its Content-Length as CURLE_PARTIAL_FILE.
    outcome.code = m_library.EasyPerform(curl.get());
    // libcurl gives the same code to a stalled transfer and to one that ran out of time.
    outcome.deadlinePassed = outcome.code == CURLE_OPERATION_TIMEDOUT &&
                             std::chrono::steady_clock::now() - started >= m_limits.deadline;
    outcome.status = ResponseStatus(m_library, curl.get());
    outcome.effectiveUrl = TextInfo(m_library, curl.get(), CURLINFO_EFFECTIVE_URL);
    outcome.contentType = TextInfo(m_library, curl.get(), CURLINFO_CONTENT_TYPE);
    m_library.EasyGetinfo(curl.get(), CURLINFO_REDIRECT_COUNT, &outcome.redirects);
    outcome.receiverStopped = context.receiverStopped;
    return outcome;
}

void CHttpTransfer::ApplyOptions(CURL* curl) const
{
    // A moved resource is followed, as a browser would, but only to another web address.
    m_library.EasySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    m_library.EasySetopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    m_library.EasySetopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    m_library.EasySetopt(curl, CURLOPT_MAXREDIRS, 5L);
    m_library.EasySetopt(curl, CURLOPT_USERAGENT, kUserAgent);
    // Signals cannot be used to time out name lookups on a thread that is not the main one.
    m_library.EasySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    m_library.EasySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(m_limits.connectTimeout.count()));
    m_library.EasySetopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(m_limits.deadline.count()));
    m_library.EasySetopt(curl, CURLOPT_LOW_SPEED_LIMIT, m_limits.lowSpeedBytesPerSecond);
    m_library.EasySetopt(curl, CURLOPT_LOW_SPEED_TIME,
                         static_cast<long>(m_limits.lowSpeedTime.count()));
    // Stops a download whose announced length is too large before it starts; the receiver
    // stops one that announces nothing.
    m_library.EasySetopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(m_limits.maxBytes));
}
