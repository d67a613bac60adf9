#pragma once

#include <string>
#include <vector>

// What one fill of a directory's page achieved, as the page's fill script reports it.
struct FillReport
{
    int fieldsTotal = 0;              // the directory's form fields
    int fieldsSet = 0;                // of those, the ones that got their value
    std::vector<std::string> missing; // item names of the fields that were not set, in order
    bool formWatched = false;         // a form now reports its submission
    // Nothing was found, and the page holds custom elements: its form may stand in their closed
    // shadow roots, which no script can enter.
    bool componentsOutOfReach = false;
    // Captions of the fields of the filled form that only the user can answer (shown, enabled,
    // still empty), required ones first.
    std::vector<std::string> leftForUser;
    // The host of the frame that got the values; empty when the page itself got them.
    std::string frame;
    // The origin of the document that got the values ("http://host:port"); empty for none.
    std::string site;
    // A category list got the option the user chose by hand on it the last time.
    bool categoryAsChosenBefore = false;
};

// A line for the status bar; `warning` asks for the warning colour.
struct StatusMessage
{
    std::string text;
    bool warning = false;
};

// "Filled 7 of 9 fields · in a frame of forms.example.net · not found: tags, email · left for
// you: Type the word in the picture",
// or the warning that nothing was found.
StatusMessage DescribeFill(const FillReport& report);

// "left for you: Type the word in the picture, I agree to the terms", or "nothing left for you".
std::string DescribeLeftForUser(const std::vector<std::string>& captions);
