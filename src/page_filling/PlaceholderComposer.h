#pragma once

#include <string>

struct ProfileRecord;

// Puts the profile's fields into a field value in place of "#url#", "#title#", "#desc#",
// "#cat#", "#subcat#", "#keywords#", "#email#", "#fname#" and "#lname#", in one pass from left
// to right: what a profile field holds goes in as it is, so a title holding "#email#" keeps
// those words rather than gaining the e-mail address.
std::string ComposeFieldValue(const std::string& value, const ProfileRecord& profile);

// What a field's value says of the form that takes it. A form that takes the feed's address is
// a directory's; one that takes only an e-mail address or a name may be any site's (a
// newsletter, a chat, comments), and the profile does not go to it on that ground alone.
enum class FieldRole
{
    Feed,    // the feed's address ("#url#")
    Contact, // an e-mail address or a name, and nothing else of the profile
    Other,
};

// The role of a field whose value, profile placeholders still in place, is `value`.
FieldRole RoleOfFieldValue(const std::string& value);
