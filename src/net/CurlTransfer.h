#pragma once

#include "net/CurlLibrary.h"
#include "net/DownloadLimits.h"

#include <chrono>
#include <string>

// The program's user agent: the one its directory sites have always seen.
inline constexpr const char* kUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 1.1.4322)";

// What every transfer of the program shares: http and https only, redirects followed within
// them, the user agent, and `limits`.
void ApplyTransferOptions(const CCurlLibrary& library, CURL* curl, const DownloadLimits& limits);

// The status of the last answer so far; 0 before one came.
long ResponseStatus(const CCurlLibrary& library, CURL* curl);

// A text libcurl reports about the transfer (CURLINFO_EFFECTIVE_URL, CURLINFO_CONTENT_TYPE);
// empty when it has none.
std::string TransferText(const CCurlLibrary& library, CURL* curl, CURLINFO info);

// Whether a transfer that ended with `code` after `elapsed` hit `limits.deadline` rather than
// the low-speed limit: libcurl reports both as CURLE_OPERATION_TIMEDOUT.
bool PassedDeadline(CURLcode code, std::chrono::microseconds elapsed, const DownloadLimits& limits);
