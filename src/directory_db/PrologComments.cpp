#include "directory_db/PrologComments.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";

bool IsXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsPlainAsciiByte(unsigned char byte)
{
    return (byte >= 0x20 && byte <= 0x7E) || byte == '\t' || byte == '\n' || byte == '\r';
}

// Printable ASCII and the three control characters XML allows. Eight bytes are looked at
// together: only a word holding a control character or a byte above 0x7E is looked at byte by
// byte, which is rare in a comment but for its line ends.
bool IsPlainAsciiText(std::string_view text)
{
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighBits = 0x8080808080808080;
    size_t at = 0;
    for (; at + sizeof(uint64_t) <= text.size(); at += sizeof(uint64_t)) {
        uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        const uint64_t belowSpace = (word - kOnes * 0x20) & ~word;
        const uint64_t aboveTilde = (word + kOnes * (0x80 - 0x7F)) | word;
        if (((belowSpace | aboveTilde) & kHighBits) == 0)
            continue;
        for (size_t i = 0; i < sizeof(uint64_t); ++i)
            if (!IsPlainAsciiByte(static_cast<unsigned char>(text[at + i])))
                return false;
    }
    for (; at < text.size(); ++at)
        if (!IsPlainAsciiByte(static_cast<unsigned char>(text[at])))
            return false;
    return true;
}

// Where the XML declaration ends, or `from` when there is none. The parser still reads the
// declaration itself, so only its extent matters here.
size_t AfterXmlDeclaration(std::string_view bytes, size_t from)
{
    const std::string_view rest = bytes.substr(from);
    if (rest.substr(0, 5) != "<?xml" || rest.size() < 6 || !IsXmlSpace(rest[5]))
        return from;
    const size_t close = rest.find("?>");
    return close == std::string_view::npos ? from : from + close + 2;
}

// Past the comment at `from` when it is well-formed plain ASCII: no "--" inside and not
// ending in "-", as XML requires of every comment.
std::optional<size_t> AfterPlainComment(std::string_view bytes, size_t from)
{
    const size_t textStart = from + kCommentOpen.size();
    const size_t close = bytes.find(kCommentClose, textStart);
    if (close == std::string_view::npos)
        return std::nullopt;
    const std::string_view text = bytes.substr(textStart, close - textStart);
    if (text.find("--") != std::string_view::npos || (!text.empty() && text.back() == '-') ||
        !IsPlainAsciiText(text))
        return std::nullopt;
    return close + kCommentClose.size();
}

} // namespace

std::optional<PrologCut> FindPlainPrologComments(std::string_view bytes, size_t minimumLength)
{
    const size_t start =
        bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
    PrologCut cut;
    cut.keepUntil = AfterXmlDeclaration(bytes, start);
    cut.resumeAt = cut.keepUntil;
    size_t at = cut.keepUntil;
    while (at < bytes.size()) {
        if (IsXmlSpace(bytes[at])) {
            ++at;
            continue;
        }
        if (bytes.substr(at, kCommentOpen.size()) != kCommentOpen)
            break;
        const std::optional<size_t> after = AfterPlainComment(bytes, at);
        if (!after)
            break;
        at = cut.resumeAt = *after;
    }
    // A declaration after the comments is out of place; left out of the cut, it would stand
    // at the start of what the parser reads and pass.
    if (cut.resumeAt - cut.keepUntil < minimumLength || AfterXmlDeclaration(bytes, at) != at)
        return std::nullopt;
    return cut;
}
