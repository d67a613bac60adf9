#pragma once

#include <cstdint>
#include <map>
#include <string>

// The kind of control a form field rule names; the codes are those the database format defines.
enum class FieldType : int32_t
{
    Edit = 0,
    ComboBox = 1,
    CheckBox = 2,
};

// One page element to fill: its name (or id), which of several elements of that name, and the
// value with the directory's variables put in (profile placeholders still in place).
struct FormField
{
    std::string name;
    FieldType type = FieldType::Edit;
    int32_t index = 0;
    std::string value;
};

// A directory's variables by name. std::string orders by unsigned bytes, a prefix first, which
// is the order in which the variables are put into a text.
using VariableMap = std::map<std::string, std::string>;
