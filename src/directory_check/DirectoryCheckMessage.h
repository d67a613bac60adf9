#pragma once

#include "directory_check/DirectoryCheckResult.h"

#include <string>

// What the check found, in the words of the language installed now: "Not found (404)",
// "Fields missing: email.". A result an earlier version stored keeps the words it stored. Empty
// when all is well.
std::string DirectoryCheckMessage(const DirectoryCheckResult& result);
