#pragma once

#include "common/AtomicFileWriter.h"

#include <string>

class CDirectoryDatabase;
class MessagePresenter;
class CProfileStore;
struct ProfileRecord;

struct ReportExportOutcome
{
    WriteOutcome written;
    // Why the history could not be read, when it could not: the report is written all the
    // same, with the statuses sv.dat gives and no dates.
    std::string historyError;
};

// Writes the report to `csvPath`, replacing the file atomically. Addresses are the submission
// pages as they open for `current` (its category and subcategory), or with no category when
// there is no current profile. A history file that does not exist is no history, not an error,
// and is not created.
ReportExportOutcome ExportReport(const std::string& csvPath, const CDirectoryDatabase& database,
                                 const CProfileStore& profiles, const ProfileRecord* current,
                                 const std::string& historyPath);

// The same from the program's files in `dataFolder` (ending in '/'): sv.dat, dirdata.xml and
// history.sqlite, read as the window reads them at start; for the command line, which has no
// window. The database's own messages go to `databaseMessages`.
ReportExportOutcome ExportReportFromFolder(const std::string& csvPath,
                                           const std::string& dataFolder,
                                           MessagePresenter& databaseMessages);
