#include "page_filling/ReadyTabPlan.h"

#include <algorithm>

ReadyTabPlan PlanReadyTabs(const std::vector<std::string>& held,
                           const std::vector<std::string>& wanted)
{
    const auto contains = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    std::vector<size_t> spare;
    for (size_t tab = 0; tab < held.size(); ++tab) {
        // A second tab for the same directory is as spare as one nobody wants.
        const bool heldBefore =
            std::find(held.begin(), held.begin() + static_cast<std::ptrdiff_t>(tab), held[tab]) !=
            held.begin() + static_cast<std::ptrdiff_t>(tab);
        if (!contains(wanted, held[tab]) || heldBefore)
            spare.push_back(tab);
    }
    ReadyTabPlan plan;
    auto nextSpare = spare.begin();
    for (const std::string& directory : wanted) {
        if (contains(held, directory))
            continue;
        if (nextSpare != spare.end())
            plan.reuse.push_back({*nextSpare++, directory});
        else
            plan.open.push_back(directory);
    }
    plan.close.assign(nextSpare, spare.end());
    return plan;
}
