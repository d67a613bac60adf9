#pragma once

#include <string>
#include <string_view>

// `bytes` of a text part written in `charset`, as UTF-8. An empty charset is US-ASCII or
// UTF-8. When the charset is unknown or the bytes are not what it says, every byte that is not
// valid UTF-8 becomes U+FFFD and `unknownCharset` is set: the addresses of a mail are ASCII
// and still read.
std::string TextToUtf8(std::string_view bytes, const std::string& charset, bool& unknownCharset);

// `text` with invalid UTF-8 sequences replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// `text` in lower case the Unicode way ("BESTÄTIGEN" is "bestätigen"), composed.
std::string LowerCaseUtf8(std::string_view text);

// `text` without spaces, tabs and line ends at either end.
std::string_view TrimmedSpaces(std::string_view text);
