#pragma once

#include <string>

// `text` as a JSON string, quotes included: quotes, backslashes and control characters escaped,
// other bytes (UTF-8 included) as they are.
std::string JsonString(const std::string& text);

// Appends `"name": value` and, unless it is the last of its object, a separator.
void AddJsonField(std::string& out, const char* name, const std::string& value, bool last = false);
