#include "page_filling/TextEvidence.h"

#include "common/AsciiCase.h"
#include "page_filling/KnownFieldWords.h"
#include "page_filling/TextWords.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// A keyword this long is found inside a longer word of a caption ("feedtitel", "blogname").
constexpr size_t kShortestInnerKeyword = 4;
// Letters an inflection adds to a word's end.
constexpr size_t kLongestInflection = 2;
// What a bare name qualified by another word counts for: nobody's name, but not surely so.
constexpr double kQualifiedNameStrength = 0.8;

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
        for (const FieldKeyword& keyword : KnownFieldWords().keywords) {
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

struct Match
{
    const FieldKeyword* keyword;
    size_t first; // words [first, last) of the phrase
    size_t last;
    size_t length; // letters the keyword has
    // Found glued to other letters that do not belong to it ("Firmenname", "companyName").
    bool glued = false;
};

bool HasAffix(std::string_view affix, const std::vector<std::string>& affixes)
{
    return affix.empty() || std::find(affixes.begin(), affixes.end(), affix) != affixes.end();
}

// Where `keyword` stands in a token of a name or id: the whole token, or with a programmer's
// prefix and suffix around it. A bare name after any other prefix is found as glued.
std::optional<bool> FindInToken(const Keyword& keyword, const std::string& token)
{
    const size_t at = token.find(keyword.joined);
    if (at == std::string::npos)
        return std::nullopt;
    const std::string_view prefix(token.data(), at);
    const std::string_view suffix(token.data() + at + keyword.joined.size(),
                                  token.size() - at - keyword.joined.size());
    if (HasAffix(prefix, KnownFieldWords().keyPrefixes) &&
        HasAffix(suffix, KnownFieldWords().keySuffixes))
        return false;
    if (keyword.source->role == KeywordRole::BareName && suffix.empty())
        return true;
    return std::nullopt;
}

void FindKeyword(const Keyword& keyword, const std::vector<std::string>& words, TextSource source,
                 std::vector<Match>& matches)
{
    const size_t count = keyword.words.size();
    const size_t length = keyword.joined.size();
    for (size_t i = 0; i + count <= words.size(); ++i) {
        if (std::equal(keyword.words.begin(), keyword.words.end(), words.begin() + i))
            matches.push_back({keyword.source, i, i + count, length});
    }
    for (size_t i = 0; i < words.size(); ++i) {
        if (count == 1 && words[i] == keyword.joined)
            continue;
        if (source == TextSource::Key) {
            if (const std::optional<bool> glued = FindInToken(keyword, words[i]))
                matches.push_back({keyword.source, i, i + 1, length, *glued});
        } else if (length >= kShortestInnerKeyword &&
                   words[i].find(keyword.joined) != std::string::npos) {
            // Inflected ("Namen") is still the word; compounded ("Firmenname") is another.
            const bool glued = !words[i].starts_with(keyword.joined) ||
                               words[i].size() > keyword.joined.size() + kLongestInflection;
            matches.push_back({keyword.source, i, i + 1, length, glued});
        }
    }
}

// The matches that no longer keyword covers: "first name" hides the "name" in it. A covering
// match starts at most a keyword's length of words before the one it covers, so only those
// few are compared, and a text of many words costs no more per word than a short one.
std::vector<Match> OutermostMatches(const std::vector<std::string>& words, TextSource source)
{
    std::vector<Match> matches;
    for (const Keyword& keyword : Keywords())
        FindKeyword(keyword, words, source, matches);
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

bool IsListed(const std::string& word, const std::vector<std::string>& list)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

// A bare name speaks of a person only when nothing but a person word qualifies it: "Your
// name" does, "Hotel name", "Nom de la société" and "Firmenname" do not.
bool IsQualified(const Match& match, const std::vector<std::string>& words, TextSource source)
{
    if (match.glued)
        return true;
    // Numbers and single letters count items ("2. Name"), they qualify nothing.
    const auto qualifies = [source](const std::string& word) {
        return word.size() > 1 && !IsAsciiDigit(word[0]) &&
               !IsListed(word, KnownFieldWords().personQualifiers) &&
               !(source == TextSource::Key && IsListed(word, KnownFieldWords().keyPrefixes));
    };
    if (match.first > 0 && qualifies(words[match.first - 1]))
        return true;
    return match.last < words.size() && IsListed(words[match.last], KnownFieldWords().nameLinks);
}

// Bare names and warnings say what a field is for, like any head word.
KeywordRole Rank(const FieldKeyword& keyword)
{
    return keyword.role == KeywordRole::BareName || keyword.role == KeywordRole::Warning
               ? KeywordRole::Head
               : keyword.role;
}

// Which words of a phrase count: those that say what the field is for, else a plain address,
// else the words that say whose thing it is.
KeywordRole UsedRank(const std::vector<Match>& matches)
{
    const auto has = [&matches](KeywordRole rank) {
        return std::any_of(matches.begin(), matches.end(),
                           [rank](const Match& m) { return Rank(*m.keyword) == rank; });
    };
    if (has(KeywordRole::Head))
        return KeywordRole::Head;
    return has(KeywordRole::AnyAddress) ? KeywordRole::AnyAddress : KeywordRole::Modifier;
}

// A name or id is read like an English compound: its last head word says what it holds
// ("MailName" is a name, "nameEmail" an e-mail).
size_t LastHeadWord(const std::vector<Match>& matches)
{
    size_t last = 0;
    for (const Match& match : matches) {
        if (Rank(*match.keyword) == KeywordRole::Head)
            last = std::max(last, match.first);
    }
    return last;
}

// What one phrase says, meaning by meaning.
Evidence PhraseEvidence(const std::vector<std::string>& words, TextSource source)
{
    Evidence evidence{};
    const std::vector<Match> matches = OutermostMatches(words, source);
    const auto modifies = [&matches](FieldMeaning meaning) {
        return std::any_of(matches.begin(), matches.end(), [meaning](const Match& m) {
            return m.keyword->role == KeywordRole::Modifier && m.keyword->meaning == meaning;
        });
    };
    const KeywordRole used = UsedRank(matches);
    const size_t lastHead = LastHeadWord(matches);
    for (const Match& match : matches) {
        FieldMeaning meaning = match.keyword->meaning;
        double strength = match.keyword->strength;
        const bool bareName = match.keyword->role == KeywordRole::BareName;
        const KeywordRole role = Rank(*match.keyword);
        if (role != used ||
            (source == TextSource::Key && role == KeywordRole::Head && match.first < lastHead))
            continue;
        if (bareName && IsQualified(match, words, source)) {
            // A caption says whose name it is; a programmer's prefix may say nothing at all.
            if (source == TextSource::Key)
                continue;
            meaning = FieldMeaning::None;
            strength = kQualifiedNameStrength;
        } else if (used == KeywordRole::AnyAddress && modifies(FieldMeaning::FeedAddress)) {
            meaning = FieldMeaning::FeedAddress;
            strength = 1.0;
        } else if (used == KeywordRole::AnyAddress && modifies(FieldMeaning::SiteAddress)) {
            meaning = FieldMeaning::SiteAddress;
            strength = 1.0;
        }
        double& slot = evidence[static_cast<size_t>(meaning)];
        slot = std::max(slot, strength);
    }
    return evidence;
}

// A caption's phrases: the words between punctuation marks. A name or id is one phrase.
std::vector<std::vector<std::string>> Phrases(std::string_view text, TextSource source)
{
    if (source == TextSource::Key)
        return {TextWords(text)};
    std::vector<std::vector<std::string>> phrases;
    size_t start = 0;
    for (size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() &&
            std::string_view(":/|;()*?!,[]{}<>=").find(text[at]) == std::string_view::npos)
            continue;
        if (std::vector<std::string> words = TextWords(text.substr(start, at - start));
            !words.empty())
            phrases.push_back(std::move(words));
        start = at + 1;
    }
    return phrases;
}

} // namespace

Evidence TextEvidence(std::string_view text, TextSource source)
{
    Evidence evidence{};
    for (const std::vector<std::string>& phrase : Phrases(text, source)) {
        const Evidence more = PhraseEvidence(phrase, source);
        for (size_t i = 0; i < kMeaningCount; ++i)
            evidence[i] = std::max(evidence[i], more[i]);
    }
    return evidence;
}

bool WarnsOff(std::string_view caption)
{
    for (const std::vector<std::string>& phrase : Phrases(caption, TextSource::Caption)) {
        const std::vector<Match> matches = OutermostMatches(phrase, TextSource::Caption);
        if (std::any_of(matches.begin(), matches.end(), [](const Match& match) {
                return match.keyword->role == KeywordRole::Warning;
            }))
            return true;
    }
    return false;
}
