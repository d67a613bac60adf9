#pragma once

#include <optional>
#include <string>
#include <string_view>

// The longest name every query and the list can take.
inline constexpr size_t kMaxDirectoryNameBytes = 223;

// Why `name` cannot name a directory of the user's own, in words for the user; nullopt when it
// can. The list takes a name back by cutting its entry at " [", and sv.dat stores one name a
// line, so neither may occur in it.
std::optional<std::string> DirectoryNameProblem(std::string_view name);
