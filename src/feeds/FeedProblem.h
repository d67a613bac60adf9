#pragma once

#include <string>

// One thing that keeps a feed from being usable, in words for its owner. Line and column are
// 1-based; 0 where nothing points to a place in the text.
struct FeedProblem
{
    std::string message;
    int line = 0;
    int column = 0;

    bool operator==(const FeedProblem&) const = default;
};
