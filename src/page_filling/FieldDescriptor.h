#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a page says about one of its form fields, as the page's describing script reports it.
// Texts are UTF-8, as the page shows them.
struct FieldDescriptor
{
    std::string tag;  // "input", "textarea" or "select"
    std::string type; // an input's type in lower case ("text", "email" …); empty otherwise
    std::string name;
    std::string id;
    // Which of the elements whose name or id equals the field's key (its name, else its id) it
    // is, counting from 0 in document order: the index a directory's item gives.
    int32_t index = 0;
    // Position among the fields the page described, to find the field again without a key.
    int32_t ordinal = 0;
    // Position of the field's form among the page's forms; -1 outside any form.
    int32_t form = -1;
    std::string label;       // <label for>, a wrapping <label>, or aria-label
    std::string placeholder; // the placeholder attribute
    std::string nearbyText;  // the text shown just before the field, as old table forms have it
    std::string noteAfter;   // a note just after the field, within its own caption's box
    std::string autocomplete;
    std::string title;                // the title attribute, a tooltip that often names the field
    std::vector<std::string> options; // a select's option texts
    // The address of the frame the field stands in; empty for the page's own document.
    std::string frame;

    // The name or id under which a directory's item finds the field; empty when it has neither.
    const std::string& Key() const { return name.empty() ? id : name; }
};
