#include "common/AtoiText.h"

#include <limits>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

AtoiReading ReadAtoi(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && IsCSpace(text[at]))
        ++at;
    AtoiReading reading;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        reading.negative = text[at++] == '-';
    constexpr uint64_t kLargest = std::numeric_limits<uint64_t>::max();
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        const auto digit = static_cast<uint64_t>(text[at] - '0');
        reading.magnitude =
            reading.magnitude > (kLargest - digit) / 10 ? kLargest : reading.magnitude * 10 + digit;
    }
    return reading;
}
