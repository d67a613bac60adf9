#pragma once

#include "page_filling/FieldDescriptor.h"

#include <string>
#include <vector>

// What the page shown says about itself for learning it: its title, its address and its
// fillable fields in document order.
struct PageDescription
{
    std::string title;
    std::string address;
    std::vector<FieldDescriptor> fields;
    // Names this description's elements for a fill by meaning: the fill reaches exactly them,
    // and nothing once the page has moved on to another document.
    std::string token;
};
