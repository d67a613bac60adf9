#pragma once

#include "page_filling/FieldMeaning.h"

#include <array>
#include <string_view>

inline constexpr size_t kMeaningCount = static_cast<size_t>(FieldMeaning::Category) + 1;

// How strongly a text speaks for each meaning, 0 … 1, by meaning.
using Evidence = std::array<double, kMeaningCount>;

// Where a text comes from, which decides how its words are matched.
enum class TextSource
{
    // Words the page shows (a label, a placeholder): a keyword counts inside a longer word too
    // ("Feedtitel", "E-Mail-Adresse").
    Caption,
    // A field's name or id: a keyword counts as a whole token, or glued only to the prefixes
    // and suffixes programmers put around it ("txtEmail", "useremail", "emailaddress"), never
    // inside another word ("tx_powermail").
    Key,
};

// What `text` says about a field's meaning. The text is read in phrases, split at punctuation
// ("Name / Organisation" holds two); each meaning takes its strongest phrase. Within a phrase,
// the words that say what a field is for outweigh a plain "URL" or "Address", which outweigh
// words that only say whose thing it is ("Site", "Blog"). A bare "Name" qualified by another
// word ("Company name", "Nom de la société") is nobody's name.
Evidence TextEvidence(std::string_view text, TextSource source);

// Whether a caption asks to leave its field alone ("Leave this field blank", "should be left
// unchanged"), as robot traps do.
bool WarnsOff(std::string_view caption);
