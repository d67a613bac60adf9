#pragma once

#include "net/CurlLibrary.h"
#include "net/DownloadLimits.h"
#include "update/DownloadSink.h"
#include "update/UpdateResult.h"

#include <atomic>
#include <string>

// Fetches a new directory database over HTTP and puts it in place of the old one. The answer
// first goes to a temporary file; the database file is replaced, in one atomic step, only by
// a complete answer with status 200 that is a directory database.
class CDatabaseDownloader final
{
public:
    // `library` must outlive the downloader.
    explicit CDatabaseDownloader(DownloadLimits limits = DownloadLimits::ForUpdate(),
                                 const CCurlLibrary& library = CCurlLibrary::Shared());

    // Called on the downloading thread as bytes arrive.
    void SetProgressCallback(DownloadProgress progress);

    // The answer passes through a temporary file in `temporaryFolder`, removed afterwards.
    // kUpdateInternalError (nothing attempted) when `url` or `destination` is empty;
    // kUpdateFailed, with nothing written, when libcurl cannot be loaded; kUpdateCancelled
    // soon after *cancel becomes true, when given, with the database file untouched.
    UpdateResult Download(const std::string& url, const std::string& destination,
                          const std::string& temporaryFolder,
                          const std::atomic<bool>* cancel = nullptr) const;

private:
    UpdateResult Transfer(const std::string& url, CDownloadSink& sink,
                          const std::atomic<bool>* cancel) const;

    DownloadLimits m_limits;
    const CCurlLibrary& m_library;
    DownloadProgress m_progress;
};
