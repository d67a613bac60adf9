#pragma once

#include "page_filling/FieldDescriptor.h"
#include "page_filling/FormDescriptor.h"

#include <string>
#include <vector>

// What the page shown says about itself for learning it: its title, its address, its fillable
// fields in document order and its forms in document order.
struct PageDescription
{
    std::string title;
    std::string address;
    std::vector<FieldDescriptor> fields;
    // Names this description's elements for a fill by meaning: the fill reaches exactly them,
    // and nothing once the page has moved on to another document.
    std::string token;
    std::vector<FormDescriptor> forms;
};
