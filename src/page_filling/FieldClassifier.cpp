#include "page_filling/FieldClassifier.h"

#include "page_filling/FieldWordLists.h"
#include "page_filling/TextWords.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr size_t kMeaningCount = static_cast<size_t>(FieldMeaning::Category) + 1;
using Evidence = std::array<double, kMeaningCount>;

// How much each thing a page says about a field counts, against what a keyword in it weighs.
constexpr double kLabelWeight = 0.9;
constexpr double kPlaceholderWeight = 0.7;
constexpr double kNearbyWeight = 0.6;
constexpr double kNameWeight = 0.7;
constexpr double kIdWeight = 0.6;
// A keyword this long is found inside a longer word too ("feedtitel", "blogname").
constexpr size_t kShortestInnerKeyword = 4;

struct Keyword
{
    const FieldKeyword* source;
    std::vector<std::string> words;
    std::string joined;
};

const std::vector<Keyword>& Keywords()
{
    static const std::vector<Keyword> keywords = [] {
        std::vector<Keyword> list;
        for (const FieldKeyword& keyword : FieldKeywords()) {
            std::vector<std::string> words = TextWords(keyword.phrase);
            std::string joined;
            for (const std::string& word : words)
                joined += word;
            list.push_back({&keyword, std::move(words), std::move(joined)});
        }
        return list;
    }();
    return keywords;
}

struct Match
{
    const FieldKeyword* keyword;
    size_t first; // words [first, last) of the text
    size_t last;
    size_t length; // letters the keyword has
};

void FindKeyword(const Keyword& keyword, const std::vector<std::string>& words,
                 std::vector<Match>& matches)
{
    const size_t count = keyword.words.size();
    for (size_t i = 0; i + count <= words.size(); ++i) {
        if (std::equal(keyword.words.begin(), keyword.words.end(), words.begin() + i))
            matches.push_back({keyword.source, i, i + count, keyword.joined.size()});
    }
    if (keyword.joined.size() < kShortestInnerKeyword)
        return;
    for (size_t i = 0; i < words.size(); ++i) {
        const bool sameWord = count == 1 && words[i] == keyword.joined;
        if (!sameWord && words[i].find(keyword.joined) != std::string::npos)
            matches.push_back({keyword.source, i, i + 1, keyword.joined.size()});
    }
}

size_t LongestKeywordWords()
{
    static const size_t longest = [] {
        size_t words = 1;
        for (const Keyword& keyword : Keywords())
            words = std::max(words, keyword.words.size());
        return words;
    }();
    return longest;
}

// The matches that no longer keyword covers: "first name" hides the "name" in it. A covering
// match starts at most a keyword's length of words before the one it covers, so only those
// few are compared, and a text of many words costs no more per word than a short one.
std::vector<Match> OutermostMatches(const std::vector<std::string>& words)
{
    std::vector<Match> matches;
    for (const Keyword& keyword : Keywords())
        FindKeyword(keyword, words, matches);
    std::vector<std::vector<size_t>> startingAt(words.size());
    for (size_t i = 0; i < matches.size(); ++i)
        startingAt[matches[i].first].push_back(i);
    const size_t reach = LongestKeywordWords();
    std::vector<Match> outermost;
    for (const Match& match : matches) {
        bool covered = false;
        const size_t from = match.first >= reach ? match.first - reach + 1 : 0;
        for (size_t start = from; start <= match.first && !covered; ++start) {
            covered =
                std::any_of(startingAt[start].begin(), startingAt[start].end(), [&](size_t other) {
                    return matches[other].last >= match.last &&
                           matches[other].length > match.length;
                });
        }
        if (!covered)
            outermost.push_back(match);
    }
    return outermost;
}

bool HasRole(const std::vector<Match>& matches, KeywordRole role)
{
    return std::any_of(matches.begin(), matches.end(),
                       [role](const Match& m) { return m.keyword->role == role; });
}

// What one text says, meaning by meaning: the words that say what the field is for outweigh a
// plain "URL", which outweighs words that only say whose thing it is.
Evidence TextEvidence(std::string_view text)
{
    Evidence evidence{};
    const std::vector<Match> matches = OutermostMatches(TextWords(text));
    KeywordRole used = KeywordRole::Modifier;
    if (HasRole(matches, KeywordRole::Head))
        used = KeywordRole::Head;
    else if (HasRole(matches, KeywordRole::AnyAddress))
        used = KeywordRole::AnyAddress;
    const bool aboutSite = std::any_of(matches.begin(), matches.end(), [](const Match& m) {
        return m.keyword->meaning == FieldMeaning::SiteAddress;
    });
    for (const Match& match : matches) {
        if (match.keyword->role != used)
            continue;
        FieldMeaning meaning = match.keyword->meaning;
        double strength = match.keyword->strength;
        if (used == KeywordRole::AnyAddress && aboutSite) {
            meaning = FieldMeaning::SiteAddress;
            strength = 1.0;
        }
        double& slot = evidence[static_cast<size_t>(meaning)];
        slot = std::max(slot, strength);
    }
    return evidence;
}

// Independent pieces of evidence for a meaning add up without ever reaching 1.
void Add(Evidence& total, FieldMeaning meaning, double amount)
{
    double& slot = total[static_cast<size_t>(meaning)];
    slot = 1.0 - (1.0 - slot) * (1.0 - amount);
}

void AddText(Evidence& total, std::string_view text, double weight)
{
    const Evidence evidence = TextEvidence(text);
    for (size_t i = 0; i < kMeaningCount; ++i)
        Add(total, static_cast<FieldMeaning>(i), weight * evidence[i]);
}

// The autocomplete token that names the field's purpose is the last one ("shipping email").
void AddAutocomplete(Evidence& total, std::string_view autocomplete)
{
    std::string_view token = autocomplete;
    if (const size_t space = token.find_last_of(" \t"); space != std::string_view::npos)
        token = token.substr(space + 1);
    if (token.empty() || token == "on" || token == "off")
        return;
    struct Purpose
    {
        std::string_view token;
        FieldMeaning meaning;
    };
    constexpr Purpose kPurposes[] = {
        {"email", FieldMeaning::Email},          {"given-name", FieldMeaning::FirstName},
        {"family-name", FieldMeaning::LastName}, {"name", FieldMeaning::FullName},
        {"url", FieldMeaning::FeedAddress},
    };
    for (const Purpose& purpose : kPurposes) {
        if (token == purpose.token) {
            Add(total, purpose.meaning, 1.0);
            return;
        }
    }
    // Any other purpose (a password, a telephone number, a postal address) is nothing a
    // profile holds.
    Add(total, FieldMeaning::None, 1.0);
}

bool TakesNoText(const FieldDescriptor& field)
{
    constexpr std::string_view kNoText[] = {"hidden", "checkbox", "radio",   "submit",
                                            "button", "reset",    "image",   "file",
                                            "range",  "color",    "password"};
    return field.tag == "input" &&
           std::find(std::begin(kNoText), std::end(kNoText), field.type) != std::end(kNoText);
}

void AddType(Evidence& total, const FieldDescriptor& field)
{
    if (field.type == "email")
        Add(total, FieldMeaning::Email, 0.9);
    else if (field.type == "url")
        Add(total, FieldMeaning::FeedAddress, 0.4);
    else if (field.type == "tel" || field.type == "number" || field.type.starts_with("date") ||
             field.type == "time" || field.type == "month" || field.type == "week")
        Add(total, FieldMeaning::None, 1.0);
    else if (field.tag == "textarea")
        Add(total, FieldMeaning::Description, 0.35);
}

// A list offers choices, of which a profile knows only the category; a text area holds
// running text, no address or name.
void KeepWhatTheControlCanTake(Evidence& total, const FieldDescriptor& field)
{
    const auto keepOnly = [&total](std::initializer_list<FieldMeaning> kept) {
        for (size_t i = 0; i < kMeaningCount; ++i) {
            const auto meaning = static_cast<FieldMeaning>(i);
            if (std::find(kept.begin(), kept.end(), meaning) == kept.end())
                total[i] = 0.0;
        }
    };
    if (field.tag == "select")
        keepOnly({FieldMeaning::None, FieldMeaning::Category});
    else if (field.tag == "textarea")
        keepOnly({FieldMeaning::None, FieldMeaning::Description, FieldMeaning::Tags,
                  FieldMeaning::Title, FieldMeaning::FeedAddress, FieldMeaning::SiteAddress});
}

FieldClassification Decide(const Evidence& total)
{
    size_t best = 0;
    for (size_t i = 1; i < kMeaningCount; ++i) {
        if (total[i] > total[best])
            best = i;
    }
    double second = 0.0;
    for (size_t i = 0; i < kMeaningCount; ++i) {
        if (i != best)
            second = std::max(second, total[i]);
    }
    if (total[best] <= 0.0)
        return {};
    return {static_cast<FieldMeaning>(best), std::max(0.0, total[best] - 0.5 * second)};
}

} // namespace

FieldClassification CFieldClassifier::Classify(const FieldDescriptor& field) const
{
    if (TakesNoText(field))
        return {FieldMeaning::None, 1.0};
    Evidence total{};
    AddText(total, field.label, kLabelWeight);
    AddText(total, field.placeholder, kPlaceholderWeight);
    AddText(total, field.nearbyText, kNearbyWeight);
    AddText(total, field.name, kNameWeight);
    if (field.id != field.name)
        AddText(total, field.id, kIdWeight);
    AddAutocomplete(total, field.autocomplete);
    AddType(total, field);
    KeepWhatTheControlCanTake(total, field);
    return Decide(total);
}

std::vector<FieldClassification> CFieldClassifier::ClassifyPage(const PageDescription& page) const
{
    const std::vector<FieldDescriptor>& fields = page.fields;
    std::vector<FieldClassification> classes;
    classes.reserve(fields.size());
    for (const FieldDescriptor& field : fields)
        classes.push_back(Classify(field));
    const auto asks = [&classes](FieldMeaning meaning) {
        return std::any_of(classes.begin(), classes.end(), [meaning](const auto& c) {
            return c.meaning == meaning && c.IsConfident();
        });
    };
    // Beside "Surname", "Name" asks for the given name only; beside "Prénom" (first name),
    // "Nom" asks for the family name.
    const bool first = asks(FieldMeaning::FirstName);
    const bool last = asks(FieldMeaning::LastName);
    if (first != last) {
        for (FieldClassification& c : classes) {
            if (c.meaning == FieldMeaning::FullName)
                c.meaning = first ? FieldMeaning::LastName : FieldMeaning::FirstName;
        }
    }
    return classes;
}
