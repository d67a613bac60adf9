#pragma once

#include <cstddef>
#include <libxml/tree.h>
#include <memory>
#include <string_view>

// The largest file that is parsed at all; larger input is refused unread.
inline constexpr size_t kMaxUntrustedXmlBytes = size_t{64} << 20;

struct XmlDocFree
{
    void operator()(xmlDoc* doc) const;
};
using XmlDocumentPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

// Sets libxml2 up for the whole process, once. Call it on the main thread before any other
// thread parses; ParseUntrustedXml calls it too, for programs that parse on one thread only.
void InitUntrustedXml();

// Parses bytes that came from outside: no network, no external entities or DTD loading, a size
// cap, an entity-expansion budget. Null when any rule is broken or the text is not well-formed.
XmlDocumentPtr ParseUntrustedXml(std::string_view bytes);

// True when `bytes` parse under the same rules and the document element is named r.
bool IsDirectoryDatabaseDocument(std::string_view bytes);
