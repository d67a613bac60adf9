#include "directory_db/PrologComments.h"

#include <algorithm>

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

constexpr size_t kBlock = 64;

// A block of plain ASCII text without a hyphen: nothing in it can end a comment or break its
// rules. Bitwise and without an early exit, so that the compiler checks many bytes at once.
bool IsPlainBlockWithoutHyphen(const char* block)
{
    // Byte-wide throughout, so that sixteen bytes or more go into one vector.
    unsigned char flagged = 0;
    for (size_t i = 0; i < kBlock; ++i) {
        const auto byte = static_cast<unsigned char>(block[i]);
        const bool control = (byte < 0x20) & (byte != '\t') & (byte != '\n') & (byte != '\r');
        flagged |= static_cast<unsigned char>(control | (byte > 0x7E) | (byte == '-'));
    }
    return flagged == 0;
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
// ending in "-", as XML requires of every comment. One pass, a block at a time; a block that
// holds a hyphen or another character is looked at byte by byte.
std::optional<size_t> AfterPlainComment(std::string_view bytes, size_t from)
{
    size_t at = from + kCommentOpen.size();
    while (at < bytes.size()) {
        if (at + kBlock <= bytes.size() && IsPlainBlockWithoutHyphen(bytes.data() + at)) {
            at += kBlock;
            continue;
        }
        for (const size_t blockEnd = std::min(at + kBlock, bytes.size()); at < blockEnd; ++at) {
            const auto byte = static_cast<unsigned char>(bytes[at]);
            if (byte == '-' && bytes.substr(at, 2) == "--") {
                // The only "--" a comment may hold is its end, and "--->" is not one.
                if (bytes.substr(at, kCommentClose.size()) != kCommentClose)
                    return std::nullopt;
                return at + kCommentClose.size();
            }
            if (byte != '-' && !IsPlainAsciiByte(byte))
                return std::nullopt;
        }
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
