#include "net/CurlTransfer.h"

#include "common/AsciiCase.h"

void ApplyTransferOptions(const CCurlLibrary& library, CURL* curl, const DownloadLimits& limits)
{
    // A moved resource is followed, as a browser would, but only to another web address.
    library.EasySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    library.EasySetopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    library.EasySetopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    library.EasySetopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    library.EasySetopt(curl, CURLOPT_USERAGENT, kUserAgent);
    // Signals cannot be used to time out name lookups on a thread that is not the main one.
    library.EasySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    library.EasySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                       static_cast<long>(limits.connectTimeout.count()));
    library.EasySetopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.deadline.count()));
    library.EasySetopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
    library.EasySetopt(curl, CURLOPT_LOW_SPEED_TIME,
                       static_cast<long>(limits.lowSpeedTime.count()));
    // Stops a download whose announced length is too large before it starts; the receiver
    // stops one that announces nothing.
    if (!limits.firstBytesWillDo)
        library.EasySetopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                           static_cast<curl_off_t>(limits.maxBytes));
}

long ResponseStatus(const CCurlLibrary& library, CURL* curl)
{
    long status = 0;
    return library.EasyGetinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK ? status : 0;
}

std::string TransferText(const CCurlLibrary& library, CURL* curl, CURLINFO info)
{
    char* text = nullptr;
    return library.EasyGetinfo(curl, info, &text) == CURLE_OK && text ? text : "";
}

bool PassedDeadline(CURLcode code, std::chrono::microseconds elapsed, const DownloadLimits& limits)
{
    // libcurl's clock reads a little behind ours, and it rounds the deadline to milliseconds.
    constexpr std::chrono::milliseconds kSlack{50};
    return code == CURLE_OPERATION_TIMEDOUT && elapsed + kSlack >= limits.deadline;
}

std::string ServerOf(const CCurlLibrary& library, const std::string& url)
{
    const CCurlLibrary::UrlHandle handle = library.UrlInit();
    if (!handle || library.UrlSet(handle.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK)
        return url;
    const auto part = [&](CURLUPart which, unsigned int flags) {
        char* text = nullptr;
        if (library.UrlGet(handle.get(), which, &text, flags) != CURLUE_OK || !text)
            return std::string();
        std::string copy(text);
        library.Free(text);
        return copy;
    };
    // Host names are compared without regard to case, by libcurl as by DNS.
    return AsciiLowerCase(part(CURLUPART_HOST, 0)) + ":" + part(CURLUPART_PORT, CURLU_DEFAULT_PORT);
}
