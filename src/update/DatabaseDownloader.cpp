#include "update/DatabaseDownloader.h"

#include "common/AtomicFileWriter.h"
#include "directory_db/UntrustedXml.h"
#include "update/CurlGlobal.h"
#include "update/UpdateUrl.h"

#include <curl/curl.h>
#include <filesystem>
#include <memory>
#include <utility>

namespace {

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

struct TransferContext
{
    CURL* curl;
    CDownloadSink& sink;
};

bool IsStatusOk(CURL* curl)
{
    long status = 0;
    return curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status == 200;
}

// Returning fewer bytes than offered makes libcurl abort the transfer.
size_t OnBody(char* data, size_t size, size_t count, void* user)
{
    auto& context = *static_cast<TransferContext*>(user);
    // An error page is not worth reading, however long it is.
    if (!IsStatusOk(context.curl))
        return 0;
    const size_t bytes = size * count;
    return context.sink.Receive({data, bytes}) ? bytes : 0;
}

void ApplyLimits(CURL* curl, const DownloadLimits& limits)
{
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.lowSpeedTime.count()));
    // Stops a download whose announced length is too large before it starts; the sink stops
    // one that announces nothing.
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
}

} // namespace

CDatabaseDownloader::CDatabaseDownloader(DownloadLimits limits) : m_limits(limits) {}

void CDatabaseDownloader::SetProgressCallback(DownloadProgress progress)
{
    m_progress = std::move(progress);
}

std::string CDatabaseDownloader::DefaultTemporaryPath()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return ((error ? std::filesystem::path("/tmp") : folder) / "ddupdate.xml").string();
}

UpdateResult CDatabaseDownloader::Download(const std::string& url, const std::string& destination,
                                           const std::string& temporaryPath) const
{
    if (url.empty() || destination.empty())
        return kUpdateInternalError;
    CDownloadSink sink(m_limits.maxBytes, m_progress);
    if (!sink.Open(temporaryPath))
        return kUpdateFailed;
    const UpdateUrl parts = SplitUpdateUrl(url);
    const bool transferred = Transfer("http://" + parts.host + parts.path, sink);
    if (!sink.Finish() || !transferred || sink.Bytes().empty())
        return kUpdateFailed;
    if (!IsDirectoryDatabaseDocument(sink.Bytes()))
        return kUpdateFailed;
    return CAtomicFileWriter().Write(destination, sink.Bytes()).ok ? kUpdateSucceeded
                                                                   : kUpdateFailed;
}

bool CDatabaseDownloader::Transfer(const std::string& url, CDownloadSink& sink) const
{
    if (!EnsureCurlGlobalInit())
        return false;
    CurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return false;
    TransferContext context{curl.get(), sink};
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    // A moved database is followed, as a browser would, but only to another web address.
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl.get(), CURLOPT_USERAGENT, kUserAgent);
    // Signals cannot be used to time out name lookups on a thread that is not the main one.
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &OnBody);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &context);
    ApplyLimits(curl.get(), m_limits);
    // libcurl reports a body cut short of its Content-Length as CURLE_PARTIAL_FILE.
    return curl_easy_perform(curl.get()) == CURLE_OK && IsStatusOk(curl.get());
}
