#pragma once

#include <optional>
#include <string_view>

// The files the build embeds in the demo site (its pages, dirdata.xml and the update's extra
// directory), by their path under demo/, such as "site/home.html". The bytes live as long as
// the program.
std::optional<std::string_view> EmbeddedFile(std::string_view path);
