#pragma once

#include "net/DownloadLimits.h"

#include <ostream>
#include <string>

// "kestrine --check-feed ADDRESS|FILE [--json]": checks the feed without a window and writes
// the report to `out`, as text or as one JSON object. Returns the exit status: 0 when the feed
// is usable, 1 when it has problems, among them a server that does not answer within `limits`.
int RunFeedCheck(const std::string& target, bool json, std::ostream& out,
                 const DownloadLimits& limits = DownloadLimits::ForFeedCheck());
