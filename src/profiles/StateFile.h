#pragma once

#include "common/AtomicFileWriter.h"

#include <string>

class CProfileStore;

// sv.dat: the current profile's name on line 1, then the profile store. Lines end in CR LF.
namespace state_file {

// The path of sv.dat beside the executable.
std::string DefaultPath();

// Reads the file into `currentName` and `store`. False, with both untouched, when it cannot be
// opened: a missing file is how a first start looks.
bool Load(const std::string& path, std::string& currentName, CProfileStore& store);

// Replaces the file atomically; on failure the old file is left as it was and the outcome
// says why.
WriteOutcome Save(const std::string& path, const std::string& currentName,
                  const CProfileStore& store);

} // namespace state_file
