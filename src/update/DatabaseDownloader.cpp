#include "update/DatabaseDownloader.h"

#include "common/AtomicFileWriter.h"
#include "directory_db/UntrustedXml.h"
#include "update/UpdateUrl.h"

#include <filesystem>
#include <utility>

namespace {

struct TransferContext
{
    const CCurlLibrary& library;
    CURL* curl;
    CDownloadSink& sink;
};

bool IsStatusOk(const CCurlLibrary& library, CURL* curl)
{
    long status = 0;
    return library.EasyGetinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status == 200;
}

// Returning fewer bytes than offered makes libcurl abort the transfer.
size_t OnBody(char* data, size_t size, size_t count, void* user)
{
    auto& context = *static_cast<TransferContext*>(user);
    // An error page is not worth reading, however long it is.
    if (!IsStatusOk(context.library, context.curl))
        return 0;
    const size_t bytes = size * count;
    return context.sink.Receive({data, bytes}) ? bytes : 0;
}

void ApplyLimits(const CCurlLibrary& library, CURL* curl, const DownloadLimits& limits)
{
    library.EasySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                       static_cast<long>(limits.connectTimeout.count()));
    library.EasySetopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
    library.EasySetopt(curl, CURLOPT_LOW_SPEED_TIME,
                       static_cast<long>(limits.lowSpeedTime.count()));
    // Stops a download whose announced length is too large before it starts; the sink stops
    // one that announces nothing.
    library.EasySetopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
}

} // namespace

CDatabaseDownloader::CDatabaseDownloader(DownloadLimits limits, const CCurlLibrary& library)
    : m_limits(limits), m_library(library)
{}

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
    if (!m_library.IsAvailable())
        return kUpdateFailed;
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
    const CCurlLibrary::EasyHandle curl = m_library.EasyInit();
    if (!curl)
        return false;
    TransferContext context{m_library, curl.get(), sink};
    m_library.EasySetopt(curl.get(), CURLOPT_URL, url.c_str());
    // A moved database is followed, as a browser would, but only to another web address.
    m_library.EasySetopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    m_library.EasySetopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    m_library.EasySetopt(curl.get(), CURLOPT_MAXREDIRS, 5L);
    m_library.EasySetopt(curl.get(), CURLOPT_USERAGENT, kUserAgent);
    // Signals cannot be used to time out name lookups on a thread that is not the main one.
    m_library.EasySetopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    m_library.EasySetopt(curl.get(), CURLOPT_WRITEFUNCTION, &OnBody);
    m_library.EasySetopt(curl.get(), CURLOPT_WRITEDATA, &context);
    ApplyLimits(m_library, curl.get(), m_limits);
    // libcurl reports a body cut short of its Content-Length as CURLE_PARTIAL_FILE.
    return m_library.EasyPerform(curl.get()) == CURLE_OK && IsStatusOk(m_library, curl.get());
}
