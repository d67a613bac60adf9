#pragma once

#include "feeds/FeedReport.h"

#include <string>

// "RSS 2.0", "Atom 1.0", "RSS" when the version is unknown; "" when the report is of no feed.
std::string FeedKindAndVersion(const FeedReport& report);

// "line 3, column 7: ", "line 3: ", or "" for a problem without a place.
std::string ProblemPlace(const FeedProblem& problem);

// The report as lines for a person at a terminal: what the feed is and says, the feeds a page
// announces, and either "The feed is usable." or the problems.
std::string FeedReportToText(const FeedReport& report);
