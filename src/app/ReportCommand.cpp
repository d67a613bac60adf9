#include "app/ReportCommand.h"

#include "common/DataFolderResolver.h"
#include "common/TextCatalogue.h"
#include "history/ReportExport.h"

#include <iostream>

int ExportReportAndExit(const std::string& reportFile, const std::string& chosenDataFolder)
{
    const DataFolder folder =
        CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(chosenDataFolder));
    if (folder.path.empty()) {
        std::cerr << "kestrine: "
                  << FillIn(KESTRINE_TEXT("CommandLine",
                                          "no data folder to read the profiles from: %1"),
                            {folder.problem})
                  << '\n';
        return 1;
    }
    const ReportExportOutcome outcome = ExportReportFromFiles(reportFile, folder);
    if (!outcome.historyError.empty()) {
        std::cerr << "kestrine: "
                  << FillIn(KESTRINE_TEXT("CommandLine",
                                          "the history cannot be read (%1); the report "
                                          "has the statuses of sv.dat and no dates"),
                            {outcome.historyError})
                  << '\n';
    }
    if (!outcome.written.ok) {
        std::cerr << "kestrine: "
                  << FillIn(KESTRINE_TEXT("CommandLine", "cannot write %1: %2"),
                            {reportFile, outcome.written.error})
                  << '\n';
        return 1;
    }
    return 0;
}
