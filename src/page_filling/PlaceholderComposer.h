#pragma once

#include <string>

struct ProfileRecord;

// Puts the profile's fields into a field value in place of "#url#", "#title#", "#desc#",
// "#cat#", "#subcat#", "#keywords#", "#email#", "#fname#" and "#lname#", in one pass from left
// to right: what a profile field holds goes in as it is, so a title holding "#email#" keeps
// those words rather than gaining the e-mail address.
std::string ComposeFieldValue(const std::string& value, const ProfileRecord& profile);
