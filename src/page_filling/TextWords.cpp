#include "page_filling/TextWords.h"

#include "page_filling/CaseFolding.h"

#include <cstdint>

namespace {

enum class Kind
{
    Separator,
    Lower,
    Upper,
    Digit,
};

struct Letter
{
    std::string folded; // lower case, without accent
    Kind kind;
};

// Latin-1 supplement letters U+00C0 … U+00FF without their accents; '\0' for the two
// that are no letters (× and ÷).
constexpr char kLatin1Base[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"
                               "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";

// Latin Extended-A, U+0100 … U+017F, without accents: each capital and its small letter in turn.
constexpr char kLatinExtendedABase[] = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii"
                                       "iijjkkkllllllllllnnnnnnnnnooooooo"
                                       "orrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(sizeof(kLatinExtendedABase) == 0x80 + 1);

std::string Utf8(uint32_t code)
{
    std::string bytes;
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
    return bytes;
}

// Letters beyond Latin-1: Latin ones lose their accents, others (Greek, Cyrillic) are put in
// lower case; "ё" is read as "е", as Russian writing often does.
Letter ClassifyWideLetter(uint32_t code)
{
    const uint32_t lower = LowerCodePoint(code);
    const Kind kind = lower != code ? Kind::Upper : Kind::Lower;
    if (code >= 0x100 && code <= 0x17F) {
        if (code == 0x132 || code == 0x133)
            return {"ij", kind};
        if (code == 0x152 || code == 0x153)
            return {"oe", kind};
        return {std::string(1, kLatinExtendedABase[code - 0x100]), kind};
    }
    if (code >= 0x218 && code <= 0x21B) // Romanian s and t with comma below
        return {code < 0x21A ? "s" : "t", code % 2 == 0 ? Kind::Upper : Kind::Lower};
    if (lower == 0x451)
        return {Utf8(0x435), kind};
    return {Utf8(lower), kind};
}

Letter ClassifyCodePoint(uint32_t code)
{
    if (code >= '0' && code <= '9')
        return {std::string(1, static_cast<char>(code)), Kind::Digit};
    if (code >= 'a' && code <= 'z')
        return {std::string(1, static_cast<char>(code)), Kind::Lower};
    if (code >= 'A' && code <= 'Z')
        return {std::string(1, static_cast<char>(code - 'A' + 'a')), Kind::Upper};
    if (code == 0xDF)
        return {"ss", Kind::Lower};
    if (code >= 0xC0 && code <= 0xFF && kLatin1Base[code - 0xC0] != '\0')
        return {std::string(1, kLatin1Base[code - 0xC0]), code < 0xE0 ? Kind::Upper : Kind::Lower};
    // General and CJK punctuation (dashes, curly quotes, ideographic spaces) and the full-width
    // forms' punctuation part words.
    if ((code >= 0x2000 && code <= 0x206F) || (code >= 0x3000 && code <= 0x303F) ||
        (code >= 0xFF01 && code <= 0xFF0F) || (code >= 0xFF1A && code <= 0xFF20) ||
        (code >= 0xFF3B && code <= 0xFF40) || (code >= 0xFF5B && code <= 0xFF65))
        return {{}, Kind::Separator};
    // Letters of other scripts still make up words.
    if (code >= 0x100)
        return ClassifyWideLetter(code);
    return {{}, Kind::Separator};
}

// Decodes the code point at `at` and moves past it; a broken sequence reads as one separator.
uint32_t NextCodePoint(std::string_view text, size_t& at, size_t& length)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size()) {
        ++at;
        length = 1;
        return 0;
    }
    uint32_t code = length == 1 ? byte : byte & (0x3F >> (length - 1));
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            length = 1;
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    at += length;
    return code;
}

bool StartsNewWord(Kind previous, Kind current)
{
    if (previous == Kind::Separator)
        return false;
    if ((previous == Kind::Digit) != (current == Kind::Digit))
        return true;
    return previous == Kind::Lower && current == Kind::Upper;
}

} // namespace

std::vector<std::string> TextWords(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    Kind previous = Kind::Separator;
    for (size_t at = 0; at < text.size();) {
        const size_t start = at;
        size_t length = 0;
        const uint32_t code = NextCodePoint(text, at, length);
        Letter letter = ClassifyCodePoint(code);
        if (letter.kind != Kind::Separator && letter.folded.empty())
            letter.folded = std::string(text.substr(start, length));
        if (letter.kind == Kind::Separator || StartsNewWord(previous, letter.kind)) {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        }
        word += letter.folded;
        previous = letter.kind;
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}
