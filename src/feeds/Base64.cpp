#include "feeds/Base64.h"

namespace {

int SextetOf(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+' || c == '-')
        return 62;
    if (c == '/' || c == '_')
        return 63;
    return -1;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

std::optional<std::string> DecodeBase64(std::string_view text)
{
    std::string out;
    out.reserve(text.size() / 4 * 3);
    unsigned buffer = 0;
    int bits = 0;
    bool padding = false;
    for (const char c : text) {
        if (IsSpace(c))
            continue;
        if (c == '=') {
            padding = true;
            continue;
        }
        const int sextet = SextetOf(c);
        if (sextet < 0 || padding)
            return std::nullopt;
        buffer = (buffer << 6) | static_cast<unsigned>(sextet);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}
