#include "feeds/RssReader.h"

#include "common/TextCatalogue.h"
#include "directory_db/XmlNodes.h"
#include "feeds/FeedCategories.h"
#include "feeds/FeedNodes.h"
#include "feeds/FeedText.h"
#include "feeds/ItemTally.h"
#include "feeds/PlainText.h"

#include <cstring>

namespace {

constexpr const char* kRdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr const char* kRss10Namespace = "http://purl.org/rss/1.0/";
constexpr const char* kRss090Namespace = "http://my.netscape.com/rdf/simple/0.9/";

// The element in the channel's own vocabulary, or else its Dublin Core twin.
const xmlNode* ChildOrDublinCore(const xmlNode* parent, const char* name)
{
    const xmlNode* own = FindChild(parent, name);
    return own ? own : FindChildIn(parent, name, kDublinCoreNamespace);
}

std::string LinkText(const xmlNode* element)
{
    return CollapseWhiteSpace(ElementContent(element));
}

bool HasItemLink(const xmlNode* item)
{
    if (!LinkText(FindChild(item, "link")).empty())
        return true;
    // A guid is the item's address unless it says otherwise.
    const xmlNode* guid = FindChild(item, "guid");
    return guid && ReadAttribute(guid, "isPermaLink").value_or("true") != "false" &&
           !LinkText(guid).empty();
}

void ReadChannel(const xmlNode* channel, FeedReport& report, CItemTally& tally)
{
    report.title = RssText(ChildOrDublinCore(channel, "title"));
    report.link = LinkText(FindChild(channel, "link"));
    report.description = RssText(ChildOrDublinCore(channel, "description"));
    report.language = CollapseWhiteSpace(ElementContent(ChildOrDublinCore(channel, "language")));
    report.categories = ReadFeedCategories(channel);
    for (const char* name : {"pubDate", "lastBuildDate"}) {
        if (const xmlNode* date = FindChild(channel, name))
            tally.AddDate(date, false);
    }
    if (const xmlNode* date = FindChildIn(channel, "date", kDublinCoreNamespace))
        tally.AddDate(date, false);
}

// Items are children of `parent` in the namespace of `channel`.
void ReadItems(const xmlNode* parent, const xmlNode* channel, CItemTally& tally)
{
    const std::string ns = NamespaceOf(channel);
    for (const xmlNode* node = parent->children; node; node = node->next) {
        if (!IsFeedElement(node, "item", ns.c_str()))
            continue;
        tally.CountItem(node, HasItemLink(node));
        const xmlNode* date = FindChild(node, "pubDate");
        if (!date)
            date = FindChildIn(node, "date", kDublinCoreNamespace);
        if (date)
            tally.AddDate(date, true);
    }
}

// The channel and the items that `itemParent` holds; false, with a problem for `root`, when
// there is no channel.
bool ReadChannelAndItems(const xmlNode* root, const xmlNode* channel, const xmlNode* itemParent,
                         FeedReport& report)
{
    if (!channel) {
        report.version.clear();
        report.problems.push_back(
            {KESTRINE_TEXT("FeedCheck", "The feed has no RSS <channel>."), LineOf(root), 0});
        return false;
    }
    CItemTally tally;
    ReadChannel(channel, report, tally);
    ReadItems(itemParent, channel, tally);
    tally.Report(report);
    return true;
}

} // namespace

bool IsRssRoot(const xmlNode* root)
{
    return IsFeedElement(root, "rss");
}

bool ReadRss(const xmlNode* root, FeedReport& report)
{
    report.kind = FeedKind::Rss;
    report.version = CollapseWhiteSpace(ReadAttribute(root, "version").value_or(""));
    const xmlNode* channel = FindChild(root, "channel");
    return ReadChannelAndItems(root, channel, channel, report);
}

bool IsRdfRoot(const xmlNode* root)
{
    return IsFeedElement(root, "RDF", kRdfNamespace);
}

bool ReadRdf(const xmlNode* root, FeedReport& report)
{
    report.kind = FeedKind::Rss;
    const xmlNode* channel = FindChildIn(root, "channel", kRss10Namespace);
    report.version = "1.0";
    if (!channel) {
        channel = FindChildIn(root, "channel", kRss090Namespace);
        report.version = "0.90";
    }
    return ReadChannelAndItems(root, channel, root, report);
}
