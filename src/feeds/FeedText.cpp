#include "feeds/FeedText.h"

#include "common/AsciiCase.h"
#include "directory_db/XmlNodes.h"
#include "feeds/Base64.h"
#include "feeds/FeedNodes.h"
#include "feeds/PlainText.h"

#include <libxml/xmlstring.h>

namespace {

std::string LowerCaseAttribute(const xmlNode* element, const char* name)
{
    return AsciiLowerCase(CollapseWhiteSpace(ReadAttribute(element, name).value_or("")));
}

bool IsXmlMediaType(const std::string& type)
{
    return type.ends_with("/xml") || type.ends_with("+xml");
}

// Atom 1.0 names three types; every other value is a media type, which Atom 1.0 allows only
// for content and then in base64 unless it is text or XML.
bool IsBase64MediaType(const std::string& type)
{
    return !type.empty() && type != "text" && type != "html" && type != "xhtml" &&
           !type.starts_with("text/") && !IsXmlMediaType(type);
}

std::string DecodedBase64Text(const xmlNode* element)
{
    const auto decoded = DecodeBase64(ElementContent(element));
    // Binary media says nothing as text.
    if (!decoded || xmlCheckUTF8(reinterpret_cast<const xmlChar*>(decoded->c_str())) == 0 ||
        decoded->find('\0') != std::string::npos)
        return {};
    return TextOrHtmlToPlainText(*decoded);
}

} // namespace

std::string RssText(const xmlNode* element)
{
    if (!element)
        return {};
    if (HasChildElements(element))
        return MarkupToPlainText(element);
    return TextOrHtmlToPlainText(ElementContent(element));
}

std::string AtomText(const xmlNode* element)
{
    if (!element)
        return {};
    const std::string type = LowerCaseAttribute(element, "type");
    const std::string mode = LowerCaseAttribute(element, "mode");
    if (mode == "base64" || IsBase64MediaType(type))
        return DecodedBase64Text(element);
    // Inline markup is read as markup whatever the type says.
    if (HasChildElements(element))
        return MarkupToPlainText(element);
    const std::string text = ElementContent(element);
    const bool plainType = type == "text" || type == "text/plain";
    if (type == "html" || type == "text/html" || (mode == "escaped" && !plainType))
        return HtmlToPlainText(text);
    return CollapseWhiteSpace(text);
}
