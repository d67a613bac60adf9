#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CSentSet;

// One flag per name, set where any of `sets` holds the name exactly; all clear without sets.
// Looks each name up where it stands, so marking a large database copies no string.
std::vector<uint8_t> SentFlags(const std::vector<std::string>& names,
                               const std::vector<const CSentSet*>& sets);
