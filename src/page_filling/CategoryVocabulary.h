#pragma once

#include "page_filling/CategoryWords.h"

#include <string_view>
#include <unordered_map>
#include <vector>

// What a text names, as the category words read it.
struct CategoryMentions
{
    std::vector<size_t> topics; // positions in the words' topics, each once, in text order
    bool catchAll = false;      // "Other", "Sonstiges"
    bool listName = false;      // "Category", "Rubrik"
    bool otherList = false;     // "Language", "Pays"
    // Nothing in the text but words that choose nothing and names of the list ("-- Select a
    // category --", "All"), or no word at all.
    bool choosesNothing = true;
};

// A topic broader than another, and how many steps up it stands.
struct BroaderTopic
{
    size_t topic;
    int steps;
};

// Finds the phrases of the category words in texts. A text is read from its start, each time
// by the longest phrase that stands there ("Computer games" is games, not computers); a phrase
// word of five letters or more also stands for the longer words it begins ("recipe" finds
// "recipes", "Rezept" finds "Rezepte").
class CCategoryVocabulary final
{
public:
    explicit CCategoryVocabulary(CategoryWords words);
    // The vocabulary of the category words compiled in.
    static const CCategoryVocabulary& Known();

    CategoryMentions Read(std::string_view text) const;
    // Every topic above `topic`, by the fewest steps that reach it.
    const std::vector<BroaderTopic>& Broader(size_t topic) const { return m_broader[topic]; }
    const std::string& TopicName(size_t topic) const { return m_words.topics[topic].name; }

private:
    enum class Kind
    {
        Topic,
        ListName,
        OtherList,
        NoChoice,
        CatchAll,
    };
    struct Mark
    {
        Kind kind;
        size_t topic = 0;
    };
    struct Entry
    {
        CategoryPhrase phrase;
        std::vector<Mark> marks;
    };

    void Add(const CategoryPhrase& phrase, Mark mark);
    void ComputeBroader();
    // The entries whose phrase stands at `words[at]`, longest in words; their length.
    size_t LongestAt(const std::vector<std::string>& words, size_t at,
                     std::vector<const Entry*>& found) const;

    CategoryWords m_words;
    std::vector<Entry> m_entries;
    // Entry positions by their phrase's first word.
    std::unordered_map<std::string, std::vector<size_t>> m_byFirstWord;
    std::vector<std::vector<BroaderTopic>> m_broader;
};
