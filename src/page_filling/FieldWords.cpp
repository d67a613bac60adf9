#include "page_filling/FieldWords.h"

#include "page_filling/TextWords.h"

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

constexpr std::string_view kLanguagesKey = "languages:";
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

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const size_t end = text.find_first_of(separators);
        if (const std::string_view part = Trimmed(text.substr(0, end)); !part.empty())
            parts.push_back(part);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return parts;
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

// Reads the file line by line. A section heading says what the lines after it are: either
// "[meaning role strength]" for keywords or the name of a word list ("[name-links]").
class CParser final
{
public:
    FieldWords Parse(std::string_view text)
    {
        while (!text.empty()) {
            const size_t end = text.find('\n');
            ++m_line;
            ReadLine(Trimmed(text.substr(0, end)));
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        }
        if (m_words.languages.empty())
            m_words.errors.push_back("no \"languages:\" line");
        if (m_words.keywords.empty())
            m_words.errors.push_back("no keywords");
        return std::move(m_words);
    }

private:
    void ReadLine(std::string_view line)
    {
        if (line.empty() || line.starts_with('#'))
            return;
        if (line.starts_with(kLanguagesKey))
            ReadLanguages(line.substr(kLanguagesKey.size()));
        else if (line.starts_with('[') && line.ends_with(']'))
            ReadHeading(line.substr(1, line.size() - 2));
        else if (m_list)
            ReadListWord(line);
        else if (m_keyword)
            ReadKeyword(line);
        else if (!m_faultyHeading)
            Fail("", line, " stands before any section");
    }

    void ReadLanguages(std::string_view list)
    {
        if (m_keyword || m_list)
            return Fail("the languages come before the first section");
        for (const std::string_view language : Split(list, ","))
            m_words.languages.emplace_back(language);
    }

    void ReadHeading(std::string_view heading)
    {
        m_list = nullptr;
        m_keyword.reset();
        m_faultyHeading = true;
        const std::vector<std::string_view> parts = Split(heading, kBlanks);
        if (parts.size() == 1)
            return ReadListHeading(parts[0]);
        if (parts.size() != 3)
            return Fail("a section is \"[meaning role strength]\" or a list's name");
        const FieldMeaning* meaning = Find(kMeaningNames, parts[0]);
        if (!meaning)
            return Fail("unknown meaning ", parts[0], "");
        const KeywordRole* role = Find(kRoleNames, parts[1]);
        if (!role)
            return Fail("unknown role ", parts[1], "");
        double strength = 0.0;
        const std::string_view number = parts[2];
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), strength);
        if (error != std::errc() || end != number.data() + number.size() || strength <= 0.0 ||
            strength > 1.0)
            return Fail("the strength ", number, " is no number from 0 to 1");
        m_keyword = FieldKeyword{*meaning, *role, strength, {}};
        m_faultyHeading = false;
    }

    void ReadListHeading(std::string_view name)
    {
        const std::array<std::pair<std::string_view, std::vector<std::string>*>, 4> lists{{
            {"person-qualifiers", &m_words.personQualifiers},
            {"name-links", &m_words.nameLinks},
            {"key-prefixes", &m_words.keyPrefixes},
            {"key-suffixes", &m_words.keySuffixes},
        }};
        if (std::vector<std::string>* const* list = Find(lists, name)) {
            m_list = *list;
            m_faultyHeading = false;
        } else {
            Fail("unknown list ", name, "");
        }
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

    // What is wrong with a text of the file ("unknown role "header"").
    void Fail(std::string_view before, std::string_view text, std::string_view after)
    {
        std::string what(before);
        what += '"';
        what += text;
        what += '"';
        what += after;
        Fail(what);
    }

    void Fail(std::string_view what)
    {
        std::string error = "line ";
        error += std::to_string(m_line);
        error += ": ";
        error += what;
        m_words.errors.push_back(std::move(error));
    }

    FieldWords m_words;
    size_t m_line = 0;
    // The section the next lines belong to: keywords of this meaning, role and strength, or
    // the words of a list.
    std::optional<FieldKeyword> m_keyword;
    std::vector<std::string>* m_list = nullptr;
    // The lines after a heading in error are left out with it, not each one reported.
    bool m_faultyHeading = false;
    std::set<std::pair<FieldMeaning, std::string>> m_keywordsSeen;
    std::set<std::pair<const std::vector<std::string>*, std::string>> m_listWordsSeen;
};

} // namespace

FieldWords ParseFieldWords(std::string_view text)
{
    return CParser().Parse(text);
}
