#pragma once

#include <span>
#include <string_view>

// A confirmation words file as the build compiled it in.
struct ConfirmationWordText
{
    std::string_view name; // the file's name in confirmation-words/ ("northern.words")
    std::string_view text;
};

// Every file of confirmation-words/, by name, written by the build from the folder.
std::span<const ConfirmationWordText> ConfirmationWordTexts();
