#pragma once

#include "feeds/FeedReport.h"

#include <libxml/tree.h>
#include <vector>

// The categories a feed gives itself, in document order, each once: an RSS channel's
// <category>, an Atom feed's <category> (its label, else its term), and a podcast's
// itunes:category with the first itunes:category inside it as the subcategory. Only the
// children of `channel` (the RSS channel or the Atom feed) count, not those of its items.
std::vector<FeedCategory> ReadFeedCategories(const xmlNode* channel);
