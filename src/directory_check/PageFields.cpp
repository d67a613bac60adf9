#include "directory_check/PageFields.h"

#include "common/AsciiCase.h"
#include "directory_db/UntrustedXml.h"

#include <libxml/HTMLparser.h>
#include <memory>

namespace {

struct HtmlParserFree
{
    void operator()(htmlParserCtxt* context) const { htmlFreeParserCtxt(context); }
};

bool NameIs(const xmlChar* name, const char* expected)
{
    return name && EqualsNoCase(reinterpret_cast<const char*>(name), expected);
}

std::string AttributeValue(const xmlChar** attributes, const char* wanted)
{
    for (const xmlChar** at = attributes; at && at[0]; at += 2) {
        if (NameIs(at[0], wanted))
            return at[1] ? reinterpret_cast<const char*>(at[1]) : "";
    }
    return {};
}

void OnStartElement(void* user, const xmlChar* name, const xmlChar** attributes)
{
    auto& page = *static_cast<PageFields*>(user);
    if (NameIs(name, "form"))
        page.hasForm = true;
    else if (NameIs(name, "script"))
        page.hasScript = true;
    else if (NameIs(name, "input") || NameIs(name, "select") || NameIs(name, "textarea"))
        page.controls.push_back(
            {AttributeValue(attributes, "name"), AttributeValue(attributes, "id")});
}

} // namespace

bool PageFields::Holds(const FormField& field) const
{
    int32_t seen = 0;
    for (const Control& control : controls) {
        if ((control.name == field.name || control.id == field.name) && seen++ == field.index)
            return true;
    }
    return false;
}

PageFields ReadPageFields(std::string_view html)
{
    PageFields page;
    InitUntrustedXml();
    const std::string_view read = html.substr(0, kMaxUntrustedXmlBytes);
    // Only the start of each element is of interest; the parser builds no document.
    htmlSAXHandler events{};
    events.startElement = OnStartElement;
    std::unique_ptr<htmlParserCtxt, HtmlParserFree> context(
        htmlCreatePushParserCtxt(&events, &page, nullptr, 0, nullptr, XML_CHAR_ENCODING_NONE));
    if (!context)
        return page;
    htmlCtxtUseOptions(context.get(), HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                          HTML_PARSE_NOIMPLIED);
    htmlParseChunk(context.get(), read.data(), static_cast<int>(read.size()), 1);
    return page;
}
