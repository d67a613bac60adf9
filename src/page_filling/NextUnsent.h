#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Of `count` directories, the first after `selected` (from the start when nothing is selected)
// that is not sent and that `shown` accepts, wrapping around to the selected one itself last;
// nullopt when there is none. `sent` holds one flag per directory.
std::optional<size_t> NextUnsent(const std::vector<uint8_t>& sent, std::optional<size_t> selected,
                                 const std::function<bool(size_t)>& shown);

// The directories Next unsent goes to one after another from `selected`, at most `count` and
// never `selected` itself: those worth having ready before the user asks for them.
std::vector<size_t> NextUnsentRun(const std::vector<uint8_t>& sent, std::optional<size_t> selected,
                                  const std::function<bool(size_t)>& shown, size_t count);
