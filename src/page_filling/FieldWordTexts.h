#pragma once

#include <span>
#include <string_view>

// A field words file as the build compiled it in.
struct FieldWordText
{
    std::string_view name; // the file's name in field-words/ ("slavic.words")
    std::string_view text;
};

// Every file of field-words/, by name. The build writes their definition from the folder, so
// that a file added there is part of the program without any other change.
std::span<const FieldWordText> FieldWordTexts();
