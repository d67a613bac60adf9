#pragma once

#include <string>
#include <string_view>

// Replaces every occurrence of `from` in `text` by `to`, scanning left to right and going on
// right after each inserted `to`, so occurrences never overlap and inserted text is not searched
// again for `from`. Exact, case-sensitive, byte by byte. An empty `from` changes nothing.
// Builds the result in one pass: replacing in place would shift the tail at every match, which a
// hostile database could turn into seconds of work.
inline void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return;
    size_t match = text.find(from);
    if (match == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    size_t copied = 0;
    for (; match != std::string::npos; match = text.find(from, copied)) {
        result.append(text, copied, match - copied);
        result.append(to);
        copied = match + from.size();
    }
    result.append(text, copied, std::string::npos);
    text = std::move(result);
}
