#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The demo site's pages are HTML files with marks such as {{param:title}} where the answer
// depends on the request.
namespace page_template {

// Text made safe to stand in HTML content and in quoted attribute values.
std::string EscapeHtml(std::string_view text);

// The HTML that replaces the mark {{key}}, or nullopt to leave the mark as written.
using Lookup = std::function<std::optional<std::string>(std::string_view key)>;

// `text` with every mark replaced by what `lookup` answers; the answers are not searched again.
std::string Render(std::string_view text, const Lookup& lookup);

} // namespace page_template
