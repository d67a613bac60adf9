#include "PageTemplate.h"

namespace page_template {

std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Render(std::string_view text, const Lookup& lookup)
{
    std::string rendered;
    rendered.reserve(text.size());
    size_t position = 0;
    while (position < text.size()) {
        const size_t open = text.find("{{", position);
        const size_t close = open == std::string_view::npos ? open : text.find("}}", open + 2);
        if (close == std::string_view::npos) {
            rendered += text.substr(position);
            break;
        }
        const std::string_view mark = text.substr(open, close + 2 - open);
        const std::optional<std::string> value = lookup(mark.substr(2, mark.size() - 4));
        rendered += text.substr(position, open - position);
        rendered += value ? *value : std::string(mark);
        position = close + 2;
    }
    return rendered;
}

} // namespace page_template
