#pragma once

#include <libxml/tree.h>
#include <string>

// An element written out as XML, to compare two elements whole.
inline std::string ElementMarkup(const xmlNode* element)
{
    if (!element)
        return "(none)";
    xmlBuffer* buffer = xmlBufferCreate();
    xmlNodeDump(buffer, element->doc, const_cast<xmlNode*>(element), 0, 0);
    std::string markup(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                       static_cast<size_t>(xmlBufferLength(buffer)));
    xmlBufferFree(buffer);
    return markup;
}
