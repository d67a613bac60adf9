#include "page_filling/CaseFolding.h"

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// The code point that starts at `text[at]`, advancing `at` past it; kInvalid (and one byte)
// for a malformed sequence.
char32_t DecodeOne(std::string_view text, size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length - 1 > text.size())
        return kInvalid;
    char32_t code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i - 1]);
        if ((next & 0xC0) != 0x80)
            return kInvalid;
        code = (code << 6) | (next & 0x3F);
    }
    at += length - 1;
    return code;
}

} // namespace

char32_t LowerCodePoint(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    if (c == 0x178) // Y with diaeresis, whose small letter is in Latin-1
        return 0xFF;
    // Latin Extended-A pairs each capital with the small letter after it; the two runs between
    // 0x139 and 0x148 and from 0x179 start the pairs on an odd code point.
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x178)
        return (c % 2 == (oddPairs ? 1u : 0u)) ? c + 1 : c;
    if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    return c;
}

std::u32string FoldCase(std::string_view text)
{
    std::u32string folded;
    folded.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = at;
        const char32_t code = DecodeOne(text, at);
        // A stray byte keeps its identity without passing for a letter.
        folded.push_back(code == kInvalid ? 0x110000 + static_cast<unsigned char>(text[start])
                                          : LowerCodePoint(code));
    }
    return folded;
}
