#pragma once

#include "directory_db/DirectoryRecord.h"

#include <libxml/tree.h>
#include <string>

// A `directory` element of the database format holding `record`, made in `doc` and not yet
// linked into it. Attributes left out of the record (nullopt) are left out of the element.
xmlNode* MakeDirectoryElement(xmlDoc* doc, const DirectoryRecord& record);

// The element as the database file would hold it, indented, as UTF-8 text.
std::string DirectoryElementText(const DirectoryRecord& record);

// Appends `child` on a line of its own, indented to `depth`, before the blank text that closes
// `parent`, so that the file stays readable for the user who edits it by hand.
void AppendIndented(xmlNode* parent, xmlNode* child, int depth);
