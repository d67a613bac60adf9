#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Appends one line of sv.dat to `bytes`: the value as StoredLineValue gives it, then CR LF on
// every platform.
void AppendStateLine(std::string& bytes, std::string_view value);

// Makes `value` what sv.dat holds, and so what reads back: a line feed inside it (a directory
// name from the database can hold one) becomes a space, since it would end the line.
void MakeStoredLineValue(std::string& value);
// The value as MakeStoredLineValue leaves it.
std::string StoredLineValue(std::string_view value);

// Appends a count line: plain decimal digits, whatever the global locale says about grouping.
void AppendStateCount(std::string& bytes, size_t count);
