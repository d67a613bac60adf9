#include "update/DatabaseDownloader.h"

#include "common/AtomicFileWriter.h"
#include "directory_db/DirectoryScan.h"
#include "net/HttpTransfer.h"
#include "update/UpdateUrl.h"

#include <utility>

CDatabaseDownloader::CDatabaseDownloader(DownloadLimits limits, const CCurlLibrary& library)
    : m_limits(limits), m_library(library)
{}

void CDatabaseDownloader::SetProgressCallback(DownloadProgress progress)
{
    m_progress = std::move(progress);
}

UpdateResult CDatabaseDownloader::Download(const std::string& url, const std::string& destination,
                                           const std::string& temporaryFolder,
                                           const std::atomic<bool>* cancel) const
{
    if (url.empty() || destination.empty())
        return kUpdateInternalError;
    if (!m_library.IsAvailable())
        return kUpdateFailed;
    CDownloadSink sink(m_limits.maxBytes, m_progress);
    if (!sink.Open(temporaryFolder))
        return kUpdateFailed;
    const UpdateUrl parts = SplitUpdateUrl(url);
    const UpdateResult transferred =
        Transfer(parts.scheme + "://" + parts.host + parts.path, sink, cancel);
    if (!sink.Finish() || transferred != kUpdateSucceeded || sink.Bytes().empty())
        return transferred == kUpdateCancelled ? kUpdateCancelled : kUpdateFailed;
    if (!IsDirectoryDatabaseDocument(sink.Bytes()))
        return kUpdateFailed;
    // The last moment a cancel can still keep the old database.
    if (cancel && cancel->load())
        return kUpdateCancelled;
    return CAtomicFileWriter().Write(destination, sink.Bytes()).ok ? kUpdateSucceeded
                                                                   : kUpdateFailed;
}

UpdateResult CDatabaseDownloader::Transfer(const std::string& url, CDownloadSink& sink,
                                           const std::atomic<bool>* cancel) const
{
    const CHttpTransfer transfer(m_limits, m_library, cancel);
    const HttpTransferOutcome outcome =
        transfer.Run(url, [&sink](std::string_view bytes) { return sink.Receive(bytes); });
    if (outcome.code == CURLE_ABORTED_BY_CALLBACK)
        return kUpdateCancelled;
    return outcome.IsOk() ? kUpdateSucceeded : kUpdateFailed;
}
