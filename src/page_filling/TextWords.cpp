#include "page_filling/TextWords.h"

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
    // General and CJK punctuation (dashes, curly quotes, ideographic spaces) parts words.
    if ((code >= 0x2000 && code <= 0x206F) || (code >= 0x3000 && code <= 0x303F))
        return {{}, Kind::Separator};
    // Letters of other scripts are kept as they are, so that they still make up words.
    if (code >= 0x100)
        return {{}, Kind::Lower};
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
