#pragma once

#include <span>
#include <string>
#include <string_view>

// The category names the profile editor offers, in the order in which they are offered; the
// editor's box sorts them.
std::span<const std::string_view> OfferedCategories();

// The offered name that means what `category` (a feed's own, say) means, or `category` itself
// when none clearly does: "Technology" with "Software" proposes "Information Technology".
std::string ProposedCategory(const std::string& category, const std::string& subcategory);
