#pragma once

#include "common/AtomicFileWriter.h"

#include <string>

class CProfileStore;
struct ProfileRecord;

struct ReportExportOutcome
{
    WriteOutcome written;
    // Why the history could not be read, when it could not: the report is written all the
    // same, with the statuses sv.dat gives and no dates.
    std::string historyError;
};

// Writes the report to `csvPath`, replacing the file atomically. The directories and their
// addresses come from the database file at `databasePath`, the addresses as they open for
// `current` (its category and subcategory), or with no category when there is no current
// profile. The database's own messages are not shown: meant for the one directory the user
// picks, they would come by the hundred for a whole report, and a variable that does not work
// out only leaves its name in that address. A history file that does not exist is no history,
// not an error, and is not created.
ReportExportOutcome ExportReport(const std::string& csvPath, const std::string& databasePath,
                                 const CProfileStore& profiles, const ProfileRecord* current,
                                 const std::string& historyPath);

// The same from the program's files, read as the window reads them at start: for the command
// line, which has no window. The profiles and the current one come from `stateFile` (sv.dat).
ReportExportOutcome ExportReportFromFiles(const std::string& csvPath, const std::string& stateFile,
                                          const std::string& databaseFile,
                                          const std::string& historyFile);
