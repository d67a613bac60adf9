#include "page_filling/FieldWordLists.h"

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kPersonQualifiers[] = {"your"sv,
                                                  "you"sv,
                                                  "full"sv,
                                                  "my"sv,
                                                  "real"sv,
                                                  "contact"sv,
                                                  "person"sv,
                                                  "complete"sv,
                                                  "legal"sv,
                                                  "author"sv,
                                                  "owner"sv,
                                                  "sender"sv,
                                                  "customer"sv,
                                                  "client"sv,
                                                  "visitor"sv,
                                                  "guest"sv,
                                                  "his"sv,
                                                  "her"sv,
                                                  "their"sv,
                                                  "the"sv,
                                                  "and"sv,
                                                  "or"sv,
                                                  "votre"sv,
                                                  "ton"sv,
                                                  "vos"sv,
                                                  "ihr"sv,
                                                  "ihren"sv,
                                                  "dein"sv,
                                                  "deinen"sv,
                                                  "tu"sv,
                                                  "su"sv,
                                                  "seu"sv,
                                                  "sua"sv,
                                                  "vostro"sv,
                                                  "tuo"sv,
                                                  "il"sv,
                                                  "uw"sv,
                                                  "je"sv,
                                                  "jouw"sv,
                                                  "und"sv,
                                                  "et"sv,
                                                  "y"sv,
                                                  "e"sv,
                                                  "i"sv,
                                                  "a"sv,
                                                  "og"sv,
                                                  "och"sv,
                                                  "ja"sv,
                                                  "ve"sv,
                                                  "twoje"sv,
                                                  "vase"sv,
                                                  "tvoje"sv,
                                                  "ваше"sv,
                                                  "ваш"sv,
                                                  "твое"sv,
                                                  "ваше"sv,
                                                  "ditt"sv,
                                                  "dit"sv,
                                                  "din"sv,
                                                  "sinun"sv,
                                                  "kontakt"sv,
                                                  "contatto"sv,
                                                  "contacto"sv,
                                                  "vollstandiger"sv,
                                                  "vollstandigen"sv,
                                                  "kompletter"sv};

constexpr std::string_view kNameLinks[] = {
    "of"sv,  "de"sv,  "del"sv, "da"sv,  "do"sv,   "du"sv,   "des"sv, "della"sv, "di"sv,
    "van"sv, "von"sv, "der"sv, "for"sv, "pour"sv, "para"sv, "per"sv, "voor"sv,  "fur"sv};

constexpr std::string_view kKeyPrefixes[] = {
    "your"sv,     "my"sv,         "user"sv,    "contact"sv,    "author"sv,    "customer"sv,
    "cust"sv,     "client"sv,     "sender"sv,  "from"sv,       "visitor"sv,   "guest"sv,
    "person"sv,   "real"sv,       "full"sv,    "the"sv,        "new"sv,       "reg"sv,
    "register"sv, "signup"sv,     "login"sv,   "account"sv,    "txt"sv,       "tb"sv,
    "tbx"sv,      "text"sv,       "inp"sv,     "input"sv,      "fld"sv,       "field"sv,
    "frm"sv,      "form"sv,       "edt"sv,     "edit"sv,       "ctl"sv,       "ctrl"sv,
    "data"sv,     "main"sv,       "primary"sv, "comment"sv,    "commenter"sv, "applicant"sv,
    "member"sv,   "subscriber"sv, "sub"sv,     "newsletter"sv, "nl"sv};

constexpr std::string_view kKeySuffixes[] = {
    "address"sv,      "addr"sv,  "adr"sv,    "adresse"sv,    "adres"sv,     "field"sv,
    "input"sv,        "txt"sv,   "text"sv,   "box"sv,        "value"sv,     "confirm"sv,
    "confirmation"sv, "again"sv, "repeat"sv, "check"sv,      "id"sv,        "main"sv,
    "form"sv,         "fld"sv,   "signup"sv, "newsletter"sv, "subscribe"sv, "subscription"sv};

void Expand(std::span<const KeywordGroup> groups, std::vector<FieldKeyword>& keywords)
{
    for (const KeywordGroup& group : groups) {
        std::string_view phrases = group.phrases;
        while (!phrases.empty()) {
            const size_t bar = phrases.find('|');
            keywords.push_back(
                {group.meaning, group.role, group.strength, std::string(phrases.substr(0, bar))});
            phrases = bar == std::string_view::npos ? std::string_view() : phrases.substr(bar + 1);
        }
    }
}

} // namespace

const std::vector<FieldKeyword>& FieldKeywords()
{
    static const std::vector<FieldKeyword> keywords = [] {
        std::vector<FieldKeyword> list;
        for (const auto groups :
             {WesternKeywords(), SlavicKeywords(), NorthernKeywords(), EastAsianKeywords()})
            Expand(groups, list);
        return list;
    }();
    return keywords;
}

std::span<const std::string_view> PersonQualifiers()
{
    return kPersonQualifiers;
}

std::span<const std::string_view> NameLinks()
{
    return kNameLinks;
}

std::span<const std::string_view> KeyPrefixes()
{
    return kKeyPrefixes;
}

std::span<const std::string_view> KeySuffixes()
{
    return kKeySuffixes;
}
