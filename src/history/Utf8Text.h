#pragma once

#include <string>
#include <string_view>

// True when `bytes` is well-formed UTF-8: no stray continuation bytes, overlong forms,
// surrogates or code points above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The text as UTF-8. Bytes that already are UTF-8 stay as they are; any other text is taken as
// Latin-1 as a whole, since a name that is not UTF-8 comes from an sv.dat or dirdata.xml
// written in an 8-bit code page, and Latin-1 maps every byte to a character.
std::string ToUtf8(std::string_view bytes);
