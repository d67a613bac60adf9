#include "app/ReportCommand.h"

#include "common/DataFolderResolver.h"
#include "history/ReportExport.h"

#include <iostream>

int ExportReportAndExit(const std::string& reportFile, const std::string& chosenDataFolder)
{
    const DataFolder folder =
        CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(chosenDataFolder));
    if (folder.path.empty()) {
        std::cerr << "kestrine: no data folder to read the profiles from: " << folder.problem
                  << '\n';
        return 1;
    }
    const ReportExportOutcome outcome = ExportReportFromFiles(reportFile, folder);
    if (!outcome.historyError.empty()) {
        std::cerr << "kestrine: the history cannot be read (" << outcome.historyError
                  << "); the report has the statuses of sv.dat and no dates\n";
    }
    if (!outcome.written.ok) {
        std::cerr << "kestrine: cannot write " << reportFile << ": " << outcome.written.error
                  << '\n';
        return 1;
    }
    return 0;
}
