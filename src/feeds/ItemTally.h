#pragma once

#include "feeds/FeedDate.h"
#include "feeds/FeedReport.h"

#include <libxml/tree.h>
#include <optional>
#include <string>

// Counts the items of a feed while a reader walks them, and gathers what is wrong with them into
// a few problems rather than one per item.
class CItemTally final
{
public:
    void CountItem(const xmlNode* item, bool hasLink);
    // A date element of the feed itself, or of an item (which may then be the newest).
    void AddDate(const xmlNode* dateElement, bool ofItem);

    // Sets the item count and the newest date, and adds the problems found.
    void Report(FeedReport& report) const;

private:
    size_t m_items = 0;
    size_t m_withoutLink = 0;
    int m_firstWithoutLinkLine = 0;
    size_t m_unreadableDates = 0;
    std::string m_firstUnreadableDate;
    int m_firstUnreadableDateLine = 0;
    std::optional<FeedTime> m_newest;
};
