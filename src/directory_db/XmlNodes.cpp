#include "directory_db/XmlNodes.h"

#include <cstring>

namespace {

bool HasName(const xmlChar* actual, const char* wanted)
{
    return std::strcmp(reinterpret_cast<const char*>(actual), wanted) == 0;
}

const xmlAttr* FindAttribute(const xmlNode* element, const char* name)
{
    for (const xmlAttr* attribute = element->properties; attribute; attribute = attribute->next) {
        if (!attribute->ns && HasName(attribute->name, name))
            return attribute;
    }
    return nullptr;
}

} // namespace

bool IsElementNamed(const xmlNode* node, const char* name)
{
    return node && node->type == XML_ELEMENT_NODE && !node->ns && HasName(node->name, name);
}

const xmlNode* NextChildElement(const xmlNode* parent, const xmlNode* previous, const char* name)
{
    const xmlNode* node = previous ? previous->next : parent->children;
    while (node && !IsElementNamed(node, name))
        node = node->next;
    return node;
}

std::optional<std::string> ReadAttribute(const xmlNode* element, const char* name)
{
    const xmlAttr* attribute = FindAttribute(element, name);
    if (!attribute)
        return std::nullopt;
    const xmlNode* children = attribute->children;
    if (children && !children->next && children->type == XML_TEXT_NODE && children->content)
        return std::string(reinterpret_cast<const char*>(children->content));
    xmlChar* expanded = xmlNodeListGetString(element->doc, children, 1);
    if (!expanded)
        return std::string();
    std::string value(reinterpret_cast<const char*>(expanded));
    xmlFree(expanded);
    return value;
}
