#include "page_filling/CategoryVocabulary.h"

#include "page_filling/TextWords.h"

#include <algorithm>
#include <deque>
#include <map>

namespace {

// From this length a phrase word also stands for the longer words it begins.
constexpr size_t kStemLength = 5;

bool WordMatches(const std::string& phraseWord, const std::string& textWord)
{
    return textWord == phraseWord ||
           (phraseWord.size() >= kStemLength && textWord.starts_with(phraseWord));
}

} // namespace

CCategoryVocabulary::CCategoryVocabulary(CategoryWords words) : m_words(std::move(words))
{
    for (const CategoryPhrase& phrase : m_words.listNames)
        Add(phrase, {Kind::ListName});
    for (const CategoryPhrase& phrase : m_words.otherLists)
        Add(phrase, {Kind::OtherList});
    for (const CategoryPhrase& phrase : m_words.noChoice)
        Add(phrase, {Kind::NoChoice});
    for (const CategoryPhrase& phrase : m_words.catchAll)
        Add(phrase, {Kind::CatchAll});
    for (size_t topic = 0; topic < m_words.topics.size(); ++topic) {
        for (const CategoryPhrase& phrase : m_words.topics[topic].phrases)
            Add(phrase, {Kind::Topic, topic});
    }
    ComputeBroader();
}

const CCategoryVocabulary& CCategoryVocabulary::Known()
{
    static const CCategoryVocabulary known(KnownCategoryWords());
    return known;
}

void CCategoryVocabulary::Add(const CategoryPhrase& phrase, Mark mark)
{
    std::vector<size_t>& entries = m_byFirstWord[phrase.front()];
    for (const size_t at : entries) {
        if (m_entries[at].phrase == phrase) {
            m_entries[at].marks.push_back(mark);
            return;
        }
    }
    entries.push_back(m_entries.size());
    m_entries.push_back({phrase, {mark}});
}

void CCategoryVocabulary::ComputeBroader()
{
    std::map<std::string, size_t> byName;
    for (size_t topic = 0; topic < m_words.topics.size(); ++topic)
        byName.emplace(m_words.topics[topic].name, topic);
    m_broader.resize(m_words.topics.size());
    for (size_t start = 0; start < m_words.topics.size(); ++start) {
        // Breadth first, so that each topic is reached by its fewest steps; a loop in the
        // parents ends where it comes back.
        std::vector<bool> seen(m_words.topics.size());
        seen[start] = true;
        std::deque<BroaderTopic> next{{start, 0}};
        while (!next.empty()) {
            const BroaderTopic at = next.front();
            next.pop_front();
            for (const std::string& parent : m_words.topics[at.topic].parents) {
                const auto found = byName.find(parent);
                if (found == byName.end() || seen[found->second])
                    continue;
                seen[found->second] = true;
                m_broader[start].push_back({found->second, at.steps + 1});
                next.push_back({found->second, at.steps + 1});
            }
        }
    }
}

size_t CCategoryVocabulary::LongestAt(const std::vector<std::string>& words, size_t at,
                                      std::vector<const Entry*>& found) const
{
    found.clear();
    size_t longest = 0;
    const std::string& word = words[at];
    const auto consider = [&](const std::vector<size_t>& entries) {
        for (const size_t index : entries) {
            const Entry& entry = m_entries[index];
            const size_t length = entry.phrase.size();
            if (length < longest || at + length > words.size() ||
                !WordMatches(entry.phrase[0], word))
                continue;
            bool matches = true;
            for (size_t i = 1; i < length && matches; ++i)
                matches = WordMatches(entry.phrase[i], words[at + i]);
            if (!matches)
                continue;
            if (length > longest)
                found.clear();
            longest = length;
            found.push_back(&entry);
        }
    };
    // The phrases that begin with the word itself, or with a stem of it.
    for (size_t length = kStemLength; length <= word.size(); ++length) {
        if (const auto entries = m_byFirstWord.find(word.substr(0, length));
            entries != m_byFirstWord.end())
            consider(entries->second);
    }
    if (word.size() < kStemLength) {
        if (const auto entries = m_byFirstWord.find(word); entries != m_byFirstWord.end())
            consider(entries->second);
    }
    return longest;
}

CategoryMentions CCategoryVocabulary::Read(std::string_view text) const
{
    CategoryMentions mentions;
    const std::vector<std::string> words = TextWords(text);
    std::vector<const Entry*> found;
    for (size_t at = 0; at < words.size();) {
        const size_t length = LongestAt(words, at, found);
        if (length == 0) {
            mentions.choosesNothing = false;
            ++at;
            continue;
        }
        bool choosesNothing = false;
        for (const Entry* entry : found) {
            for (const Mark& mark : entry->marks) {
                switch (mark.kind) {
                case Kind::Topic:
                    if (std::find(mentions.topics.begin(), mentions.topics.end(), mark.topic) ==
                        mentions.topics.end())
                        mentions.topics.push_back(mark.topic);
                    break;
                case Kind::ListName:
                    mentions.listName = true;
                    choosesNothing = true;
                    break;
                case Kind::OtherList:
                    mentions.otherList = true;
                    break;
                case Kind::NoChoice:
                    choosesNothing = true;
                    break;
                case Kind::CatchAll:
                    mentions.catchAll = true;
                    break;
                }
            }
        }
        mentions.choosesNothing = mentions.choosesNothing && choosesNothing;
        at += length;
    }
    return mentions;
}
