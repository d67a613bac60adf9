#include "page_filling/PlaceholderComposer.h"

#include "profiles/ProfileRecord.h"

#include <string_view>

namespace {

struct Placeholder
{
    std::string_view text;
    std::string ProfileRecord::*field;
    FieldRole role;
};

constexpr Placeholder kPlaceholders[] = {
    {"#url#", &ProfileRecord::url, FieldRole::Feed},
    {"#title#", &ProfileRecord::title, FieldRole::Other},
    {"#desc#", &ProfileRecord::desc, FieldRole::Other},
    {"#cat#", &ProfileRecord::cat, FieldRole::Other},
    {"#subcat#", &ProfileRecord::subcat, FieldRole::Other},
    {"#keywords#", &ProfileRecord::keywords, FieldRole::Other},
    {"#email#", &ProfileRecord::email, FieldRole::Contact},
    {"#fname#", &ProfileRecord::fname, FieldRole::Contact},
    {"#lname#", &ProfileRecord::lname, FieldRole::Contact},
};

const Placeholder* PlaceholderAt(std::string_view text)
{
    for (const Placeholder& placeholder : kPlaceholders) {
        if (text.starts_with(placeholder.text))
            return &placeholder;
    }
    return nullptr;
}

// Calls `visit` with each placeholder of `value`, from left to right.
template <typename Visit> void ForEachPlaceholder(const std::string& value, Visit visit)
{
    for (size_t at = value.find('#'); at != std::string::npos; at = value.find('#', at)) {
        const Placeholder* placeholder = PlaceholderAt(std::string_view(value).substr(at));
        if (!placeholder) {
            ++at;
            continue;
        }
        visit(*placeholder, at);
        at += placeholder->text.size();
    }
}

} // namespace

std::string ComposeFieldValue(const std::string& value, const ProfileRecord& profile)
{
    std::string composed;
    composed.reserve(value.size());
    size_t copied = 0;
    ForEachPlaceholder(value, [&](const Placeholder& placeholder, size_t at) {
        composed.append(value, copied, at - copied);
        composed.append(profile.*placeholder.field);
        copied = at + placeholder.text.size();
    });
    composed.append(value, copied, std::string::npos);
    return composed;
}

FieldRole RoleOfFieldValue(const std::string& value)
{
    bool feed = false;
    bool contact = false;
    bool other = false;
    ForEachPlaceholder(value, [&](const Placeholder& placeholder, size_t) {
        feed = feed || placeholder.role == FieldRole::Feed;
        contact = contact || placeholder.role == FieldRole::Contact;
        other = other || placeholder.role == FieldRole::Other;
    });
    if (feed)
        return FieldRole::Feed;
    return contact && !other ? FieldRole::Contact : FieldRole::Other;
}
