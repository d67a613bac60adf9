#pragma once

#include <cstddef>
#include <optional>
#include <string>

// What the start page tells about the user's work so far.
struct StartPageState
{
    size_t profiles = 0;
    std::optional<std::string> currentProfile;
    // Nullopt while the directory database is still being read.
    std::optional<size_t> directories;
    size_t sent = 0; // for the current profile
};
