#pragma once

#include <string>

// `kestrine --export-report FILE.csv`: writes the report from the files in the data folder the
// window would use (`chosenDataFolder` is --data-dir, empty when not given) and returns the
// process's exit code, saying on standard error what went wrong. Needs no display.
int ExportReportAndExit(const std::string& reportFile, const std::string& chosenDataFolder);
