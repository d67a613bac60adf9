#include "net/HttpTransfer.h"

#include "net/CurlTransfer.h"

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
    ApplyTransferOptions(m_library, curl.get(), m_limits);
    const auto started = std::chrono::steady_clock::now();
    // libcurl reports a body cut short of its Content-Length as CURLE_PARTIAL_FILE.
    outcome.code = m_library.EasyPerform(curl.get());
    outcome.deadlinePassed = PassedDeadline(outcome.code,
                                            std::chrono::duration_cast<std::chrono::microseconds>(
                                                std::chrono::steady_clock::now() - started),
                                            m_limits);
    outcome.status = ResponseStatus(m_library, curl.get());
    outcome.effectiveUrl = TransferText(m_library, curl.get(), CURLINFO_EFFECTIVE_URL);
    outcome.contentType = TransferText(m_library, curl.get(), CURLINFO_CONTENT_TYPE);
    m_library.EasyGetinfo(curl.get(), CURLINFO_REDIRECT_COUNT, &outcome.redirects);
    outcome.receiverStopped = context.receiverStopped;
    return outcome;
}
