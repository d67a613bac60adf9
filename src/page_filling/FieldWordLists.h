#pragma once

#include "page_filling/FieldMeaning.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// How a keyword counts when it shows up in what a page says about a field.
enum class KeywordRole
{
    // Says what the field is for.
    Head,
    // A language's plain word for a name ("Name", "Nom", "Имя"): a person's name, unless
    // another word qualifies it ("Company name", "Nom de la société").
    BareName,
    // An address of no particular kind ("URL", "Link", "Address"): the keyword's own meaning,
    // unless a feed or site word goes with it.
    AnyAddress,
    // Asks to leave the field alone ("Leave this field blank"): a trap for robots.
    Warning,
    // Says whose thing the field is about ("Site", "Blog", "Feed"): it names the field only when
    // nothing else in the same phrase does ("Site description" is a description).
    Modifier,
};

struct FieldKeyword
{
    FieldMeaning meaning;
    KeywordRole role;
    double strength; // 0 … 1
    std::string phrase;
};

// Keywords that count alike, as the language lists write them: phrases parted by "|", each
// phrase written as a page would (TextWords reads it as the page's texts are read).
struct KeywordGroup
{
    FieldMeaning meaning;
    KeywordRole role;
    double strength;
    const char* phrases;
};

// The keywords of every language known. A keyword of the meaning None marks fields a profile
// must never fill (passwords, captchas, user names, postal addresses).
const std::vector<FieldKeyword>& FieldKeywords();

// The keywords by language group: English, German, French, Spanish, Italian, Portuguese and
// Dutch; Polish, Czech, Slovak, Russian and Ukrainian; Swedish, Danish, Norwegian, Finnish and
// Turkish; Japanese, Chinese and Korean.
std::span<const KeywordGroup> WesternKeywords();
std::span<const KeywordGroup> SlavicKeywords();
std::span<const KeywordGroup> NorthernKeywords();
std::span<const KeywordGroup> EastAsianKeywords();

// Words that may stand before a bare name and leave it a person's ("Your name", "Votre nom").
std::span<const std::string_view> PersonQualifiers();
// Words after a bare name that make another thing's name of it ("Name of", "Nom de").
std::span<const std::string_view> NameLinks();
// What programmers put before and after a word in a field's name ("txtEmail", "emailAddress").
std::span<const std::string_view> KeyPrefixes();
std::span<const std::string_view> KeySuffixes();
