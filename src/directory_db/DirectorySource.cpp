#include "directory_db/DirectorySource.h"

#include "common/ReplaceAll.h"
#include "directory_db/ChildElements.h"
#include "directory_db/DirectoryScan.h"
#include "directory_db/ElementContext.h"

#include <libxml/xmlmemory.h>

namespace {

constexpr std::string_view kRootEnd = "</r>";

} // namespace

std::shared_ptr<const CDirectorySource> CDirectorySource::Read(std::string bytes)
{
    std::optional<DirectoryScan> scan = ScanDirectories(bytes);
    if (!scan)
        return nullptr;
    if (scan->elementsStandAlone)
        return KeepBytes(std::move(bytes), std::move(*scan));
    return KeepDocument(bytes);
}

std::shared_ptr<const CDirectorySource> CDirectorySource::KeepBytes(std::string bytes,
                                                                    DirectoryScan scan)
{
    std::shared_ptr<CDirectorySource> source(new CDirectorySource);
    source->m_context = ElementContext(bytes, scan);
    source->m_names.reserve(scan.directories.size());
    source->m_slices.reserve(scan.directories.size());
    for (DirectoryScan::Directory& directory : scan.directories) {
        if (!directory.name)
            continue;
        // The scan's parser hands every "&" in an attribute on as the reference "&#38;", and
        // holds no other "&": what it wrote for one is all there is to take back.
        ReplaceAll(*directory.name, "&#38;", "&");
        source->m_names.push_back(std::move(*directory.name));
        source->m_slices.push_back({directory.offset, directory.length});
    }
    source->m_bytes = std::move(bytes);
    return source;
}

std::shared_ptr<const CDirectorySource> CDirectorySource::KeepDocument(std::string_view bytes)
{
    XmlDocumentPtr document = ParseUntrustedXml(bytes);
    if (!document)
        return nullptr;
    std::shared_ptr<CDirectorySource> source(new CDirectorySource);
    const xmlNode* root = xmlDocGetRootElement(document.get());
    if (IsElementNamed(root, "r")) {
        for (const xmlNode* directory : CChildElements(root, "directory")) {
            if (std::optional<std::string> name = ReadAttribute(directory, "name")) {
                source->m_names.push_back(std::move(*name));
                source->m_elements.push_back(directory);
            }
        }
    }
    source->m_document = std::move(document);
    return source;
}

DirectoryElement CDirectorySource::Element(size_t index) const
{
    if (m_document)
        return {nullptr, m_elements[index]};
    // The element between its context and the end of the document element: the same
    // namespaces, the same encoding, the same element.
    const Slice slice = m_slices[index];
    std::string standalone;
    standalone.reserve(m_context.size() + slice.length + kRootEnd.size());
    standalone.append(m_context);
    standalone.append(m_bytes, slice.offset, slice.length);
    standalone.append(kRootEnd);
    XmlDocumentPtr document = ParseUntrustedXml(standalone);
    const xmlNode* root = document ? xmlDocGetRootElement(document.get()) : nullptr;
    const xmlNode* element = root ? NextChildElement(root, nullptr, "directory") : nullptr;
    return {std::move(document), element};
}
