#include "feeds/FeedNodes.h"

#include <cstring>
#include <libxml/uri.h>

namespace {

bool SameNamespace(const xmlNode* node, const char* ns)
{
    const char* own =
        node->ns && node->ns->href ? reinterpret_cast<const char*>(node->ns->href) : "";
    return std::strcmp(own, ns) == 0;
}

} // namespace

bool IsFeedElement(const xmlNode* node, const char* localName, const char* ns)
{
    return node && node->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char*>(node->name), localName) == 0 &&
           (!ns || SameNamespace(node, ns));
}

std::string NamespaceOf(const xmlNode* node)
{
    return node && node->ns && node->ns->href ? reinterpret_cast<const char*>(node->ns->href) : "";
}

const xmlNode* FindChild(const xmlNode* parent, const char* localName)
{
    const std::string ns = NamespaceOf(parent);
    return FindChildIn(parent, localName, ns.c_str());
}

const xmlNode* FindChildIn(const xmlNode* parent, const char* localName, const char* ns)
{
    for (const xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
        if (IsFeedElement(child, localName, ns))
            return child;
    }
    return nullptr;
}

std::string ElementContent(const xmlNode* element)
{
    return element ? TakeXmlText(xmlNodeGetContent(element)) : std::string();
}

std::string LanguageOf(const xmlNode* element)
{
    return element ? TakeXmlText(xmlNodeGetLang(element)) : std::string();
}

bool HasChildElements(const xmlNode* element)
{
    for (const xmlNode* child = element ? element->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            return true;
    }
    return false;
}

int LineOf(const xmlNode* node)
{
    const long line = node ? xmlGetLineNo(node) : 0;
    return line > 0 ? static_cast<int>(line) : 0;
}

std::string TakeXmlText(xmlChar* text)
{
    std::string copy = text ? reinterpret_cast<const char*>(text) : "";
    xmlFree(text);
    return copy;
}

std::string BaseOf(const xmlNode* node)
{
    return node ? TakeXmlText(xmlNodeGetBase(node->doc, node)) : std::string();
}

std::string ResolveAddress(const std::string& reference, const std::string& base)
{
    if (base.empty())
        return reference;
    const std::string resolved =
        TakeXmlText(xmlBuildURI(reinterpret_cast<const xmlChar*>(reference.c_str()),
                                reinterpret_cast<const xmlChar*>(base.c_str())));
    return resolved.empty() ? reference : resolved;
}
