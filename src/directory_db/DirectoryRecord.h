#pragma once

#include "directory_db/FormField.h"

#include <optional>
#include <string>
#include <vector>

// One alternative of a variable, as written: an attribute left out is nullopt.
struct ConditionRecord
{
    std::optional<std::string> category;
    std::optional<std::string> subcategory;
    std::optional<std::string> value;
};

struct VariableRecord
{
    std::optional<std::string> name;
    std::vector<ConditionRecord> conditions;
};

// Everything the database holds about one directory, as the user's own file stores it: the
// field values keep their variable names and placeholders.
struct DirectoryRecord
{
    std::string name;
    std::string submitUrl;
    // Left out until the user has told what the result page says.
    std::optional<std::string> confirmation;
    std::vector<FormField> items;
    std::vector<VariableRecord> variables;
};
