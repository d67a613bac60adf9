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

// Eight bytes of printable ASCII, none of them a hyphen: nothing in them can end a comment or
// break its rules.
bool IsPlainWordWithoutHyphen(const char* at)
{
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighBits = 0x8080808080808080;
    uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    const uint64_t belowSpace = (word - kOnes * 0x20) & ~word;
    const uint64_t aboveTilde = (word + kOnes) | word;
    const uint64_t hyphens = word ^ (kOnes * '-');
    const uint64_t hyphen = (hyphens - kOnes) & ~hyphens;
    return ((belowSpace | aboveTilde | hyphen) & kHighBits) == 0;
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
// ending in "-", as XML requires of every comment. One pass: eight bytes at a time, and byte by
// byte only where a hyphen, a line end or another character needs a closer look.
std::optional<size_t> AfterPlainComment(std::string_view bytes, size_t from)
{
    size_t at = from + kCommentOpen.size();
    while (at < bytes.size()) {
        if (at + sizeof(uint64_t) <= bytes.size() && IsPlainWordWithoutHyphen(bytes.data() + at)) {
            at += sizeof(uint64_t);
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte == '-' && bytes.substr(at, 2) == "--") {
            // The only "--" a comment may hold is its end, and "--->" is not one.
            if (bytes.substr(at, kCommentClose.size()) != kCommentClose)
                return std::nullopt;
            return at + kCommentClose.size();
        }
        if (byte != '-' && !IsPlainAsciiByte(byte))
            return std::nullopt;
        ++at;
    }
    return std::nullopt;
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
