#pragma once

#include <string>
#include <string_view>

// Replaces every occurrence of `from` in `text` by `to`, scanning left to right and going on
// right after each inserted `to`, so occurrences never overlap and inserted text is not searched
// again for `from`. Exact, case-sensitive, byte by byte. An empty `from` changes nothing.
inline void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}
