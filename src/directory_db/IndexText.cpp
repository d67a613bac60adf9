#include "directory_db/IndexText.h"

#include <algorithm>
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

int32_t ReadIndexText(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && IsCSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    // Past 2^31 the clamp below decides alone, so the magnitude stops growing there.
    constexpr int64_t kCeiling = int64_t{1} << 31;
    int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), kCeiling);
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
