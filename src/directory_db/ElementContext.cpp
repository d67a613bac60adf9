#include "directory_db/ElementContext.h"

#include "directory_db/DirectoryScan.h"

#include <algorithm>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kWhiteSpace = " \t\r\n";

bool IsWhiteSpace(char c)
{
    return kWhiteSpace.find(c) != std::string_view::npos;
}

size_t DeclarationEnd(std::string_view bytes)
{
    size_t end = bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    // The file is well-formed: "<?xml" and white space can only open the declaration, whose
    // values hold no "?>".
    const std::string_view rest = bytes.substr(end);
    if (rest.size() > 5 && rest.starts_with("<?xml") && IsWhiteSpace(rest[5]))
        end = bytes.find("?>", end) + 2;
    return end;
}

bool DeclaresNamespace(std::string_view attributeName)
{
    return attributeName == "xmlns" || attributeName.starts_with("xmlns:");
}

// The start tag with only its namespace declarations, each as the file writes it. The tag is
// well-formed: a name, then attributes of the form name = "value" or name = 'value'.
std::string WithNamespacesOnly(std::string_view tag)
{
    size_t at = tag.find_first_of(kWhiteSpace);
    std::string kept(tag.substr(0, std::min(at, tag.size() - 1)));
    while (at < tag.size()) {
        at = tag.find_first_not_of(kWhiteSpace, at);
        if (at == std::string_view::npos || tag[at] == '>' || tag[at] == '/')
            break;
        const size_t nameEnd = tag.find_first_of("= \t\r\n", at);
        const size_t valueStart = tag.find_first_of("\"'", nameEnd);
        const size_t valueEnd = tag.find(tag[valueStart], valueStart + 1);
        if (DeclaresNamespace(tag.substr(at, nameEnd - at))) {
            kept += ' ';
            kept += tag.substr(at, valueEnd + 1 - at);
        }
        at = valueEnd + 1;
    }
    return kept + '>';
}

} // namespace

std::string ElementContext(std::string_view bytes, const DirectoryScan& scan)
{
    // A document element without content ("<r/>") holds no directory to give a context to.
    if (scan.rootTagLength == 0)
        return {};
    return std::string(bytes.substr(0, DeclarationEnd(bytes))) +
           WithNamespacesOnly(bytes.substr(scan.rootTagOffset, scan.rootTagLength));
}
