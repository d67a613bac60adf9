#pragma once

#include <cstdint>
#include <string_view>

// Reads an item's index the way atoi reads text: leading white space, an optional sign, then
// decimal digits up to the first other character; 0 without digits. Values beyond the 32-bit
// range are clamped to it.
int32_t ReadIndexText(std::string_view text);
