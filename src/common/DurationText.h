#pragma once

#include <chrono>
#include <string>

// "30 seconds", or "300 ms" for a duration that is not a whole number of seconds.
std::string DurationInWords(std::chrono::milliseconds duration);
