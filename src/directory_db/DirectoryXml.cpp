#include "directory_db/DirectoryXml.h"

#include "directory_db/UntrustedXml.h"

#include <algorithm>
#include <new>

namespace {

const xmlChar* XmlText(const std::string& text)
{
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

const xmlChar* XmlText(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

const char* TypeText(FieldType type)
{
    switch (type) {
    case FieldType::ComboBox:
        return "combobox";
    case FieldType::CheckBox:
        return "checkbox";
    case FieldType::Edit:
        break;
    }
    return "edit";
}

bool IsBlankText(const xmlNode* node)
{
    return node && node->type == XML_TEXT_NODE && xmlIsBlankNode(node);
}

void SetAttribute(xmlNode* element, const char* name, const std::optional<std::string>& value)
{
    // xmlNewProp stores the text as it is; the writer escapes it.
    if (value)
        xmlNewProp(element, XmlText(name), XmlText(*value));
}

xmlNode* NewElement(xmlDoc* doc, const char* name)
{
    return xmlNewDocNode(doc, nullptr, XmlText(name), nullptr);
}

// A line break and two spaces per level. (Built in place: GCC 12 warns wrongly about
// "\n" + std::string(n, ' ').)
std::string LineIndent(int depth)
{
    std::string text(1 + 2 * static_cast<size_t>(std::max(depth, 0)), ' ');
    text.front() = '\n';
    return text;
}

} // namespace

void AppendIndented(xmlNode* parent, xmlNode* child, int depth)
{
    const std::string indent = LineIndent(depth);
    xmlNode* closing = parent->last;
    if (IsBlankText(closing)) {
        // Text put beside text is merged into it, so the indentation goes in after the child,
        // between it and the element before.
        xmlAddPrevSibling(closing, child);
        xmlAddPrevSibling(child, xmlNewDocText(parent->doc, XmlText(indent)));
        return;
    }
    xmlAddChild(parent, xmlNewDocText(parent->doc, XmlText(indent)));
    xmlAddChild(parent, child);
    const std::string outdent = LineIndent(depth - 1);
    xmlAddChild(parent, xmlNewDocText(parent->doc, XmlText(outdent)));
}

xmlNode* MakeDirectoryElement(xmlDoc* doc, const DirectoryRecord& record)
{
    xmlNode* directory = NewElement(doc, "directory");
    SetAttribute(directory, "name", record.name);
    SetAttribute(directory, "submiturl", record.submitUrl);
    SetAttribute(directory, "onsubmit", record.confirmation);
    for (const VariableRecord& variable : record.variables) {
        xmlNode* element = NewElement(doc, "variable");
        SetAttribute(element, "name", variable.name);
        for (const ConditionRecord& condition : variable.conditions) {
            xmlNode* cond = NewElement(doc, "cond");
            SetAttribute(cond, "category", condition.category);
            SetAttribute(cond, "subcategory", condition.subcategory);
            SetAttribute(cond, "value", condition.value);
            AppendIndented(element, cond, 3);
        }
        AppendIndented(directory, element, 2);
    }
    for (const FormField& field : record.items) {
        xmlNode* item = NewElement(doc, "item");
        SetAttribute(item, "name", field.name);
        SetAttribute(item, "index", std::to_string(field.index));
        SetAttribute(item, "value", field.value);
        SetAttribute(item, "type", std::string(TypeText(field.type)));
        AppendIndented(directory, item, 2);
    }
    return directory;
}

std::string DirectoryElementText(const DirectoryRecord& record)
{
    const XmlDocumentPtr doc(xmlNewDoc(XmlText("1.0")));
    xmlNode* directory = MakeDirectoryElement(doc.get(), record);
    xmlDocSetRootElement(doc.get(), directory);
    xmlBuffer* buffer = xmlBufferCreate();
    if (!buffer)
        throw std::bad_alloc();
    xmlNodeDump(buffer, doc.get(), directory, 1, 0);
    std::string text(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                     static_cast<size_t>(xmlBufferLength(buffer)));
    xmlBufferFree(buffer);
    return text;
}
