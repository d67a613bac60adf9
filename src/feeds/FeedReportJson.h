#pragma once

#include "feeds/FeedReport.h"

#include <string>

// One JSON object with the report's fields (kind, version, title, link, description,
// language, items, newest, discovered, redirectedTo, problems), strings escaped as JSON
// requires; a position of 0 and an empty date or kind are null.
std::string FeedReportToJson(const FeedReport& report);
