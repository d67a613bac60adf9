#include "page_filling/PlaceholderComposer.h"

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

const Placeholder* PlaceholderAt(std::string_view text)
{
    for (const Placeholder& placeholder : kPlaceholders) {
        if (text.starts_with(placeholder.text))
            return &placeholder;
    }
    return nullptr;
}

} // namespace

std::string ComposeFieldValue(const std::string& value, const ProfileRecord& profile)
{
    std::string composed;
    composed.reserve(value.size());
    size_t copied = 0;
    for (size_t at = value.find('#'); at != std::string::npos; at = value.find('#', at)) {
        const Placeholder* placeholder = PlaceholderAt(std::string_view(value).substr(at));
        if (!placeholder) {
            ++at;
            continue;
        }
        composed.append(value, copied, at - copied);
        composed.append(profile.*placeholder->field);
        at += placeholder->text.size();
        copied = at;
    }
    composed.append(value, copied, std::string::npos);
    return composed;
}
