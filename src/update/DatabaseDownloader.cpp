#include "update/DatabaseDownloader.h"

#include "common/AtomicFileWriter.h"
#include "directory_db/DirectoryScan.h"
#include "update/HttpTransfer.h"
#include "update/UpdateUrl.h"

#include <filesystem>
#include <utility>

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
    const bool transferred = Transfer(parts.scheme + "://" + parts.host + parts.path, sink);
    if (!sink.Finish() || !transferred || sink.Bytes().empty())
        return kUpdateFailed;
    if (!IsDirectoryDatabaseDocument(sink.Bytes()))
        return kUpdateFailed;
    return CAtomicFileWriter().Write(destination, sink.Bytes()).ok ? kUpdateSucceeded
                                                                   : kUpdateFailed;
}

bool CDatabaseDownloader::Transfer(const std::string& url, CDownloadSink& sink) const
{
    const CHttpTransfer transfer(m_limits, m_library);
    return transfer.Run(url, [&sink](std::string_view bytes) { return sink.Receive(bytes); })
        .IsOk();
}
