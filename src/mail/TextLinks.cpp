#include "mail/TextLinks.h"

#include "common/AsciiCase.h"

#include <algorithm>

namespace {

bool EndsLink(char c)
{
    return IsAsciiSpace(c) || c == '<' || c == '>' || c == '"' || c == '\'' || c == '`' ||
           static_cast<unsigned char>(c) < 0x20;
}

// "Click https://example.com/confirm." or "(https://example.com/confirm)": the sentence's
// punctuation is not the address's.
size_t TrimmedEnd(std::string_view link)
{
    size_t end = link.size();
    while (end > 0 && std::string_view(".,;:!?)]}").find(link[end - 1]) != std::string_view::npos)
        --end;
    return end;
}

size_t FindScheme(std::string_view text, size_t from)
{
    for (size_t at = from; at < text.size(); ++at) {
        const std::string_view rest = text.substr(at);
        if (StartsWithNoCase(rest, "http://") || StartsWithNoCase(rest, "https://"))
            return at;
    }
    return std::string_view::npos;
}

} // namespace

std::vector<std::string> TextLinks(std::string_view text, size_t maxLinks)
{
    std::vector<std::string> links;
    size_t at = FindScheme(text, 0);
    while (at != std::string_view::npos && links.size() < maxLinks) {
        size_t end = at;
        while (end < text.size() && !EndsLink(text[end]))
            ++end;
        const std::string_view link = text.substr(at, end - at);
        links.emplace_back(link.substr(0, TrimmedEnd(link)));
        at = FindScheme(text, end);
    }
    return links;
}
