#include "page_filling/FieldWords.h"

#include "page_filling/TextWords.h"
#include "page_filling/WordsFileText.h"

#include <array>
#include <charconv>
#include <optional>
#include <set>
#include <utility>

namespace {

using enum FieldMeaning;
using enum KeywordRole;

constexpr std::array<std::pair<std::string_view, FieldMeaning>, 11> kMeaningNames{{
    {"none", None},
    {"feed-address", FeedAddress},
    {"site-address", SiteAddress},
    {"title", Title},
    {"description", Description},
    {"tags", Tags},
    {"email", Email},
    {"first-name", FirstName},
    {"last-name", LastName},
    {"full-name", FullName},
    {"category", Category},
}};

constexpr std::array<std::pair<std::string_view, KeywordRole>, 5> kRoleNames{{
    {"head", Head},
    {"bare-name", BareName},
    {"any-address", AnyAddress},
    {"warning", Warning},
    {"modifier", Modifier},
}};

constexpr std::string_view kBlanks = " \t\r";

template <typename Value, size_t Count>
const Value* Find(const std::array<std::pair<std::string_view, Value>, Count>& names,
                  std::string_view name)
{
    for (const auto& [known, value] : names) {
        if (known == name)
            return &value;
    }
    return nullptr;
}

std::string Joined(const std::vector<std::string>& words)
{
    std::string joined;
    for (const std::string& word : words) {
        if (!joined.empty())
            joined += ' ';
        joined += word;
    }
    return joined;
}

// A section heading says what the lines after it are: either "[meaning role strength]" for
// keywords or the name of a word list ("[name-links]").
class CParser final : public CWordsFileReader
{
public:
    FieldWords Parse(std::string_view text)
    {
        ReadText(text, m_words.languages, m_words.errors);
        if (m_words.keywords.empty())
            m_words.errors.push_back("no keywords");
        return std::move(m_words);
    }

private:
    void ReadEntry(std::string_view line) override
    {
        if (m_list)
            ReadListWord(line);
        else
            ReadKeyword(line);
    }

    bool ReadHeading(std::string_view heading) override
    {
        m_list = nullptr;
        const std::vector<std::string_view> parts = SplitWordsLine(heading, kBlanks);
        if (parts.size() == 1)
            return ReadListHeading(parts[0]);
        if (parts.size() != 3)
            return Failed("a section is \"[meaning role strength]\" or a list's name");
        const FieldMeaning* meaning = Find(kMeaningNames, parts[0]);
        if (!meaning)
            return Failed("unknown meaning ", parts[0]);
        const KeywordRole* role = Find(kRoleNames, parts[1]);
        if (!role)
            return Failed("unknown role ", parts[1]);
        double strength = 0.0;
        const std::string_view number = parts[2];
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), strength);
        if (error != std::errc() || end != number.data() + number.size() || strength <= 0.0 ||
            strength > 1.0) {
            Fail("the strength ", number, " is no number from 0 to 1");
            return false;
        }
        m_keyword = FieldKeyword{*meaning, *role, strength, {}};
        return true;
    }

    bool Failed(std::string_view what, std::string_view text = {})
    {
        if (text.empty())
            Fail(what);
        else
            Fail(what, text, "");
        return false;
    }

    bool ReadListHeading(std::string_view name)
    {
        const std::array<std::pair<std::string_view, std::vector<std::string>*>, 4> lists{{
            {"person-qualifiers", &m_words.personQualifiers},
            {"name-links", &m_words.nameLinks},
            {"key-prefixes", &m_words.keyPrefixes},
            {"key-suffixes", &m_words.keySuffixes},
        }};
        std::vector<std::string>* const* list = Find(lists, name);
        if (!list)
            return Failed("unknown list ", name);
        m_list = *list;
        return true;
    }

    void ReadKeyword(std::string_view phrase)
    {
        const std::string words = Joined(TextWords(phrase));
        if (words.empty())
            return Fail("", phrase, " holds no word");
        if (!m_keywordsSeen.emplace(m_keyword->meaning, words).second)
            return Fail("", phrase, " is listed twice for its meaning");
        m_words.keywords.push_back(*m_keyword);
        m_words.keywords.back().phrase = phrase;
    }

    // The lists are compared with a text's words one by one, so each entry is one word.
    void ReadListWord(std::string_view entry)
    {
        std::vector<std::string> words = TextWords(entry);
        if (words.size() != 1)
            return Fail("", entry, " is not one word");
        if (!m_listWordsSeen.emplace(m_list, words[0]).second)
            return Fail("", entry, " is listed twice");
        m_list->push_back(std::move(words[0]));
    }

    FieldWords m_words;
    // The section the next lines belong to: keywords of this meaning, role and strength, or
    // the words of a list.
    std::optional<FieldKeyword> m_keyword;
    std::vector<std::string>* m_list = nullptr;
    std::set<std::pair<FieldMeaning, std::string>> m_keywordsSeen;
    std::set<std::pair<const std::vector<std::string>*, std::string>> m_listWordsSeen;
};

} // namespace

FieldWords ParseFieldWords(std::string_view text)
{
    return CParser().Parse(text);
}
