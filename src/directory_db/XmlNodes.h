#pragma once

#include <libxml/tree.h>
#include <optional>
#include <string>

// Element and attribute names as a location path sees them: no namespace, exact bytes.

bool IsElementNamed(const xmlNode* node, const char* name);

// The first child element of `parent` named `name` after `previous` (or the first at all when
// `previous` is null); null when there is none.
const xmlNode* NextChildElement(const xmlNode* parent, const xmlNode* previous, const char* name);

// The value of an attribute written on `element`, entity references expanded; nullopt when the
// element carries no such attribute. Defaults a DTD declares do not count as written.
std::optional<std::string> ReadAttribute(const xmlNode* element, const char* name);
