#pragma once

#include <cstddef>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>
#include <string>
#include <string_view>

// The largest file that is parsed at all; larger input is refused unread.
inline constexpr size_t kMaxUntrustedXmlBytes = size_t{64} << 20;

struct XmlDocFree
{
    void operator()(xmlDoc* doc) const;
};
using XmlDocumentPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

// What a reader of untrusted XML requires beyond well-formedness.
struct UntrustedXmlRules
{
    // The expansion budget covers element text too, for readers that take it.
    bool textInBudget = false;
    // An undeclared namespace prefix makes the document unusable.
    bool namespacesWellFormed = false;
};

// Why a document was refused; line and column are 0 where the parser gives none.
struct UntrustedXmlError
{
    enum class Kind
    {
        None,
        TooLarge,
        NotWellFormed,
        OverExpansionBudget,
    };

    Kind kind = Kind::None;
    std::string message; // the parser's own words, for NotWellFormed
    int line = 0;
    int column = 0;
};

struct UntrustedXmlResult
{
    XmlDocumentPtr doc; // null when `error` says why
    UntrustedXmlError error;
};

// Sets libxml2 up for the whole process, once. Call it on the main thread before any other
// thread parses; ParseUntrustedXml calls it too, for programs that parse on one thread only.
void InitUntrustedXml();

// Parses bytes that came from outside: no network, no external entities or DTD loading, a size
// cap, an entity-expansion budget. Null when any rule is broken or the text is not well-formed.
XmlDocumentPtr ParseUntrustedXml(std::string_view bytes);

// The same, under `rules`, telling why a document was refused (the first error the parser met).
UntrustedXmlResult ReadUntrustedXml(std::string_view bytes, const UntrustedXmlRules& rules);

// Reads bytes under the same rules as ParseUntrustedXml without building a document, reporting
// the parser's `events` instead. Each event gets the parser's context as its first argument,
// and UntrustedXmlListener(context) gives back `listener`. The expansion budget is not applied:
// a listener that reads entity references must check it itself. An event may stop the parser
// (xmlStopParser); the result then says nothing of the bytes after it, and the listener must
// remember why it stopped.
UntrustedXmlError ScanUntrustedXml(std::string_view bytes, const xmlSAXHandler& events,
                                   void* listener);
void* UntrustedXmlListener(void* parserContext);

