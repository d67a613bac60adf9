#include "profiles/ProfileNameCheck.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char* name;
    const char* original; // "" for a new profile
    ProfileNameProblem expected;
};

class ProfileNameCheckTest : public ::testing::TestWithParam<NameCase>
{
};

// What sv.dat may hold: two profiles of one name from an earlier version, and one without a name.
const std::vector<std::string> kNamesInUse{"Blog", "News", "News", "", " Padded "};

} // namespace

TEST_P(ProfileNameCheckTest, RefusesEmptyAndTakenNamesOnly)
{
    const NameCase& row = GetParam();
    EXPECT_EQ(CheckProfileName(row.name, row.original, kNamesInUse), row.expected)
        << "name \"" << row.name << "\", was \"" << row.original << "\"";
}

INSTANTIATE_TEST_SUITE_P(Names, ProfileNameCheckTest,
                         ::testing::Values(NameCase{"", "", ProfileNameProblem::Empty},
                                           NameCase{" \t ", "", ProfileNameProblem::Empty},
                                           NameCase{"", "Blog", ProfileNameProblem::Empty},
                                           NameCase{"Podcast", "", ProfileNameProblem::None},
                                           NameCase{"Blog", "", ProfileNameProblem::Taken},
                                           NameCase{" Blog\t", "", ProfileNameProblem::Taken},
                                           NameCase{"Padded", "", ProfileNameProblem::Taken},
                                           NameCase{"blog", "", ProfileNameProblem::None},
                                           NameCase{"Blog", "Blog", ProfileNameProblem::None},
                                           NameCase{"Blog ", "Blog", ProfileNameProblem::None},
                                           NameCase{"News", "News", ProfileNameProblem::None},
                                           NameCase{"News", "Blog", ProfileNameProblem::Taken},
                                           NameCase{"Renamed", "", ProfileNameProblem::None},
                                           NameCase{"Blog and more", "Blog",
                                                    ProfileNameProblem::None}));
