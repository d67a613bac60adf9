#pragma once

#include <string>
#include <string_view>
#include <vector>

// A phrase as TextWords gives it: lower case, without accents, one word an entry.
using CategoryPhrase = std::vector<std::string>;

// A subject that a category list's options and a profile's category may both name, in any
// language: "software" is "Software", "Logiciels" and "Oprogramowanie".
struct CategoryTopic
{
    std::string name; // "software"
    // Broader topics, which a list offers when it lacks this one ("technology" for "software").
    std::vector<std::string> parents;
    std::vector<CategoryPhrase> phrases;
};

// The words that choosing a category reads, as a category words file gives them
// (category-words/README.md describes the format), or as all of them together.
struct CategoryWords
{
    std::vector<std::string> languages;
    // What a category list is called ("Category", "Rubrik"), by its caption, name or id.
    std::vector<CategoryPhrase> listNames;
    // What lists that only look like one are called ("Language", "Country"): never touched.
    std::vector<CategoryPhrase> otherLists;
    // The words of an option that chooses nothing ("-- Please select --", "All").
    std::vector<CategoryPhrase> noChoice;
    // The words of a catch-all ("Other", "Sonstiges", "Divers").
    std::vector<CategoryPhrase> catchAll;
    std::vector<CategoryTopic> topics;
    // What is wrong in the file, one line each ("line 12: unknown section "topik""). The lines
    // in error are left out of the words.
    std::vector<std::string> errors;
};

CategoryWords ParseCategoryWords(std::string_view text);

// The words of every category words file compiled in, a topic that several files name made
// one. Its errors name a parent that no file has as a topic.
const CategoryWords& KnownCategoryWords();
