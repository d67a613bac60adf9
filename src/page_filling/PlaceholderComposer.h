#pragma once

#include <string>

struct ProfileRecord;

// Puts the profile's fields into a field value: "#url#", "#title#", "#desc#", "#cat#",
// "#subcat#", "#keywords#", "#email#", "#fname#", "#lname#", in that order. Each placeholder is
// replaced over the whole text left by the ones before it, so a title holding "#email#" ends up
// with the e-mail address in it.
std::string ComposeFieldValue(const std::string& value, const ProfileRecord& profile);
