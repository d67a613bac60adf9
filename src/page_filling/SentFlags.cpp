#include "page_filling/SentFlags.h"

#include "profiles/SentSet.h"

std::vector<uint8_t> SentFlags(const std::vector<std::string>& names,
                               const std::vector<const CSentSet*>& sets)
{
    std::vector<uint8_t> flags(names.size(), 0);
    for (const CSentSet* sent : sets) {
        if (sent->empty())
            continue;
        for (size_t row = 0; row < names.size(); ++row)
            flags[row] |= sent->contains(names[row]) ? 1 : 0;
    }
    return flags;
}
