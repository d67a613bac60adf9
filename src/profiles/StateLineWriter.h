#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Appends one line of sv.dat to `bytes`: the value, then CR LF on every platform.
void AppendStateLine(std::string& bytes, std::string_view value);

// Appends a count line: plain decimal digits, whatever the global locale says about grouping.
void AppendStateCount(std::string& bytes, size_t count);
