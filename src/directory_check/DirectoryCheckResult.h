#pragma once

#include "directory_check/DirectoryCheckFinding.h"
#include "directory_check/DirectoryCheckStatus.h"

#include <cstdint>
#include <string>
#include <vector>

// What one check of one directory found.
struct DirectoryCheckResult
{
    std::string name;
    std::string address; // the submission address that was fetched
    DirectoryCheckStatus status = DirectoryCheckStatus::Unreachable;
    long httpStatus = 0;                    // of the last answer; 0 when none came
    std::string finalAddress;               // where the last answer came from, after redirects
    std::vector<std::string> missingFields; // names of the directory's fields the page lacks
    // What the message tells beyond the fields above (DirectoryCheckMessage puts it into words),
    // and the number it names.
    DirectoryCheckFinding finding = DirectoryCheckFinding::None;
    int64_t findingNumber = 0;
    // In place of a finding, the words an earlier version stored, in the language of its run.
    std::string storedMessage;
    int64_t checkedUtcMs = 0;

    // Neither dead nor changed: the directory can be used as it is.
    bool IsOk() const { return status == DirectoryCheckStatus::Ok; }
};
