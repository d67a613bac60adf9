#pragma once

#include <string>
#include <string_view>

// The host and port that the shipped demo database names in its submission addresses.
inline constexpr std::string_view kShippedDemoHost = "127.0.0.1:8431";

// The database that the demo site offers as an update: the shipped `database` with `addition`
// (a document whose element is one more `directory`) put in before its closing tag, and every
// kShippedDemoHost replaced by `hostAndPort`, the address the site actually listens on.
// Empty when `database` has no closing tag or `addition` no directory.
std::string MakeUpdateDatabase(std::string_view database, std::string_view addition,
                               std::string_view hostAndPort);
