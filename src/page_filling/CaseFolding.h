#pragma once

#include <string>
#include <string_view>

// `text` (UTF-8) as code points in lower case, for comparing without regard to case. Covers the
// Latin, Greek and Cyrillic letters that directory names are written in; any other code point,
// and any byte that is not valid UTF-8, stays as it is.
std::u32string FoldCase(std::string_view text);

// One code point in lower case, by the same rules.
char32_t LowerCodePoint(char32_t code);
