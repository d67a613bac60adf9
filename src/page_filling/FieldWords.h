#pragma once

#include "page_filling/FieldMeaning.h"

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
    double strength;    // 0 … 1
    std::string phrase; // as a page would write it; TextWords reads it as the page's texts
};

// The words fill by meaning looks for in one language or language group, as its field words
// file gives them (field-words/README.md describes the format), or in all of them together.
struct FieldWords
{
    // The languages the words are in, in English ("German").
    std::vector<std::string> languages;
    // A keyword of the meaning None marks fields a profile must never fill (passwords,
    // captchas, user names, postal addresses).
    std::vector<FieldKeyword> keywords;
    // Words, as TextWords gives them, that may stand before a bare name and leave it a
    // person's ("Your name", "Votre nom").
    std::vector<std::string> personQualifiers;
    // Words after a bare name that make another thing's name of it ("Name of", "Nom de").
    std::vector<std::string> nameLinks;
    // What programmers put before and after a word in a field's name ("txtEmail",
    // "emailAddress").
    std::vector<std::string> keyPrefixes;
    std::vector<std::string> keySuffixes;
    // What is wrong in the file, one line each ("line 12: unknown meaning "titel""). The lines
    // in error are left out of the words.
    std::vector<std::string> errors;
};

FieldWords ParseFieldWords(std::string_view text);
