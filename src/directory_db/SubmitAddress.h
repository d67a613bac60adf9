#pragma once

#include <string>
#include <string_view>

// True when `address` is an absolute http or https address (the scheme in any case) with a
// host. Only such a page is ever opened for a directory and filled: a list from elsewhere
// could otherwise point the profile at a file, a page made up in the address itself (data:)
// or the program's own pages.
bool IsWebAddress(std::string_view address);

// What the user is told when a directory's submission page is no web address.
std::string NotWebAddressMessage(const std::string& directory, const std::string& address);
