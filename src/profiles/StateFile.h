#pragma once

#include "common/AtomicFileWriter.h"

#include <string>

class CProfileStore;

// sv.dat: the current profile's name on line 1, then the profile store. Lines end in CR LF.
namespace state_file {

// Reads the file into `currentName` and `store`. False, with both untouched, when it cannot be
// opened: a missing file is how a first start looks. First removes the temporary files that a
// save cut short by a crash left beside it.
bool Load(const std::string& path, std::string& currentName, CProfileStore& store);

// Replaces the file atomically; on failure the old file is left as it was and the outcome
// says why.
WriteOutcome Save(const std::string& path, const std::string& currentName,
                  const CProfileStore& store);
// The same through a writer of the caller's choosing (tests make it fail part-way).
WriteOutcome Save(const std::string& path, const std::string& currentName,
                  const CProfileStore& store, CAtomicFileWriter& writer);

} // namespace state_file
