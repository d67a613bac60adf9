#include "ui/tabs/CategoryPicks.h"

#include "ui/browser/BrowserPage.h"

#include <cstdio>
#include <utility>

CCategoryChoiceStore* CCategoryChoiceFile::Store()
{
    if (!m_tried && !m_path.empty()) {
        m_tried = true;
        // The history's own failures reach the user through its recorder; the picks are only
        // not remembered.
        if (const HistoryOutcome opened = m_store.Open(m_path); !opened.ok)
            std::fprintf(stderr, "Kestrine: %s: %s\n", m_path.c_str(), opened.error.c_str());
    }
    return m_store.IsOpen() ? &m_store : nullptr;
}

CCategoryPicks::CCategoryPicks(const CBrowserPage& page, std::shared_ptr<CCategoryChoiceFile> file,
                               QObject* parent)
    : QObject(parent), m_page(page), m_file(std::move(file))
{}

void CCategoryPicks::OnFill(const std::string& directory, const std::string& category,
                            const std::string& subcategory)
{
    m_fill = {directory, category, subcategory, {}};
    // A list the user picked from keeps the pick through a second fill of the same document.
    if (m_page.DocumentGeneration() != m_document)
        m_picks.clear();
    m_document = m_page.DocumentGeneration();
}

std::optional<CategoryOption> CCategoryPicks::ChosenBefore(const std::string& list) const
{
    CCategoryChoiceStore* store = m_file && !m_fill.category.empty() ? m_file->Store() : nullptr;
    std::optional<ChosenOption> chosen;
    if (!store)
        return std::nullopt;
    CategoryChoiceKey key = m_fill;
    key.list = list;
    // Unread, the list is chosen by meaning, as it was before anything was remembered.
    if (const HistoryOutcome recalled = store->Recall(key, chosen); !recalled.ok)
        std::fprintf(stderr, "Kestrine: %s\n", recalled.error.c_str());
    if (!chosen)
        return std::nullopt;
    return CategoryOption{chosen->text, chosen->value, chosen->group};
}

void CCategoryPicks::OnSubmitted()
{
    const std::map<std::string, ChosenOption> picks = std::exchange(m_picks, {});
    CCategoryChoiceStore* store =
        m_file && !m_fill.category.empty() && !picks.empty() ? m_file->Store() : nullptr;
    if (!store)
        return;
    for (const auto& [list, option] : picks) {
        CategoryChoiceKey key = m_fill;
        key.list = list;
        // The submission goes on; the list is chosen by meaning next time, as before.
        if (const HistoryOutcome remembered = store->Remember(key, option); !remembered.ok)
            std::fprintf(stderr, "Kestrine: %s\n", remembered.error.c_str());
    }
}

void CCategoryPicks::picked(const QString& list, const QString& value, const QString& text,
                            const QString& group, bool changed)
{
    // A notice from a document left behind, or one filled before, is not this fill's.
    if (m_page.DocumentGeneration() != m_document)
        return;
    // Back at the fill's option, or at one that chooses nothing: there is nothing to remember.
    if (!changed || value.isEmpty())
        m_picks.erase(list.toStdString());
    else
        m_picks[list.toStdString()] = {value.toStdString(), text.toStdString(),
                                       group.toStdString()};
}
