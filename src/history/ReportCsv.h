#pragma once

#include "history/HistoryEvent.h"

#include <string>
#include <vector>

class CProfileStore;

struct ReportDirectory
{
    std::string name;
    std::string address; // the submission page
};

// The report the user keeps: a header, then one record per directory with its submission
// address and, for every profile, its status and the time of its last event in the history, in
// the user's time zone with its offset (ISO 8601).
// After all of those, one column per profile gives the time of the newest confirmation by
// e-mail, so that the columns of earlier reports stay where they were.
// `lastEvents`: the first event of a pair is its last one; a later one of the pair counts only
// as its confirmation by e-mail.
// The status is "sent" when sv.dat says so, whatever the history holds; otherwise "refused" when
// the last event was a result page without the confirmation text, and "not sent" else.
// Directories that only sv.dat or the history still know of (dropped from the database since)
// follow the database's own, without address, so nothing once sent goes missing.
std::string ComposeReportCsv(const std::vector<ReportDirectory>& directories,
                             const CProfileStore& profiles,
                             const std::vector<HistoryEvent>& lastEvents);
