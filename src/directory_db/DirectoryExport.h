#pragma once

#include "common/AtomicFileWriter.h"
#include "directory_db/DirectoryRecord.h"

#include <string>
#include <vector>

class CDirectoryDatabase;

// The user's own directories as the database shows them, in list order.
std::vector<DirectoryRecord> UserDirectoryRecords(const CDirectoryDatabase& database);

// Writes `directories` to `path` as a list in the format of dirdata.xml, replacing the file
// atomically, for another user to import. The user names the file: give a writer that trusts
// links as the kernel does (LinkTrust::AsTheKernel).
WriteOutcome ExportDirectories(const std::vector<DirectoryRecord>& directories,
                               const std::string& path, CAtomicFileWriter& writer);
