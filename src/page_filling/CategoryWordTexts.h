#pragma once

#include "page_filling/FieldWordTexts.h"

// Every file of category-words/, by name, as the build compiled it in: a file added there is
// part of the program without any other change.
std::span<const FieldWordText> CategoryWordTexts();
