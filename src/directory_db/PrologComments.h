#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// A database file may open with long comments (a licence, a change log). The parser reads a
// comment at about the cost of a directory's markup, byte for byte; a comment of plain ASCII
// text is checked here many times faster and can be left out of what the parser reads.
struct PrologCut
{
    size_t keepUntil = 0; // the byte-order mark and the XML declaration end here
    size_t resumeAt = 0;  // the first byte after the comments that were checked
};

// The comments and white space that follow the XML declaration, when they are well-formed
// plain ASCII and span at least `minimumLength` bytes; nullopt otherwise. A comment this does
// not vouch for (another encoding, a "--" inside it) ends the cut: the parser judges it.
std::optional<PrologCut> FindPlainPrologComments(std::string_view bytes, size_t minimumLength);
