#include "directory_db/DirectoryScan.h"

#include "directory_db/PrologComments.h"
#include "directory_db/UntrustedXml.h"
#include "directory_db/XmlNodes.h"

#include <cstring>
#include <libxml/parserInternals.h>

namespace {

// What the scan knows while the parser reports its events.
struct ScanState
{
    std::string_view bytes;
    DirectoryScan scan;
    int depth = 0;
    bool documentStarted = false;
    bool documentTypeSeen = false;
    bool tooDeep = false;
};

ScanState& StateOf(void* context)
{
    return *static_cast<ScanState*>(UntrustedXmlListener(context));
}

// Names as a database reader matches them: no prefix, no namespace.
bool IsPlainName(const xmlChar* localName, const xmlChar* prefix, const xmlChar* uri,
                 const char* wanted)
{
    return !prefix && !uri && std::strcmp(reinterpret_cast<const char*>(localName), wanted) == 0;
}

// Bytes read so far: up to the ">" or "/>" of a start tag, or past an end tag.
size_t Consumed(void* context)
{
    return static_cast<size_t>(xmlByteConsumed(static_cast<xmlParserCtxt*>(context)));
}

// The "<" that opens the tag being reported; attribute values hold no "<".
size_t TagStart(const ScanState& state, size_t consumed)
{
    const size_t at = state.bytes.substr(0, consumed).rfind('<');
    return at == std::string_view::npos ? 0 : at;
}

// The attributes come as five pointers each: local name, prefix, namespace, value, value end.
std::optional<std::string> NameAttribute(int count, const xmlChar** attributes)
{
    for (int i = 0; i < count; ++i) {
        const xmlChar** attribute = attributes + 5 * i;
        if (IsPlainName(attribute[0], attribute[1], attribute[2], "name"))
            return std::string(reinterpret_cast<const char*>(attribute[3]),
                               reinterpret_cast<const char*>(attribute[4]));
    }
    return std::nullopt;
}

void OnStartDocument(void* context)
{
    // Where the parser stops before this (bytes it cannot decode), it has no document either.
    StateOf(context).documentStarted = true;
}

void OnDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*)
{
    // The caller reads such a file as a whole document; nothing after this matters.
    StateOf(context).documentTypeSeen = true;
    xmlStopParser(static_cast<xmlParserCtxt*>(context));
}

void OnStartElement(void* context, const xmlChar* localName, const xmlChar* prefix,
                    const xmlChar* uri, int, const xmlChar**, int attributeCount, int,
                    const xmlChar** attributes)
{
    ScanState& state = StateOf(context);
    const int depth = state.depth++;
    // The parser that builds a document refuses this depth; a scan must not accept more.
    if (static_cast<unsigned>(depth) > xmlParserMaxDepth) {
        state.tooDeep = true;
        xmlStopParser(static_cast<xmlParserCtxt*>(context));
        return;
    }
    if (depth == 0) {
        const auto* input = static_cast<xmlParserCtxt*>(context)->input;
        state.scan.elementsStandAlone = input && input->buf && !input->buf->encoder;
        const size_t consumed = Consumed(context);
        state.scan.rootTagOffset = TagStart(state, consumed);
        state.scan.rootIsDatabase = IsPlainName(localName, prefix, uri, "r");
        // The parser reports a start tag on its ">", or on the "/>" of a root without
        // content, which holds no directory to parse on its own.
        if (consumed < state.bytes.size() && state.bytes[consumed] == '>')
            state.scan.rootTagLength = consumed + 1 - state.scan.rootTagOffset;
        return;
    }
    if (depth == 1 && state.scan.rootIsDatabase && state.scan.elementsStandAlone &&
        IsPlainName(localName, prefix, uri, "directory")) {
        DirectoryScan::Directory directory;
        directory.offset = TagStart(state, Consumed(context));
        directory.name = NameAttribute(attributeCount, attributes);
        state.scan.directories.push_back(std::move(directory));
    }
}

void OnEndElement(void* context, const xmlChar* localName, const xmlChar* prefix,
                  const xmlChar* uri)
{
    ScanState& state = StateOf(context);
    if (--state.depth == 1 && state.scan.rootIsDatabase && state.scan.elementsStandAlone &&
        IsPlainName(localName, prefix, uri, "directory")) {
        DirectoryScan::Directory& directory = state.scan.directories.back();
        directory.length = Consumed(context) - directory.offset;
    }
}

std::optional<DirectoryScan> ScanWithParser(std::string_view bytes)
{
    xmlSAXHandler events{};
    events.initialized = XML_SAX2_MAGIC;
    events.startDocument = OnStartDocument;
    events.internalSubset = OnDocumentType;
    events.startElementNs = OnStartElement;
    events.endElementNs = OnEndElement;
    ScanState state;
    state.bytes = bytes;
    const UntrustedXmlError error = ScanUntrustedXml(bytes, events, &state);
    if (state.documentTypeSeen)
        return DirectoryScan{};
    if (error.kind != UntrustedXmlError::Kind::None || state.tooDeep || !state.documentStarted)
        return std::nullopt;
    return std::move(state.scan);
}

// Places in the parsed bytes as places in the file, which holds `cut`'s comments as well.
void ShiftPastCut(DirectoryScan& scan, const PrologCut& cut)
{
    const size_t removed = cut.resumeAt - cut.keepUntil;
    const auto shift = [&](size_t& offset) {
        if (offset >= cut.keepUntil)
            offset += removed;
    };
    shift(scan.rootTagOffset);
    for (DirectoryScan::Directory& directory : scan.directories)
        shift(directory.offset);
}

} // namespace

std::optional<DirectoryScan> ScanDirectories(std::string_view bytes)
{
    // Below this the parser's own pace costs less than the copy that leaving comments out takes.
    constexpr size_t kShortestCut = 64 * 1024;
    if (bytes.size() > kMaxUntrustedXmlBytes)
        return std::nullopt;
    const std::optional<PrologCut> cut = FindPlainPrologComments(bytes, kShortestCut);
    if (!cut)
        return ScanWithParser(bytes);
    std::string parsed;
    parsed.reserve(bytes.size() - (cut->resumeAt - cut->keepUntil));
    parsed.append(bytes.substr(0, cut->keepUntil)).append(bytes.substr(cut->resumeAt));
    std::optional<DirectoryScan> scan = ScanWithParser(parsed);
    if (scan && scan->elementsStandAlone)
        ShiftPastCut(*scan, *cut);
    return scan;
}

bool IsDirectoryDatabaseDocument(std::string_view bytes)
{
    const std::optional<DirectoryScan> scan = ScanDirectories(bytes);
    if (!scan)
        return false;
    if (scan->elementsStandAlone)
        return scan->rootIsDatabase;
    // A document type or another encoding: only the whole document tells.
    const XmlDocumentPtr doc = ParseUntrustedXml(bytes);
    return doc && IsElementNamed(xmlDocGetRootElement(doc.get()), "r");
}
