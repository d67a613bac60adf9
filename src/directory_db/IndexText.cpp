#include "directory_db/IndexText.h"

#include "common/AtoiText.h"

#include <algorithm>
#include <limits>

int32_t ReadIndexText(std::string_view text)
{
    const AtoiReading reading = ReadAtoi(text);
    // Past 2^31 the clamp below decides alone, so the magnitude may stop there.
    constexpr uint64_t kCeiling = uint64_t{1} << 31;
    const auto magnitude = static_cast<int64_t>(std::min(reading.magnitude, kCeiling));
    const int64_t value = reading.negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
