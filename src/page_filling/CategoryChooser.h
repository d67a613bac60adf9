#pragma once

#include <span>
#include <string>

// One option of a category list, as the page shows it.
struct CategoryOption
{
    std::string text;
    std::string value;
    // The label of the option's group (<optgroup>); empty outside any.
    std::string group;
};

// What a profile says about its subject, its category first.
struct CategoryProfile
{
    std::string category;
    std::string subcategory;
    // Read only where the category and subcategory name no known topic.
    std::string tags;
    std::string title;
    std::string description;
};

struct CategoryChoice
{
    int option = -1;         // position among the options; -1 when none is clearly right
    double confidence = 0.0; // 0 … 1

    bool IsChosen() const { return option >= 0; }
};

// Chooses the option of a category list that means what the profile's category says: by the
// topics that the option's text, its group and the parents of a "Parent > Child" text name,
// against those of the subcategory, the category (and only where these name none, the tags,
// title and description), a broader topic counting less than the profile's own. The option
// whose text is the profile's subcategory or category is taken first. When no option is clearly
// better than every other one, none is chosen: a list left to the user costs a click, a wrong
// category a refused submission. An option that chooses nothing ("-- Select --", an empty
// value) is never taken, and a catch-all ("Other") only for a profile whose category is one.
CategoryChoice ChooseCategory(std::span<const CategoryOption> options,
                              const CategoryProfile& profile);
