#pragma once

#include <cstddef>
#include <string>
#include <vector>

// How the tabs kept ready in the background change to hold the directories `wanted`. A tab
// that already holds a wanted directory keeps it, so no directory is loaded twice; a tab whose
// directory is no longer wanted (sent meanwhile, or left behind by the user's pick) is given a
// wanted one that has no tab yet, new tabs take the rest, and tabs still left over close.
struct ReadyTabPlan
{
    struct Reuse
    {
        size_t tab; // index into the `held` the plan was made from
        std::string directory;
        friend bool operator==(const Reuse&, const Reuse&) = default;
    };

    std::vector<Reuse> reuse;
    std::vector<std::string> open; // in new tabs, in the order wanted
    std::vector<size_t> close;     // indexes into `held`
};

// `held` holds the directory of each tab kept ready now.
ReadyTabPlan PlanReadyTabs(const std::vector<std::string>& held,
                           const std::vector<std::string>& wanted);
