#include "history/Utf8Text.h"

#include <cstdint>

namespace {

// The number of continuation bytes a lead byte announces and the smallest code point that
// form may carry; 0 continuation bytes with a zero minimum marks a byte that cannot lead.
struct LeadByte
{
    int continuations;
    uint32_t minimum;
    uint32_t bits;
};

LeadByte Classify(unsigned char byte)
{
    if (byte < 0x80)
        return {0, 0, byte};
    if ((byte & 0xE0) == 0xC0)
        return {1, 0x80, byte & 0x1Fu};
    if ((byte & 0xF0) == 0xE0)
        return {2, 0x800, byte & 0x0Fu};
    if ((byte & 0xF8) == 0xF0)
        return {3, 0x10000, byte & 0x07u};
    return {-1, 0, 0};
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    for (size_t index = 0; index < bytes.size();) {
        const LeadByte lead = Classify(static_cast<unsigned char>(bytes[index++]));
        if (lead.continuations < 0 ||
            bytes.size() - index < static_cast<size_t>(lead.continuations))
            return false;
        uint32_t codePoint = lead.bits;
        for (int count = 0; count < lead.continuations; ++count) {
            const auto byte = static_cast<unsigned char>(bytes[index++]);
            if ((byte & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (byte & 0x3Fu);
        }
        if (codePoint < lead.minimum || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
    }
    return true;
}

std::string ToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            text += byte;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}
