#include "page_filling/DirectoryNameProposal.h"

#include "common/TextCatalogue.h"
#include "directory_db/DirectoryName.h"
#include "page_filling/TextWords.h"

#include <algorithm>
#include <vector>

namespace {

// Words a submission page's title uses around the site's name, in the languages of the field
// keywords.
constexpr std::string_view kTitleFiller[] = {
    "submit",    "submission", "add",       "suggest", "your", "a",        "an",
    "the",       "to",         "for",       "of",      "feed", "feeds",    "rss",
    "url",       "site",       "form",      "page",    "new",  "home",     "register",
    "listing",   "free",       "eintragen", "ihren",   "ihre", "anmelden", "soumettre",
    "ajouter",   "votre",      "enviar",    "anadir",  "su",   "inviare",  "aggiungi",
    "adicionar", "toevoegen",  "aanmelden", "de",      "du",   "la",       "le",
    "il",        "een"};

bool IsFiller(std::string_view word)
{
    const std::vector<std::string> words = TextWords(word);
    return std::all_of(words.begin(), words.end(), [](const std::string& w) {
        return std::find(std::begin(kTitleFiller), std::end(kTitleFiller), w) !=
               std::end(kTitleFiller);
    });
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find_first_of(separators, start);
        const std::string_view part = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!part.empty())
            parts.push_back(part);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return parts;
}

// Words that lead from what the page does to the site's name: "Submit your feed to …".
constexpr std::string_view kConnectors[] = {"to",   "for", "at", "on", "bei",  "zu", "sur",
                                            "chez", "en",  "a",  "em", "naar", "op"};

bool IsConnector(std::string_view word)
{
    const std::vector<std::string> words = TextWords(word);
    return words.size() == 1 && std::find(std::begin(kConnectors), std::end(kConnectors),
                                          words.front()) != std::end(kConnectors);
}

// The site's name in one part of a title: the words after "Submit your feed to", or the whole
// part; empty when the part says only what the page does.
std::string NameFromPart(std::string_view part)
{
    const std::vector<std::string_view> words = Split(part, " \t");
    if (std::all_of(words.begin(), words.end(), IsFiller))
        return {};
    auto from = words.begin();
    for (auto word = words.begin(); word != words.end() && IsFiller(*word); ++word) {
        if (IsConnector(*word))
            from = word + 1;
    }
    std::string name;
    for (auto word = from; word != words.end(); ++word) {
        if (!name.empty())
            name += ' ';
        name.append(*word);
    }
    return name;
}

// The first part of the title, between separators such as " - " or " | ", that names the site.
std::string NameFromTitle(std::string_view title)
{
    constexpr std::string_view kSeparators[] = {" - ",  " | ", " \xe2\x80\x93 ", " \xe2\x80\x94 ",
                                                " :: ", ": ",  " \xc2\xb7 ",     " \xc2\xbb "};
    std::string marked;
    for (size_t at = 0; at < title.size();) {
        const std::string_view rest = title.substr(at);
        const auto separator =
            std::find_if(std::begin(kSeparators), std::end(kSeparators),
                         [rest](std::string_view s) { return rest.starts_with(s); });
        if (separator != std::end(kSeparators)) {
            marked += '\n';
            at += separator->size();
        } else {
            marked += title[at++];
        }
    }
    for (std::string_view part : Split(marked, "\n")) {
        if (std::string name = NameFromPart(part); !name.empty())
            return name;
    }
    return {};
}

std::string HostOf(std::string_view address)
{
    if (const size_t scheme = address.find("://"); scheme != std::string_view::npos)
        address.remove_prefix(scheme + 3);
    address = address.substr(0, address.find_first_of("/?#"));
    if (const size_t user = address.rfind('@'); user != std::string_view::npos)
        address.remove_prefix(user + 1);
    if (!address.starts_with('['))
        address = address.substr(0, address.find(':'));
    if (address.starts_with("www."))
        address.remove_prefix(4);
    return std::string(address);
}

// Collapses white space and control characters, keeps the list's " [" out and the length
// within what the queries take, cutting only between characters.
std::string Tidy(std::string_view text)
{
    std::string tidy;
    for (char c : text) {
        const bool space = static_cast<unsigned char>(c) <= ' ' || c == 0x7f;
        if (space) {
            if (!tidy.empty() && tidy.back() != ' ')
                tidy += ' ';
            continue;
        }
        tidy += c == '[' ? '(' : c == ']' ? ')' : c;
    }
    while (!tidy.empty() && tidy.back() == ' ')
        tidy.pop_back();
    if (tidy.size() > kMaxDirectoryNameBytes) {
        size_t cut = kMaxDirectoryNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(tidy[cut]) & 0xC0) == 0x80)
            --cut;
        tidy.resize(cut);
    }
    return tidy;
}

} // namespace

std::string ProposeDirectoryName(std::string_view title, std::string_view address)
{
    std::string name = Tidy(NameFromTitle(Tidy(title)));
    if (name.empty())
        name = Tidy(HostOf(address));
    return name.empty() ? KESTRINE_TEXT("DirectoryNameProposal", "New directory") : name;
}
