#include "history/UtcTime.h"

#include <chrono>
#include <ctime>

int64_t SystemUtcMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string FormatUtcTime(int64_t timeUtcMs)
{
    // Floor division, so that a time before 1970 does not round towards the epoch.
    int64_t seconds = timeUtcMs / 1000;
    if (timeUtcMs % 1000 < 0)
        --seconds;
    const auto clockSeconds = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!gmtime_r(&clockSeconds, &parts))
        return {};
    char text[32];
    const size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return std::string(text, length);
}
