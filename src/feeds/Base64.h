#pragma once

#include <optional>
#include <string>
#include <string_view>

// Decodes base64 text; white space anywhere is skipped, padding is optional. Nullopt when the
// text holds anything else.
std::optional<std::string> DecodeBase64(std::string_view text);
