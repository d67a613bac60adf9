#pragma once

#include <string>
#include <string_view>
#include <vector>

// The web addresses written out in a plain text part ("https://…", "http://…"), each up to the
// first space, quote or angle bracket, without the punctuation that ends a sentence. At most
// `maxLinks` are taken.
std::vector<std::string> TextLinks(std::string_view text, size_t maxLinks);
