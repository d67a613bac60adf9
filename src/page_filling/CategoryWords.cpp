#include "page_filling/CategoryWords.h"

#include "page_filling/CategoryWordTexts.h"
#include "page_filling/TextWords.h"
#include "page_filling/WordsFileText.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace {

constexpr std::string_view kTopicKey = "topic ";

bool IsTopicName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(),
                                        [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
}

// A section heading says what the lines after it are: a topic's phrases ("[topic software <
// technology]") or one of the lists ("[catch-all]").
class CParser final : public CWordsFileReader
{
public:
    CategoryWords Parse(std::string_view text)
    {
        ReadText(text, m_words.languages, m_words.errors);
        if (m_words.topics.empty())
            m_words.errors.push_back("no topics");
        return std::move(m_words);
    }

private:
    bool ReadHeading(std::string_view heading) override
    {
        m_section = nullptr;
        if (heading.starts_with(kTopicKey))
            return ReadTopicHeading(heading.substr(kTopicKey.size()));
        const std::array<std::pair<std::string_view, std::vector<CategoryPhrase>*>, 4> lists{{
            {"list-names", &m_words.listNames},
            {"other-lists", &m_words.otherLists},
            {"no-choice", &m_words.noChoice},
            {"catch-all", &m_words.catchAll},
        }};
        for (const auto& [name, list] : lists) {
            if (name == heading) {
                m_section = list;
                return true;
            }
        }
        Fail("unknown section ", heading, "");
        return false;
    }

    // "name" or "name < parent, parent".
    bool ReadTopicHeading(std::string_view text)
    {
        const size_t less = text.find('<');
        CategoryTopic topic;
        topic.name = TrimmedWordsLine(text.substr(0, less));
        if (less != std::string_view::npos) {
            for (const std::string_view parent : SplitWordsLine(text.substr(less + 1), ","))
                topic.parents.emplace_back(parent);
            if (topic.parents.empty()) {
                Fail("no parent after \"<\"");
                return false;
            }
        }
        for (const std::string& name : topic.parents) {
            if (!IsTopicName(name) || name == topic.name) {
                Fail("", name, " cannot be a parent of its own topic or has no name");
                return false;
            }
        }
        if (!IsTopicName(topic.name)) {
            Fail("a topic's name is written in small letters a to z and dashes");
            return false;
        }
        m_words.topics.push_back(std::move(topic));
        m_section = &m_words.topics.back().phrases;
        return true;
    }

    void ReadEntry(std::string_view line) override
    {
        CategoryPhrase phrase = TextWords(line);
        if (phrase.empty())
            return Fail("", line, " holds no word");
        if (std::find(m_section->begin(), m_section->end(), phrase) != m_section->end())
            return Fail("", line, " is listed twice in its section");
        m_section->push_back(std::move(phrase));
    }

    CategoryWords m_words;
    // The phrases the next lines add to.
    std::vector<CategoryPhrase>* m_section = nullptr;
};

void AppendNew(std::vector<CategoryPhrase>& list, const std::vector<CategoryPhrase>& more)
{
    for (const CategoryPhrase& phrase : more) {
        if (std::find(list.begin(), list.end(), phrase) == list.end())
            list.push_back(phrase);
    }
}

void Merge(CategoryWords& all, const CategoryWords& file)
{
    all.languages.insert(all.languages.end(), file.languages.begin(), file.languages.end());
    AppendNew(all.listNames, file.listNames);
    AppendNew(all.otherLists, file.otherLists);
    AppendNew(all.noChoice, file.noChoice);
    AppendNew(all.catchAll, file.catchAll);
    all.errors.insert(all.errors.end(), file.errors.begin(), file.errors.end());
    for (const CategoryTopic& topic : file.topics) {
        auto known = std::find_if(all.topics.begin(), all.topics.end(),
                                  [&topic](const auto& t) { return t.name == topic.name; });
        if (known == all.topics.end()) {
            all.topics.push_back(topic);
            continue;
        }
        AppendNew(known->phrases, topic.phrases);
        for (const std::string& parent : topic.parents) {
            if (std::find(known->parents.begin(), known->parents.end(), parent) ==
                known->parents.end())
                known->parents.push_back(parent);
        }
    }
}

} // namespace

CategoryWords ParseCategoryWords(std::string_view text)
{
    return CParser().Parse(text);
}

const CategoryWords& KnownCategoryWords()
{
    static const CategoryWords known = [] {
        CategoryWords all;
        for (const FieldWordText& file : CategoryWordTexts()) {
            CategoryWords words = ParseCategoryWords(file.text);
            for (std::string& error : words.errors)
                error.insert(0, std::string(file.name) + ", ");
            Merge(all, words);
        }
        std::set<std::string> names;
        for (const CategoryTopic& topic : all.topics)
            names.insert(topic.name);
        for (const CategoryTopic& topic : all.topics) {
            for (const std::string& parent : topic.parents) {
                if (names.contains(parent))
                    continue;
                std::string error = "the parent \"";
                error += parent;
                error += "\" of \"";
                error += topic.name;
                error += "\" is no topic";
                all.errors.push_back(std::move(error));
            }
        }
        return all;
    }();
    return known;
}
