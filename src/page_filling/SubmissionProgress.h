#pragma once

#include <cstddef>
#include <string>

// "12 of 48 directories sent for Blog".
std::string DescribeProgress(size_t sent, size_t total, const std::string& profileName);

// What Next unsent says when it finds nothing to go to; `filtered` when the filter hides some
// directories, which may be the unsent ones.
std::string DescribeNothingUnsent(const std::string& profileName, bool filtered);
