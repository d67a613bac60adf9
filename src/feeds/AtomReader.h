#pragma once

#include "feeds/FeedReport.h"

#include <libxml/tree.h>

// Atom 1.0 and 0.3: <feed> with its entries.
bool IsAtomRoot(const xmlNode* root);
void ReadAtom(const xmlNode* root, FeedReport& report);
