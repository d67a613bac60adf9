#pragma once

#include <cstdint>
#include <functional>

// A millisecond tick count that wraps around after about 49.7 days, like the system clock
// the submission check was designed on. Injectable so tests can drive time and wrap-around.
using MillisecondClock = std::function<uint32_t()>;

// Milliseconds since an arbitrary fixed point, from a monotonic clock, truncated to 32 bits.
uint32_t SystemMilliseconds();

// Milliseconds from `earlier` to `later`, correct across a wrap-around of the 32-bit count.
inline uint32_t MillisecondsBetween(uint32_t earlier, uint32_t later)
{
    return later - earlier;
}
