#pragma once

#include <libxml/tree.h>
#include <string>
#include <string_view>

// Turning the many ways feeds carry text into one line of plain text.

// Runs of white space (and no-break spaces) become one space; none at either end.
std::string CollapseWhiteSpace(std::string_view text);

// True when text holds something an HTML reader would take as a tag or an entity reference:
// "<p>", "</b>", "<!--", "&amp;", "&#38;". "1 < 2" and "AT&T" do not count.
bool LooksLikeMarkup(std::string_view text);

// The text of an HTML fragment: tags removed (and what scripts and styles hold), entities
// decoded, blocks separated by a space, white space collapsed.
std::string HtmlToPlainText(std::string_view html);

// The same for markup that is part of the document itself (inline XHTML, or elements written
// inside a text element): the text of every descendant of `element`, already decoded.
std::string MarkupToPlainText(const xmlNode* element);

// Text that may carry escaped markup: decoded as HTML when it looks like markup, otherwise only
// collapsed.
std::string TextOrHtmlToPlainText(std::string_view text);
