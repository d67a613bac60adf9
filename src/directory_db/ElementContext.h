#pragma once

#include <string>
#include <string_view>

struct DirectoryScan;

// What a directory element of a file kept as bytes needs before it to be parsed on its own and
// mean what it means in the file: the byte order mark and XML declaration that open the file,
// then the document element's start tag with its namespace declarations alone. Comments,
// processing instructions and the document element's other attributes change nothing inside a
// directory, and leaving them out keeps each parse as small as the directory, whatever the file
// holds around it.
std::string ElementContext(std::string_view bytes, const DirectoryScan& scan);
