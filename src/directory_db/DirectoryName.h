#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The longest name every query and the list can take.
inline constexpr size_t kMaxDirectoryNameBytes = 223;

// Why `name` cannot name a directory of the user's own, in words for the user; nullopt when it
// can. The list takes a name back by cutting its entry at " [", and sv.dat stores one name a
// line, so neither may occur in it. A character that shows nothing (a zero-width space, a
// joiner, a byte order mark) would let a name pass for another one the user already has.
std::optional<std::string> DirectoryNameProblem(std::string_view name);

// The form in which two names that look the same to the user are equal: in Unicode's composed
// form (NFC), without the spaces around them (a no-break space counts as one), and with case
// folded. "Café" typed with a combining accent, "CAFÉ " and "café" all give one key.
std::string DirectoryNameKey(std::string_view name);

// The name among `names` that looks like `name` (the same name first), or nullopt.
std::optional<std::string> FindLookAlike(const std::vector<std::string>& names,
                                         std::string_view name);
