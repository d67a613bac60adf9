#pragma once

#include <libxml/tree.h>
#include <string>

// Namespace-aware element access for feeds, where the same local name means different things
// in different vocabularies (channel title against dc:title, say).

inline constexpr const char* kDublinCoreNamespace = "http://purl.org/dc/elements/1.1/";

// True for an element with this local name whose namespace is `ns` (null: the element's
// namespace is not looked at).
bool IsFeedElement(const xmlNode* node, const char* localName, const char* ns = nullptr);

// The namespace URI of an element, or "" when it has none.
std::string NamespaceOf(const xmlNode* node);

// The first child element of `parent` with this local name and namespace (null namespace: the
// same namespace as `parent`); null when there is none.
const xmlNode* FindChild(const xmlNode* parent, const char* localName);
const xmlNode* FindChildIn(const xmlNode* parent, const char* localName, const char* ns);

// All text inside an element, entity references expanded, as the document holds it.
std::string ElementContent(const xmlNode* element);

// The xml:lang in effect for an element, or "".
std::string LanguageOf(const xmlNode* element);

// True when the element holds at least one element.
bool HasChildElements(const xmlNode* element);

// Copies text that libxml2 allocated and frees it; "" for null.
std::string TakeXmlText(xmlChar* text);

// The base address in effect for a node (xml:base, else the document's address), or "".
std::string BaseOf(const xmlNode* node);

// `reference` resolved against `base`; `reference` itself when either cannot be parsed.
std::string ResolveAddress(const std::string& reference, const std::string& base);

// The line the parser recorded for a node, or 0.
int LineOf(const xmlNode* node);

// Visits `first`, its following siblings and everything inside them in document order, without
// recursion: an HTML page may nest elements deeper than a stack allows. `enter(node)` returns
// whether to go into an element's children; `leave(node)` follows each node's children.
template <typename Enter, typename Leave>
void WalkNodes(const xmlNode* first, Enter enter, Leave leave)
{
    const xmlNode* const top = first ? first->parent : nullptr;
    const xmlNode* node = first;
    while (node) {
        if (enter(node) && node->type == XML_ELEMENT_NODE && node->children) {
            node = node->children;
            continue;
        }
        for (;;) {
            leave(node);
            if (node->next) {
                node = node->next;
                break;
            }
            node = node->parent;
            if (!node || node == top) {
                node = nullptr;
                break;
            }
        }
    }
}
