#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words of a text as the field classifier compares them: lower case, accents taken off
// Latin letters (é → e, ß → ss), split at everything that is not a letter or digit, at a change
// between letters and digits, and where a lower-case letter meets a capital ("feedUrl").
std::vector<std::string> TextWords(std::string_view text);
