#pragma once

#include "feeds/FeedReport.h"

#include <string_view>

// Reads an RSS, RDF or Atom feed from its bytes under the rules for untrusted XML (nothing is
// fetched, no external entities, an expansion budget, a size cap). Never throws; what keeps the
// feed from being usable is in the report's problems.
FeedReport ReadFeed(std::string_view bytes);
