#pragma once

#include <cstdint>
#include <string_view>

// What atoi reads from the start of a text: leading white space, an optional sign, then decimal
// digits up to the first other character; no digits read as 0. The magnitude saturates at the
// largest uint64_t instead of overflowing, so every caller decides its own range.
struct AtoiReading
{
    bool negative = false;
    uint64_t magnitude = 0;
};

AtoiReading ReadAtoi(std::string_view text);
