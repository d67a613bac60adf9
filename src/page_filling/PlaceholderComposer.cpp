#include "page_filling/PlaceholderComposer.h"

#include "common/ReplaceAll.h"
#include "profiles/ProfileRecord.h"

#include <string_view>

namespace {

struct Placeholder
{
    std::string_view text;
    std::string ProfileRecord::*field;
};

constexpr Placeholder kPlaceholders[] = {
    {"#url#", &ProfileRecord::url},       {"#title#", &ProfileRecord::title},
    {"#desc#", &ProfileRecord::desc},     {"#cat#", &ProfileRecord::cat},
    {"#subcat#", &ProfileRecord::subcat}, {"#keywords#", &ProfileRecord::keywords},
    {"#email#", &ProfileRecord::email},   {"#fname#", &ProfileRecord::fname},
    {"#lname#", &ProfileRecord::lname},
};

} // namespace

std::string ComposeFieldValue(const std::string& value, const ProfileRecord& profile)
{
    std::string composed = value;
    for (const Placeholder& placeholder : kPlaceholders)
        ReplaceAll(composed, placeholder.text, profile.*placeholder.field);
    return composed;
}
