#pragma once

#include <string>
#include <string_view>
#include <vector>

// What an HTML part of a mail shows and where its links lead.
struct HtmlContent
{
    std::string text;               // the words shown, script and style left out
    std::vector<std::string> links; // the HREFs of <a> and <area>, in document order
};

// Reads `html` (UTF-8) with libxml2's forgiving HTML parser, which fetches nothing. At most
// `maxLinks` links are taken.
HtmlContent ReadHtml(std::string_view html, size_t maxLinks);
