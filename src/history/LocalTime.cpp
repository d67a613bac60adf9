#include "history/LocalTime.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

std::string FormatIsoLocalTime(int64_t timeUtcMs)
{
    // Floor division, so that a time before 1970 does not round towards the epoch.
    int64_t seconds = timeUtcMs / 1000;
    if (timeUtcMs % 1000 < 0)
        --seconds;
    const auto clockSeconds = static_cast<std::time_t>(seconds);
    // localtime_r need not look at TZ again; the zone may have changed since the last call.
    tzset();
    std::tm parts{};
    if (!localtime_r(&clockSeconds, &parts))
        return {};
    char text[40];
    const size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
    // %z writes "+0100"; ISO 8601's extended form wants the colon.
    const int offsetMinutes = static_cast<int>(parts.tm_gmtoff / 60);
    const int absolute = std::abs(offsetMinutes);
    char offset[32];
    std::snprintf(offset, sizeof offset, "%c%02d:%02d", offsetMinutes < 0 ? '-' : '+',
                  absolute / 60, absolute % 60);
    return std::string(text, length) + offset;
}
