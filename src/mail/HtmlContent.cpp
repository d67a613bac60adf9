#include "mail/HtmlContent.h"

#include "common/AsciiCase.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <memory>

namespace {

struct DocumentDeleter
{
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

bool Named(const xmlNode* node, const char* name)
{
    return node->name && EqualsNoCase(reinterpret_cast<const char*>(node->name), name);
}

std::string AttributeOf(xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (!value)
        return {};
    std::string copy(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return copy;
}

// The next node in document order, without recursion: a mail may nest elements deeply.
xmlNode* NextNode(xmlNode* node, bool enterChildren)
{
    if (enterChildren && node->children)
        return node->children;
    while (node) {
        if (node->next)
            return node->next;
        node = node->parent;
        if (node && node->type == XML_DOCUMENT_NODE)
            return nullptr;
    }
    return nullptr;
}

} // namespace

HtmlContent ReadHtml(std::string_view html, size_t maxLinks)
{
    HtmlContent content;
    if (html.empty())
        return content;
    const std::unique_ptr<xmlDoc, DocumentDeleter> document(htmlReadMemory(
        html.data(), static_cast<int>(html.size()), nullptr, "UTF-8",
        HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET));
    if (!document)
        return content;
    xmlNode* node = xmlDocGetRootElement(document.get());
    while (node) {
        bool enter = true;
        if (node->type == XML_ELEMENT_NODE) {
            if (Named(node, "script") || Named(node, "style") || Named(node, "head"))
                enter = false;
            else if ((Named(node, "a") || Named(node, "area")) && content.links.size() < maxLinks)
                if (std::string link = AttributeOf(node, "href"); !link.empty())
                    content.links.push_back(std::move(link));
        } else if (node->type == XML_TEXT_NODE && node->content) {
            content.text += reinterpret_cast<const char*>(node->content);
            content.text += ' ';
        }
        node = NextNode(node, enter);
    }
    return content;
}
