#include "feeds/ItemTally.h"

#include "common/TextCatalogue.h"
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
                ? KESTRINE_TEXT("FeedCheck", "The feed's only item has no link.")
                // Each count in a text of its own, so that each carries its own number.
                : FillIn(TranslatedText(
                             m_withoutLink == 1
                                 ? KESTRINE_COUNT_TEXT("FeedCheck", "%n of %1 has no link.")
                                 : KESTRINE_COUNT_TEXT("FeedCheck", "%n of %1 have no link."),
                             static_cast<int>(m_withoutLink)),
                         {TranslatedText(KESTRINE_COUNT_TEXT("FeedCheck", "%n items"),
                                         static_cast<int>(m_items))});
        report.problems.push_back({message, m_firstWithoutLinkLine, 0});
    }
    if (m_unreadableDates > 0) {
        const std::string message =
            m_unreadableDates > 1
                ? FillIn(
                      TranslatedText(
                          KESTRINE_COUNT_TEXT(
                              "FeedCheck", "The date \u201C%1\u201D cannot be read (nor %n more)."),
                          static_cast<int>(m_unreadableDates - 1)),
                      {m_firstUnreadableDate})
                : FillIn(KESTRINE_TEXT("FeedCheck", "The date \u201C%1\u201D cannot be read."),
                         {m_firstUnreadableDate});
        report.problems.push_back({message, m_firstUnreadableDateLine, 0});
    }
}
