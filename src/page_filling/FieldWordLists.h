#pragma once

#include "page_filling/FieldMeaning.h"

#include <span>

// How a keyword counts when it shows up in what a page says about a field.
enum class KeywordRole
{
    // Says what the field is for.
    Head,
    // A web address of no particular kind ("URL", "Link"): a feed's, unless a site word goes
    // with it.
    AnyAddress,
    // Says whose thing the field is about ("Site", "Blog", "Feed"): it names the field only when
    // nothing else in the same text does ("Site description" is a description).
    Modifier,
};

struct FieldKeyword
{
    FieldMeaning meaning;
    KeywordRole role;
    double strength;    // 0 … 1
    const char* phrase; // words as TextWords gives them, joined by single spaces
};

// The keywords in English, German, French, Spanish, Italian, Portuguese and Dutch. A keyword of
// the meaning None marks fields a profile must never fill (passwords, captchas, user names).
std::span<const FieldKeyword> FieldKeywords();
