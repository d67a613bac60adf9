#include "feeds/AtomReader.h"

#include "directory_db/XmlNodes.h"
#include "feeds/FeedCategories.h"
#include "feeds/FeedNodes.h"
#include "feeds/FeedText.h"
#include "feeds/ItemTally.h"
#include "feeds/PlainText.h"

namespace {

constexpr const char* kAtom10Namespace = "http://www.w3.org/2005/Atom";

bool IsAlternate(const xmlNode* link)
{
    // A link without rel is the alternate one.
    return CollapseWhiteSpace(ReadAttribute(link, "rel").value_or("alternate")) == "alternate";
}

bool IsPageType(const xmlNode* link)
{
    const std::string type = CollapseWhiteSpace(ReadAttribute(link, "type").value_or(""));
    return type.empty() || type == "text/html" || type == "application/xhtml+xml";
}

// href resolved against the xml:base in effect, as Atom asks.
std::string LinkAddress(const xmlNode* link)
{
    const std::string href = CollapseWhiteSpace(ReadAttribute(link, "href").value_or(""));
    if (href.empty())
        return href;
    return ResolveAddress(href, BaseOf(link));
}

// The address of the page an element (feed or entry) stands for: its alternate link, one for a
// web page first.
std::string AlternateLink(const xmlNode* parent)
{
    std::string any;
    const std::string ns = NamespaceOf(parent);
    for (const xmlNode* node = parent->children; node; node = node->next) {
        if (!IsFeedElement(node, "link", ns.c_str()) || !IsAlternate(node))
            continue;
        std::string address = LinkAddress(node);
        if (!address.empty() && IsPageType(node))
            return address;
        if (any.empty())
            any = std::move(address);
    }
    return any;
}

// The first date of an element among Atom 1.0's and then 0.3's names, the latest kind first.
const xmlNode* DateOf(const xmlNode* parent)
{
    for (const char* name : {"updated", "modified", "published", "issued", "created"}) {
        if (const xmlNode* date = FindChild(parent, name))
            return date;
    }
    return nullptr;
}

} // namespace

bool IsAtomRoot(const xmlNode* root)
{
    return IsFeedElement(root, "feed");
}

void ReadAtom(const xmlNode* root, FeedReport& report)
{
    report.kind = FeedKind::Atom;
    report.version = NamespaceOf(root) == kAtom10Namespace
                         ? "1.0"
                         : CollapseWhiteSpace(ReadAttribute(root, "version").value_or("0.3"));
    report.title = AtomText(FindChild(root, "title"));
    const xmlNode* subtitle = FindChild(root, "subtitle");
    report.description = AtomText(subtitle ? subtitle : FindChild(root, "tagline"));
    report.link = AlternateLink(root);
    report.language = CollapseWhiteSpace(LanguageOf(root));
    report.categories = ReadFeedCategories(root);

    CItemTally tally;
    if (const xmlNode* date = DateOf(root))
        tally.AddDate(date, false);
    const std::string ns = NamespaceOf(root);
    for (const xmlNode* node = root->children; node; node = node->next) {
        if (!IsFeedElement(node, "entry", ns.c_str()))
            continue;
        tally.CountItem(node, !AlternateLink(node).empty());
        if (const xmlNode* date = DateOf(node))
            tally.AddDate(date, true);
    }
    tally.Report(report);
}
