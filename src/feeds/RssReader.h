#pragma once

#include "feeds/FeedReport.h"

#include <libxml/tree.h>

// RSS 0.9x and 2.0: <rss> with one <channel> that holds the items. The readers return false,
// with a problem reported, when the document has no channel.
bool IsRssRoot(const xmlNode* root);
bool ReadRss(const xmlNode* root, FeedReport& report);

// RSS 1.0 and 0.90: <rdf:RDF> with a <channel> and the items beside it.
bool IsRdfRoot(const xmlNode* root);
bool ReadRdf(const xmlNode* root, FeedReport& report);
