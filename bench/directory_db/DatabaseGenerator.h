#pragma once

#include <string>

// What a generated database holds besides its directories.
struct DatabaseShape
{
    // Text between the XML declaration and the document element, such as a comment.
    std::string prolog;
    // Every name holds an ampersand, written "&amp;" in the file: "Directory 7 & Co".
    bool ampersandInNames = false;
};

// A dirdata.xml of `count` directories named "Directory 0", "Directory 1", ... Each has a
// submission address and six fields that use three variables of three conditions each, the
// shape of a real database entry.
std::string GenerateDatabase(int count, const DatabaseShape& shape = {});

// The name GenerateDatabase gives its last directory.
std::string LastDirectoryName(int count);
