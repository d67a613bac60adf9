#pragma once

#include "directory_check/DirectoryCheckResult.h"
#include "directory_check/DirectoryCheckTarget.h"
#include "directory_check/PageAnswer.h"

#include <chrono>

// Judges what fetching `target`'s address brought. `deadline` is only named in the message
// of a timeout; `checkedUtcMs` is stored with the result.
DirectoryCheckResult ClassifyAnswer(const DirectoryCheckTarget& target, const PageAnswer& answer,
                                    std::chrono::milliseconds deadline, int64_t checkedUtcMs);
