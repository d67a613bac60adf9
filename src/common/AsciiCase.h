#pragma once

#include <string>
#include <string_view>

// Letter case and classes of protocol text: HTML names, media types, header names, host names,
// schemes, dates of feeds. These are ASCII's alone. The C library's tolower and isalpha follow
// the locale the window sets, and under a Turkish one 'I' has no lower case of one byte, so
// "RSS+XML" would not be "rss+xml": nothing here looks at the locale.

constexpr char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool IsAsciiLetter(char c)
{
    return AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z';
}

constexpr bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool IsAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline std::string AsciiLowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = AsciiLower(c);
    return lower;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// True when `text` starts with `prefix` in any letter case ("HTTP://" starts with "http://").
inline bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}
