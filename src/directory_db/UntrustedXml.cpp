#include "directory_db/UntrustedXml.h"

#include "directory_db/EntityExpansionMeter.h"

#include <algorithm>
#include <libxml/parser.h>
#include <mutex>

namespace {

// Expanded attribute text may grow to this many times the file's size, up to the size cap.
constexpr size_t kExpansionFactor = 8;

// No options that fetch or substitute: external entities, DTDs and XInclude stay unread, and
// entity references stay references, so a reader expands only the attributes it asks for.
// Short texts are kept inside their nodes, which saves a large database many allocations and
// megabytes; the program never changes a parsed document, which is all that this requires.
constexpr int kParseOptions =
    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;

xmlParserInputPtr RefuseExternalEntity(const char*, const char*, xmlParserCtxtPtr)
{
    return nullptr;
}

struct ParserContextFree
{
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

struct ErrorKeeper
{
    const UntrustedXmlRules& rules;
    UntrustedXmlError& first;
    void* listener = nullptr; // what ScanUntrustedXml's events report to
};

// The parser goes on after the first fatal error and may report more, which follow from it;
// the first one is what a person can act on.
void KeepFirstError(void* userData, xmlError* error)
{
    const auto* keeper = static_cast<ErrorKeeper*>(static_cast<xmlParserCtxt*>(userData)->_private);
    if (!keeper || !error || error->level < XML_ERR_ERROR)
        return;
    if (error->domain == XML_FROM_NAMESPACE && !keeper->rules.namespacesWellFormed)
        return;
    UntrustedXmlError* first = &keeper->first;
    if (first->kind != UntrustedXmlError::Kind::None)
        return;
    first->kind = UntrustedXmlError::Kind::NotWellFormed;
    first->message = error->message ? error->message : "";
    while (!first->message.empty() &&
           (first->message.back() == '\n' || first->message.back() == ' '))
        first->message.pop_back();
    first->line = error->line;
    first->column = error->int2;
}

using ParserContextPtr = std::unique_ptr<xmlParserCtxt, ParserContextFree>;

// The one-shot xmlReadMemory refuses well-formed files of more than 10 MB whose elements carry
// long attributes ("Huge input lookup"); fed in pieces, the parser's window stays small. With
// `events` null the parser builds a document; otherwise only the events are reported.
ParserContextPtr PushInPieces(std::string_view bytes, const xmlSAXHandler* events,
                              ErrorKeeper& keeper)
{
    constexpr size_t kPiece = 64 * 1024;
    // The first bytes go in at once so that the parser can tell the encoding from them.
    const size_t head = std::min<size_t>(bytes.size(), 4);
    // Without user data the events get the parser's context, where the keeper is found.
    ParserContextPtr context(xmlCreatePushParserCtxt(const_cast<xmlSAXHandler*>(events), nullptr,
                                                     bytes.data(), static_cast<int>(head),
                                                     nullptr));
    if (!context) {
        keeper.first.kind = UntrustedXmlError::Kind::NotWellFormed;
        return context;
    }
    xmlCtxtUseOptions(context.get(), kParseOptions);
    context->_private = &keeper;
    context->sax->serror = KeepFirstError;
    int error = 0;
    for (size_t at = head; at < bytes.size() && error == 0; at += kPiece) {
        const size_t piece = std::min(kPiece, bytes.size() - at);
        error = xmlParseChunk(context.get(), bytes.data() + at, static_cast<int>(piece), 0);
    }
    if (error == 0)
        xmlParseChunk(context.get(), nullptr, 0, 1);
    return context;
}

UntrustedXmlResult ParseInPieces(std::string_view bytes, const UntrustedXmlRules& rules)
{
    UntrustedXmlResult result;
    ErrorKeeper keeper{rules, result.error};
    const ParserContextPtr context = PushInPieces(bytes, nullptr, keeper);
    if (!context)
        return result;
    XmlDocumentPtr doc(context->myDoc);
    context->myDoc = nullptr;
    const bool namespacesOk = context->nsWellFormed || !rules.namespacesWellFormed;
    // Building the document stops at a text of more than 10 MB ("huge text node") as if out of
    // memory, without marking the file not well-formed: the rest of the file would be lost.
    const bool complete = context->errNo != XML_ERR_NO_MEMORY;
    if (context->wellFormed && namespacesOk && complete && doc) {
        result.error = {};
        result.doc = std::move(doc);
    } else {
        result.error.kind = UntrustedXmlError::Kind::NotWellFormed;
    }
    return result;
}

size_t ExpansionBudget(size_t fileSize)
{
    return std::min(fileSize * kExpansionFactor, kMaxUntrustedXmlBytes);
}

} // namespace

// The loader is process-wide in libxml2; nothing in this program wants external resources.
void InitUntrustedXml()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(RefuseExternalEntity);
    });
}

void XmlDocFree::operator()(xmlDoc* doc) const
{
    xmlFreeDoc(doc);
}

XmlDocumentPtr ParseUntrustedXml(std::string_view bytes)
{
    return ReadUntrustedXml(bytes, {}).doc;
}

UntrustedXmlResult ReadUntrustedXml(std::string_view bytes, const UntrustedXmlRules& rules)
{
    if (bytes.size() > kMaxUntrustedXmlBytes)
        return {nullptr, {UntrustedXmlError::Kind::TooLarge, {}, 0, 0}};
    InitUntrustedXml();
    UntrustedXmlResult result = ParseInPieces(bytes, rules);
    if (!result.doc)
        return result;
    const auto scope = rules.textInBudget ? CEntityExpansionMeter::Scope::AttributesAndText
                                          : CEntityExpansionMeter::Scope::Attributes;
    CEntityExpansionMeter meter(ExpansionBudget(bytes.size()), scope);
    if (!meter.FitsBudget(*result.doc))
        return {nullptr, {UntrustedXmlError::Kind::OverExpansionBudget, {}, 0, 0}};
    return result;
}

UntrustedXmlError ScanUntrustedXml(std::string_view bytes, const xmlSAXHandler& events,
                                   void* listener)
{
    if (bytes.size() > kMaxUntrustedXmlBytes)
        return {UntrustedXmlError::Kind::TooLarge, {}, 0, 0};
    InitUntrustedXml();
    UntrustedXmlError error;
    const UntrustedXmlRules rules;
    ErrorKeeper keeper{rules, error, listener};
    const ParserContextPtr context = PushInPieces(bytes, &events, keeper);
    if (context && !context->wellFormed && error.kind == UntrustedXmlError::Kind::None)
        error.kind = UntrustedXmlError::Kind::NotWellFormed;
    return error;
}

void* UntrustedXmlListener(void* parserContext)
{
    return static_cast<ErrorKeeper*>(static_cast<xmlParserCtxt*>(parserContext)->_private)
        ->listener;
}
