#pragma once

#include <string>
#include <string_view>

// A name for a directory learnt from its page: the part of the page's title that names the
// site ("Submit your feed | Feed Haven" gives "Feed Haven"), else the host of its address
// ("www.example.org" gives "example.org"), made fit for a directory name.
std::string ProposeDirectoryName(std::string_view title, std::string_view address);
