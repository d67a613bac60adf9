#pragma once

#include <libxml/tree.h>
#include <string>

// The plain text of a feed's text elements, each vocabulary by its own rules.

// RSS and RDF: text that may hold escaped markup or, against the rules, elements.
std::string RssText(const xmlNode* element);

// An Atom text construct: type text, html or xhtml (Atom 1.0), or a media type with mode xml,
// escaped or base64 (Atom 0.3).
std::string AtomText(const xmlNode* element);
