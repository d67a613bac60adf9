#pragma once

#include <cstddef>
#include <libxml/tree.h>
#include <unordered_map>

// Measures how long the attribute values (and, when asked, the text) of a parsed document
// become once their entity references are expanded, without expanding them. A small file can
// declare one large entity and reference it thousands of times; reading such values would take
// gigabytes.
class CEntityExpansionMeter final
{
public:
    enum class Scope
    {
        Attributes,        // readers that take only attribute values
        AttributesAndText, // readers that also take the text of elements
    };

    explicit CEntityExpansionMeter(size_t budget, Scope scope = Scope::Attributes);

    // True when everything in scope of `doc`, expanded, fits in the budget together.
    bool FitsBudget(const xmlDoc& doc);

private:
    bool AddSubtree(const xmlDoc& doc, const xmlNode& element);
    bool AddElementAttributes(const xmlDoc& doc, const xmlNode& element);
    // Expanded length of a node list as xmlNodeListGetString builds it (with the text inside
    // elements too, in the text scope), or kOverBudget when the count runs past the budget or
    // the entities nest too deep.
    size_t ListLength(const xmlDoc& doc, const xmlNode* list, int depth);
    size_t EntityLength(const xmlDoc& doc, const xmlNode& reference, int depth);
    // total + amount, or kOverBudget when that passes the budget.
    size_t Add(size_t total, size_t amount) const;

    static constexpr size_t kOverBudget = static_cast<size_t>(-1);

    size_t m_budget;
    Scope m_scope;
    size_t m_spent = 0;
    std::unordered_map<const xmlEntity*, size_t> m_entityLengths;
};
