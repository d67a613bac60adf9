#pragma once

#include "net/CurlLibrary.h"
#include "net/DownloadLimits.h"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

// How one GET ended.
struct HttpTransferOutcome
{
    CURLcode code = CURLE_FAILED_INIT;
    long status = 0;          // 0 when no answer came
    std::string effectiveUrl; // the address that answered last, after redirects
    long redirects = 0;
    std::string contentType; // as the server sent it, parameters included
    bool receiverStopped = false;
    bool deadlinePassed = false; // the whole transfer took longer than its limits allow

    // A complete answer with status 200.
    bool IsOk() const { return code == CURLE_OK && status == 200; }
};

// One GET over http or https with the program's limits and user agent, redirects followed.
// The body of any answer but 200 is not read. Runs on the calling thread.
class CHttpTransfer final
{
public:
    // Takes the body as it arrives; false stops the transfer.
    using BodyReceiver = std::function<bool(std::string_view bytes)>;

    // `library` must outlive the transfer, and so must `cancel` when given.
    CHttpTransfer(const DownloadLimits& limits, const CCurlLibrary& library,
                  const std::atomic<bool>* cancel = nullptr);

    // Requires library.IsAvailable().
    HttpTransferOutcome Run(const std::string& url, const BodyReceiver& receive) const;

private:
    DownloadLimits m_limits;
    const CCurlLibrary& m_library;
    const std::atomic<bool>* m_cancel;
};
