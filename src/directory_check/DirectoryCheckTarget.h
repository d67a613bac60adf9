#pragma once

#include "directory_db/FormField.h"

#include <string>
#include <vector>

// One directory to check: its submission address with the profile's category put in, and the
// fields a fill would look for there.
struct DirectoryCheckTarget
{
    std::string name;
    std::string address;
    std::vector<FormField> fields;
};
