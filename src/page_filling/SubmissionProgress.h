#pragma once

#include <cstddef>
#include <string>

// "12 of 48 directories sent for Blog".
std::string DescribeProgress(size_t sent, size_t total, const std::string& profileName);

// What Next unsent says when it finds nothing to go to; `filtered` when the filter hides some
// directories, which may be the unsent ones; `deadLeft` when the only unsent ones shown are
// those the last check found dead, which it skips.
std::string DescribeNothingUnsent(const std::string& profileName, bool filtered,
                                  bool deadLeft = false);
