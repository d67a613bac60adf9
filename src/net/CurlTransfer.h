#pragma once

#include "net/CurlLibrary.h"
#include "net/DownloadLimits.h"

#include <chrono>
#include <string>

// The program's user agent: the one its directory sites have always seen.
inline constexpr const char* kUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 1.1.4322)";

// As browsers do: more than this many redirects, even without a loop, lead nowhere.
inline constexpr long kMaxRedirects = 20;

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

// The server libcurl connects to for `url`, as "host:port" with the host in lower case and the
// scheme's port when the address names none: one text for every way of writing one server
// (127.1, 0x7f000001 and 127.0.0.1; host:80 and host). The whole text when libcurl cannot read
// it as an address.
std::string ServerOf(const CCurlLibrary& library, const std::string& url);
