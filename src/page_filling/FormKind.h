#pragma once

#include "page_filling/FieldDescriptor.h"
#include "page_filling/FieldMeaning.h"
#include "page_filling/FormDescriptor.h"

#include <vector>

// What a form is for, as far as it decides whether a profile may fill it.
enum class FormKind
{
    Other,  // may ask for a profile's facts
    Search, // a search box and its refinements
    Login,  // an account's name and password
};

// One form's fields with what each of them seems to ask for on its own.
struct FormFields
{
    const FormDescriptor* form = nullptr; // null for the fields outside any form
    std::vector<const FieldDescriptor*> fields;
    std::vector<FieldClassification> meanings;
};

// Tells a search or a login form from the others, by what the form says about itself (its
// role, its address, names and buttons) and by the fields it holds.
FormKind ClassifyForm(const FormFields& form);
