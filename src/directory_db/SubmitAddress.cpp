#include "directory_db/SubmitAddress.h"

#include "common/AsciiCase.h"
#include "common/TextCatalogue.h"

namespace {

// The host of an authority "user@host:port", without the user and the port.
std::string_view HostOf(std::string_view authority)
{
    const size_t at = authority.rfind('@');
    if (at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    // An IPv6 literal holds colons of its own.
    const size_t closing = authority.rfind(']');
    const size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && (closing == std::string_view::npos || colon > closing))
        authority = authority.substr(0, colon);
    return authority;
}

} // namespace

bool IsWebAddress(std::string_view address)
{
    std::string_view rest;
    if (StartsWithNoCase(address, "http://"))
        rest = address.substr(7);
    else if (StartsWithNoCase(address, "https://"))
        rest = address.substr(8);
    else
        return false;
    // Browsers take a backslash for a slash in web addresses.
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#\\"));
    const std::string_view host = HostOf(authority);
    return !host.empty() && host.find_first_of(" \t\r\n") == std::string_view::npos;
}

std::string NotWebAddressMessage(const std::string& directory, const std::string& address)
{
    return FillIn(KESTRINE_TEXT("DirectoryDatabase", "The submission page of \"%1\" cannot be "
                                                     "opened: \"%2\" is not a web address."),
                  {directory, address});
}
