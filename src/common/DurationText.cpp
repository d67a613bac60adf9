#include "common/DurationText.h"

std::string DurationInWords(std::chrono::milliseconds duration)
{
    const auto count = duration.count();
    return count % 1000 == 0 ? std::to_string(count / 1000) + " seconds"
                             : std::to_string(count) + " ms";
}
