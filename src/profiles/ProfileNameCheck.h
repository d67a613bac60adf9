#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class ProfileNameProblem
{
    None,
    Empty, // nothing but blanks
    Taken, // another profile has it
};

// Whether the profile editor may keep `name` for a profile that was called `original` (empty
// for a new one). Names compare without their leading and trailing blanks, as the lists show
// them: "Blog " beside "Blog" would leave the user guessing which is which. A profile keeps
// its own name even when a file written by an earlier version gave it to two profiles.
ProfileNameProblem CheckProfileName(std::string_view name, std::string_view original,
                                    const std::vector<std::string>& namesInUse);
