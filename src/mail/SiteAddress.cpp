#include "mail/SiteAddress.h"

#include "common/AsciiCase.h"
#include "mail/CurlUrl.h"

#include <algorithm>
#include <libpsl.h>

namespace {

bool IsNumeric(const std::string& host)
{
    return host.find(':') != std::string::npos || std::all_of(host.begin(), host.end(), [](char c) {
               return IsAsciiDigit(c) || c == '.';
           });
}

// The list the system keeps up to date, or the one libpsl was built with.
const psl_ctx_t* SuffixList()
{
    static const psl_ctx_t* const list = [] {
        const psl_ctx_t* latest = psl_latest(nullptr);
        return latest ? latest : psl_builtin();
    }();
    return list;
}

} // namespace

std::optional<std::string> WebHostOf(const std::string& address)
{
    const CCurlLibrary& library = CCurlLibrary::Shared();
    if (!library.IsAvailable())
        return std::nullopt;
    const CCurlLibrary::UrlHandle url = library.UrlInit();
    if (!url || library.UrlSet(url.get(), CURLUPART_URL, address.c_str(), 0) != CURLUE_OK)
        return std::nullopt;
    const std::string scheme = AsciiLowerCase(UrlPart(library, url.get(), CURLUPART_SCHEME));
    if (scheme != "http" && scheme != "https")
        return std::nullopt;
    std::string host = AsciiLowerCase(UrlPart(library, url.get(), CURLUPART_HOST));
    while (!host.empty() && host.back() == '.')
        host.pop_back();
    if (host.empty())
        return std::nullopt;
    return host;
}

bool IsSameSite(const std::string& linkHost, const std::string& siteHost)
{
    if (linkHost.empty() || siteHost.empty())
        return false;
    if (linkHost == siteHost)
        return true;
    if (IsNumeric(linkHost) || IsNumeric(siteHost) || !SuffixList())
        return false;
    const char* linkDomain = psl_registrable_domain(SuffixList(), linkHost.c_str());
    const char* siteDomain = psl_registrable_domain(SuffixList(), siteHost.c_str());
    return linkDomain && siteDomain && std::string_view(linkDomain) == siteDomain;
}
