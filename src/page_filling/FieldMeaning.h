#pragma once

#include <span>
#include <string>

// What a form field asks for, as far as a profile can answer it.
enum class FieldMeaning
{
    None,
    FeedAddress,
    SiteAddress,
    Title,
    Description,
    Tags,
    Email,
    FirstName,
    LastName,
    FullName,
    Category,
};

// Every meaning, None first, in the order a choice offers them.
std::span<const FieldMeaning> AllFieldMeanings();

// The value a directory's item gets for a field of this meaning: profile placeholders, or
// empty when the profile holds nothing for it (None, and the site address, which a profile
// does not keep).
std::string PlaceholderFor(FieldMeaning meaning);

// The meaning in words, for the user.
std::string MeaningText(FieldMeaning meaning);

// The confidence from which a field's meaning is taken for granted.
inline constexpr double kConfidentMeaning = 0.5;

struct FieldClassification
{
    FieldMeaning meaning = FieldMeaning::None;
    double confidence = 0.0; // 0 … 1

    bool IsConfident() const
    {
        return meaning != FieldMeaning::None && confidence >= kConfidentMeaning;
    }
};
