#include "feeds/FeedCategories.h"

#include "directory_db/XmlNodes.h"
#include "feeds/FeedNodes.h"
#include "feeds/PlainText.h"

#include <algorithm>

namespace {

constexpr const char* kItunesNamespace = "http://www.itunes.com/dtds/podcast-1.0.dtd";

std::string AttributeText(const xmlNode* element, const char* name)
{
    return CollapseWhiteSpace(ReadAttribute(element, name).value_or(""));
}

FeedCategory ItunesCategory(const xmlNode* element)
{
    FeedCategory category{AttributeText(element, "text"), {}};
    if (const xmlNode* inner = FindChildIn(element, "category", kItunesNamespace))
        category.subcategory = AttributeText(inner, "text");
    return category;
}

// An Atom category says what it is in its attributes, an RSS one in its text.
FeedCategory OwnCategory(const xmlNode* element)
{
    if (ReadAttribute(element, "term") || ReadAttribute(element, "label")) {
        const std::string label = AttributeText(element, "label");
        return {label.empty() ? AttributeText(element, "term") : label, {}};
    }
    return {CollapseWhiteSpace(ElementContent(element)), {}};
}

} // namespace

std::vector<FeedCategory> ReadFeedCategories(const xmlNode* channel)
{
    std::vector<FeedCategory> categories;
    const std::string ns = NamespaceOf(channel);
    for (const xmlNode* node = channel ? channel->children : nullptr; node; node = node->next) {
        FeedCategory category;
        if (IsFeedElement(node, "category", kItunesNamespace))
            category = ItunesCategory(node);
        else if (IsFeedElement(node, "category", ns.c_str()))
            category = OwnCategory(node);
        else
            continue;
        if (!category.name.empty() &&
            std::find(categories.begin(), categories.end(), category) == categories.end())
            categories.push_back(std::move(category));
    }
    return categories;
}
