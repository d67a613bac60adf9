#include "feeds/FeedFetcher.h"

#include "common/DurationText.h"
#include "common/TextCatalogue.h"
#include "net/HttpTransfer.h"

namespace {

std::string SizeInWords(uint64_t bytes)
{
    return bytes >= (uint64_t{1} << 20)
               ? FillIn(KESTRINE_TEXT("FeedCheck", "%1 MB"), {std::to_string(bytes >> 20)})
               : TranslatedText(KESTRINE_COUNT_TEXT("FeedCheck", "%n bytes"),
                                static_cast<int>(bytes));
}

std::string ErrorInWords(const HttpTransferOutcome& outcome, const DownloadLimits& limits)
{
    if (outcome.code == CURLE_FILESIZE_EXCEEDED ||
        (outcome.receiverStopped && outcome.status == 200))
        return FillIn(KESTRINE_TEXT("FeedCheck", "The answer is larger than %1."),
                      {SizeInWords(limits.maxBytes)});
    if (outcome.deadlinePassed)
        return FillIn(
            KESTRINE_TEXT("FeedCheck", "The server did not send the whole answer within %1."),
            {DurationInWords(limits.deadline)});
    if (outcome.status != 0 && outcome.status != 200)
        return FillIn(
            KESTRINE_TEXT("FeedCheck", "The server answered with status %1 instead of the feed."),
            {std::to_string(outcome.status)});
    switch (outcome.code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return KESTRINE_TEXT("FeedCheck", "This is not an http or https address.");
    case CURLE_COULDNT_RESOLVE_HOST:
        return KESTRINE_TEXT("FeedCheck", "The server name could not be found.");
    case CURLE_COULDNT_CONNECT:
        return KESTRINE_TEXT("FeedCheck", "The server could not be reached.");
    case CURLE_OPERATION_TIMEDOUT:
        return KESTRINE_TEXT("FeedCheck", "The server stopped answering.");
    case CURLE_TOO_MANY_REDIRECTS:
        return KESTRINE_TEXT("FeedCheck", "The address redirects too many times.");
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
        return KESTRINE_TEXT("FeedCheck", "A secure connection to the server could not be made.");
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
        return KESTRINE_TEXT("FeedCheck", "The server broke off its answer.");
    default:
        return FillIn(
            KESTRINE_TEXT("FeedCheck", "The feed could not be fetched (libcurl error %1)."),
            {std::to_string(static_cast<int>(outcome.code))});
    }
}

} // namespace

CFeedFetcher::CFeedFetcher(DownloadLimits limits, const CCurlLibrary& library)
    : m_limits(limits), m_library(library)
{}

FeedFetchResult CFeedFetcher::Fetch(const std::string& address,
                                    const std::atomic<bool>* cancel) const
{
    FeedFetchResult result;
    if (!m_library.IsAvailable()) {
        result.error =
            KESTRINE_TEXT("FeedCheck", "The network library (libcurl) could not be loaded.");
        return result;
    }
    const uint64_t maxBytes = m_limits.maxBytes;
    const CHttpTransfer transfer(m_limits, m_library, cancel);
    const HttpTransferOutcome outcome =
        transfer.Run(address, [&result, maxBytes](std::string_view bytes) {
            if (bytes.size() > maxBytes - result.bytes.size())
                return false;
            result.bytes.append(bytes);
            return true;
        });
    result.finalAddress = outcome.effectiveUrl.empty() ? address : outcome.effectiveUrl;
    result.redirects = outcome.redirects;
    result.cancelled = outcome.code == CURLE_ABORTED_BY_CALLBACK;
    result.ok = outcome.IsOk();
    if (result.cancelled)
        result.error = KESTRINE_TEXT("FeedCheck", "The check was cancelled.");
    else if (!result.ok)
        result.error = ErrorInWords(outcome, m_limits);
    if (!result.ok)
        result.bytes.clear();
    return result;
}
