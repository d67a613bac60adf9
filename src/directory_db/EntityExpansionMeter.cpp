#include "directory_db/EntityExpansionMeter.h"

#include <cstring>
#include <libxml/entities.h>

namespace {

// Far beyond what a sound file nests; the parser itself stops loops and much deeper nesting.
constexpr int kMaxEntityDepth = 64;

} // namespace

CEntityExpansionMeter::CEntityExpansionMeter(size_t budget, Scope scope)
    : m_budget(budget), m_scope(scope)
{}

bool CEntityExpansionMeter::FitsBudget(const xmlDoc& doc)
{
    // Without declared entities everything is text written in the file itself.
    if (!doc.intSubset || !doc.intSubset->entities)
        return true;
    const xmlNode* root = xmlDocGetRootElement(&doc);
    if (!root)
        return true;
    if (!AddSubtree(doc, *root))
        return false;
    if (m_scope == Scope::AttributesAndText)
        m_spent = Add(m_spent, ListLength(doc, root->children, 0));
    return m_spent != kOverBudget;
}

bool CEntityExpansionMeter::AddSubtree(const xmlDoc& doc, const xmlNode& element)
{
    // The parser refuses documents nested deeper than a few hundred levels, which bounds this
    // recursion.
    if (!AddElementAttributes(doc, element))
        return false;
    for (const xmlNode* child = element.children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && !AddSubtree(doc, *child))
            return false;
    }
    return true;
}

bool CEntityExpansionMeter::AddElementAttributes(const xmlDoc& doc, const xmlNode& element)
{
    for (const xmlAttr* attribute = element.properties; attribute; attribute = attribute->next) {
        m_spent = Add(m_spent, ListLength(doc, attribute->children, 0));
        if (m_spent == kOverBudget)
            return false;
    }
    return true;
}

size_t CEntityExpansionMeter::ListLength(const xmlDoc& doc, const xmlNode* list, int depth)
{
    size_t total = 0;
    for (const xmlNode* node = list; node && total != kOverBudget; node = node->next) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE)
            total = Add(total, node->content ? xmlStrlen(node->content) : 0);
        else if (node->type == XML_ENTITY_REF_NODE)
            total = Add(total, EntityLength(doc, *node, depth));
        else if (node->type == XML_ELEMENT_NODE && m_scope == Scope::AttributesAndText)
            total = Add(total, ListLength(doc, node->children, depth));
    }
    return total;
}

size_t CEntityExpansionMeter::EntityLength(const xmlDoc& doc, const xmlNode& reference, int depth)
{
    if (depth > kMaxEntityDepth)
        return kOverBudget;
    const xmlEntity* entity = xmlGetDocEntity(&doc, reference.name);
    if (!entity)
        return reference.content ? xmlStrlen(reference.content) : 0;
    const auto [known, isNew] = m_entityLengths.try_emplace(entity, kOverBudget);
    if (!isNew)
        return known->second; // kOverBudget while still being measured: a loop
    const size_t length = ListLength(doc, entity->children, depth + 1);
    m_entityLengths[entity] = length;
    return length;
}

size_t CEntityExpansionMeter::Add(size_t total, size_t amount) const
{
    if (amount == kOverBudget || amount > m_budget - total)
        return kOverBudget;
    return total + amount;
}
