#pragma once

#include "profiles/ProfileRecord.h"

#include <array>
#include <string>

// The ten text fields of a profile in their fixed order, the order of a block in sv.dat.
inline constexpr std::array<std::string ProfileRecord::*, 10> kProfileTextFields = {
    &ProfileRecord::name,  &ProfileRecord::url,    &ProfileRecord::title,    &ProfileRecord::desc,
    &ProfileRecord::cat,   &ProfileRecord::subcat, &ProfileRecord::keywords, &ProfileRecord::email,
    &ProfileRecord::fname, &ProfileRecord::lname};
