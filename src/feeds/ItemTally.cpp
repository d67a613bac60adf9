#include "feeds/ItemTally.h"

#include "feeds/FeedNodes.h"
#include "feeds/PlainText.h"

#include <algorithm>

void CItemTally::CountItem(const xmlNode* item, bool hasLink)
{
    ++m_items;
    if (hasLink)
        return;
    if (m_withoutLink++ == 0)
        m_firstWithoutLinkLine = LineOf(item);
}

void CItemTally::AddDate(const xmlNode* dateElement, bool ofItem)
{
    const std::string text = CollapseWhiteSpace(ElementContent(dateElement));
    const auto time = ParseFeedDate(text);
    if (!time) {
        if (m_unreadableDates++ == 0) {
            m_firstUnreadableDate = text;
            m_firstUnreadableDateLine = LineOf(dateElement);
        }
        return;
    }
    if (ofItem)
        m_newest = std::max(m_newest.value_or(*time), *time);
}

void CItemTally::Report(FeedReport& report) const
{
    report.items = m_items;
    report.newest = m_newest ? FormatFeedTime(*m_newest) : std::string();
    if (m_withoutLink > 0) {
        const std::string message =
            m_withoutLink == 1 && m_items == 1
                ? "The feed's only item has no link."
                : std::to_string(m_withoutLink) + " of " + std::to_string(m_items) +
                      (m_withoutLink == 1 ? " items has no link." : " items have no link.");
        report.problems.push_back({message, m_firstWithoutLinkLine, 0});
    }
    if (m_unreadableDates > 0) {
        std::string message = "The date \u201C" + m_firstUnreadableDate + "\u201D cannot be read";
        if (m_unreadableDates > 1)
            message += " (nor " + std::to_string(m_unreadableDates - 1) + " more)";
        report.problems.push_back({message + ".", m_firstUnreadableDateLine, 0});
    }
}
