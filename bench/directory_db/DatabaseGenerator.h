#pragma once

#include <string>

// A dirdata.xml of `count` directories named "Directory 0", "Directory 1", ... Each has a
// submission address and six fields that use three variables of three conditions each, the
// shape of a real database entry.
std::string GenerateDatabase(int count);

// The name GenerateDatabase gives its last directory.
std::string LastDirectoryName(int count);
