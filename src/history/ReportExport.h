#pragma once

#include "common/AtomicFileWriter.h"

#include <string>

class CProfileStore;
struct DataFolder;
struct ProfileRecord;

struct ReportExportOutcome
{
    WriteOutcome written;
    // Why the history could not be read, when it could not: the report is written all the
    // same, with the statuses sv.dat gives and no dates.
    std::string historyError;
};

// The files a report is made from.
struct ReportSources
{
    std::string databaseFile;        // dirdata.xml
    std::string userDirectoriesFile; // mydirs.xml; empty when there is none
    std::string historyFile;         // history.sqlite; empty when there is none
};

// Writes the report to `csvPath`, replacing the file atomically. The directories and their
// addresses are those of the list: the database file with the user's own directories merged in,
// the addresses as they open for `current` (its category and subcategory), or with no category
// when there is no current profile. The database's own messages are not shown: meant for the
// one directory the user picks, they would come by the hundred for a whole report, and a
// variable that does not work out only leaves its name in that address. The history is read as
// ReadHistoryFile reads it, so a history file that does not exist is no history, not an error,
// and is not created.
ReportExportOutcome ExportReport(const std::string& csvPath, const ReportSources& sources,
                                 const CProfileStore& profiles, const ProfileRecord* current);

// The same from the files in `folder`, read as the window reads them at start: for the command
// line, which has no window. The profiles and the current one come from sv.dat.
ReportExportOutcome ExportReportFromFiles(const std::string& csvPath, const DataFolder& folder);
