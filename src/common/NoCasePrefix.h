#pragma once

#include <cctype>
#include <string_view>

// True when `text` starts with `lowerPrefix` in any letter case, as an address's scheme is
// compared ("HTTP://" is "http://"). `lowerPrefix` is ASCII in lower case.
inline bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix)
{
    if (text.size() < lowerPrefix.size())
        return false;
    for (size_t i = 0; i < lowerPrefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != lowerPrefix[i])
            return false;
    }
    return true;
}
