#include "feeds/PlainText.h"

#include "directory_db/UntrustedXml.h"
#include "feeds/FeedNodes.h"

#include <array>
#include <cstring>
#include <libxml/HTMLparser.h>

namespace {

bool IsAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "&name;", "&#123;" or "&#x1F;" at the start of `text`.
bool StartsWithEntityReference(std::string_view text)
{
    const bool numeric = text.size() > 1 && text[1] == '#';
    const bool hex = numeric && text.size() > 2 && (text[2] == 'x' || text[2] == 'X');
    const size_t first = hex ? 3 : numeric ? 2 : 1;
    const auto belongs = [&](char c, size_t at) {
        if (hex)
            return IsHexDigit(c);
        if (numeric)
            return IsAsciiDigit(c);
        return IsAsciiLetter(c) || (at > first && IsAsciiDigit(c));
    };
    size_t at = first;
    while (at < text.size() && belongs(text[at], at))
        ++at;
    return at > first && at < text.size() && text[at] == ';';
}

bool StartsWithTag(std::string_view text)
{
    if (text.size() < 2)
        return false;
    const char next = text[1];
    return IsAsciiLetter(next) || next == '/' || next == '!' || next == '?';
}

// Elements after which text reads as a new line; a space keeps their words apart.
bool IsBlockElement(const char* name)
{
    static constexpr std::array kBlocks = {
        "address", "article",    "aside",   "blockquote", "br", "dd",   "div", "dl",
        "dt",      "figcaption", "figure",  "footer",     "h1", "h2",   "h3",  "h4",
        "h5",      "h6",         "header",  "hr",         "li", "main", "nav", "ol",
        "p",       "pre",        "section", "table",      "td", "th",   "tr",  "ul"};
    for (const char* block : kBlocks) {
        if (std::strcmp(name, block) == 0)
            return true;
    }
    return false;
}

bool IsHiddenElement(const char* name)
{
    return std::strcmp(name, "script") == 0 || std::strcmp(name, "style") == 0;
}

void AppendText(const xmlNode* first, std::string& out)
{
    const auto enter = [&out](const xmlNode* node) {
        switch (node->type) {
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            if (node->content)
                out += reinterpret_cast<const char*>(node->content);
            return false;
        case XML_ENTITY_REF_NODE:
            out += ElementContent(node);
            return false;
        case XML_ELEMENT_NODE: {
            const auto* name = reinterpret_cast<const char*>(node->name);
            if (IsHiddenElement(name))
                return false;
            if (IsBlockElement(name))
                out += ' ';
            return true;
        }
        default:
            return false;
        }
    };
    const auto leave = [&out](const xmlNode* node) {
        if (node->type == XML_ELEMENT_NODE &&
            IsBlockElement(reinterpret_cast<const char*>(node->name)))
            out += ' ';
    };
    WalkNodes(first, enter, leave);
}

} // namespace

std::string CollapseWhiteSpace(std::string_view text)
{
    static constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (size_t at = 0; at < text.size(); ++at) {
        const bool noBreak = text.substr(at, kNoBreakSpace.size()) == kNoBreakSpace;
        if (IsAsciiSpace(text[at]) || noBreak) {
            pendingSpace = !out.empty();
            at += noBreak ? kNoBreakSpace.size() - 1 : 0;
            continue;
        }
        if (pendingSpace)
            out += ' ';
        pendingSpace = false;
        out += text[at];
    }
    return out;
}

bool LooksLikeMarkup(std::string_view text)
{
    for (size_t at = text.find_first_of("<&"); at != std::string_view::npos;
         at = text.find_first_of("<&", at + 1)) {
        const std::string_view rest = text.substr(at);
        if (rest[0] == '<' ? StartsWithTag(rest) : StartsWithEntityReference(rest))
            return true;
    }
    return false;
}

std::string HtmlToPlainText(std::string_view html)
{
    if (html.empty())
        return {};
    // The HTML parser knows no external entities and, with NONET, fetches nothing.
    constexpr int kOptions =
        HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
    const XmlDocumentPtr doc(
        htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8", kOptions));
    if (!doc)
        return CollapseWhiteSpace(html);
    std::string text;
    AppendText(doc->children, text);
    return CollapseWhiteSpace(text);
}

std::string MarkupToPlainText(const xmlNode* element)
{
    std::string text;
    if (element)
        AppendText(element->children, text);
    return CollapseWhiteSpace(text);
}

std::string TextOrHtmlToPlainText(std::string_view text)
{
    return LooksLikeMarkup(text) ? HtmlToPlainText(text) : CollapseWhiteSpace(text);
}
