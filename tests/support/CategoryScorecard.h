#pragma once

#include "page_filling/CategoryChooser.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// One category list of the scorecard with one profile, and the options a person would accept.
struct CategoryCase
{
    std::string list;    // the list's file name without ".list"
    std::string profile; // the profile's name in profiles.txt
    std::vector<CategoryOption> options;
    CategoryProfile profileTexts;
    // The values acceptable; empty when nothing in the list fits and it must be left.
    std::set<std::string> acceptable;
};

struct CategoryScorecardSet
{
    std::vector<CategoryCase> cases;
    std::vector<std::string> lists;
    // What is wrong in the files ("katalog-de.list:12: no profile "runing""): the cases they
    // would make are not trusted.
    std::vector<std::string> errors;
};

// Reads the annotated lists in `folder` (its README.md gives the format).
CategoryScorecardSet ReadCategoryScorecard(const std::string& folder);

enum class CategoryVerdict
{
    Right, // an acceptable option, or none where nothing fits
    Wrong, // any other option
    Left,  // none, where an option fits
};

CategoryVerdict JudgeCategoryChoice(const CategoryCase& sample, const CategoryChoice& choice);
