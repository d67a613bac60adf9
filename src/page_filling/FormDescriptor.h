#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a page says about one of its forms, as the page's describing script reports it: enough
// to tell a search or login form from one that asks for a profile's facts.
struct FormDescriptor
{
    std::string action; // the action attribute as written
    std::string id;
    std::string name;
    std::string className;
    bool searchRole = false;          // the form or an ancestor has role="search"
    int32_t passwordFields = 0;       // shown password inputs
    std::vector<std::string> buttons; // captions of its submit buttons
};
