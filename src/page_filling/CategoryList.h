#pragma once

#include "page_filling/CategoryChooser.h"

#include <span>
#include <string>
#include <vector>

// What a page says about one of its selects.
struct SelectTexts
{
    std::string name;
    std::string id;
    // Its label, the text beside it, its title: whatever names it to the user.
    std::vector<std::string> captions;
};

// Whether a select is a list of categories: its caption, name or id call it one ("Category",
// "Rubrik", "cat_id"), or, where they call it nothing, most of its options name topics. A list
// they call something else ("Language", "Country") never is.
bool IsCategoryList(const SelectTexts& select, std::span<const CategoryOption> options);

// Whether choosing the option chooses nothing: an empty value, or nothing but words that ask to
// choose and name the list ("-- Select a category --").
bool ChoosesNothing(const CategoryOption& option);

// The position of the option the user chose earlier, found again: the one with its text, group
// and value, else the only one with its text and group, its value given anew (numbered
// categories renumbered). -1 when it is gone, ambiguous, or no longer chooses anything: an
// option renamed may now mean another category.
int FindChosenOption(std::span<const CategoryOption> options, const CategoryOption& chosen);
