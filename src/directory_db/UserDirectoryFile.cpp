#include "directory_db/UserDirectoryFile.h"

#include "directory_db/ChildElements.h"
#include "directory_db/DatabaseFile.h"

#include <filesystem>
#include <libxml/tree.h>
#include <new>
#include <vector>

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

// Appends `child` on a line of its own, indented to `depth`, before the blank text that closes
// `parent`, so that the file stays readable for the user who edits it by hand.
void AppendIndented(xmlNode* parent, xmlNode* child, int depth)
{
    const std::string indent = "\n" + std::string(2 * static_cast<size_t>(depth), ' ');
    xmlNode* closing = parent->last;
    if (IsBlankText(closing)) {
        xmlAddPrevSibling(closing, xmlNewDocText(parent->doc, XmlText(indent)));
        xmlAddPrevSibling(closing, child);
        return;
    }
    xmlAddChild(parent, xmlNewDocText(parent->doc, XmlText(indent)));
    xmlAddChild(parent, child);
    const std::string outdent = "\n" + std::string(2 * static_cast<size_t>(depth - 1), ' ');
    xmlAddChild(parent, xmlNewDocText(parent->doc, XmlText(outdent)));
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

xmlNode* MakeDirectory(xmlDoc* doc, const DirectoryRecord& record)
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

// Unlinks and frees `node` with the blank text before it, which only indented it.
void RemoveIndented(xmlNode* node)
{
    xmlNode* before = node->prev;
    if (IsBlankText(before)) {
        xmlUnlinkNode(before);
        xmlFreeNode(before);
    }
    xmlUnlinkNode(node);
    xmlFreeNode(node);
}

bool IsDirectoryNamed(const xmlNode* directory, const std::string& name)
{
    return ReadAttribute(directory, "name") == name;
}

// Removes the directories named `name`, except `keep`; true when any went.
bool RemoveNamed(xmlNode* root, const std::string& name, const xmlNode* keep)
{
    std::vector<xmlNode*> doomed;
    for (const xmlNode* directory : CChildElements(root, "directory")) {
        if (directory != keep && IsDirectoryNamed(directory, name))
            doomed.push_back(const_cast<xmlNode*>(directory));
    }
    for (xmlNode* directory : doomed)
        RemoveIndented(directory);
    return !doomed.empty();
}

xmlNode* FirstNamed(xmlNode* root, const std::string& name)
{
    for (const xmlNode* directory : CChildElements(root, "directory")) {
        if (IsDirectoryNamed(directory, name))
            return const_cast<xmlNode*>(directory);
    }
    return nullptr;
}

XmlDocumentPtr NewDatabaseDocument()
{
    XmlDocumentPtr doc(xmlNewDoc(XmlText("1.0")));
    xmlDocSetRootElement(doc.get(), NewElement(doc.get(), "r"));
    return doc;
}

} // namespace

CUserDirectoryFile::CUserDirectoryFile(std::string path) : m_path(std::move(path)) {}

bool CUserDirectoryFile::Load()
{
    m_doc.reset();
    m_error.clear();
    std::error_code error;
    if (!std::filesystem::exists(m_path, error) && !error) {
        m_doc = NewDatabaseDocument();
        return true;
    }
    const std::optional<std::string> bytes = ReadDatabaseFile(m_path);
    XmlDocumentPtr doc = bytes ? ParseUntrustedXml(*bytes) : nullptr;
    if (!doc || !IsElementNamed(xmlDocGetRootElement(doc.get()), "r")) {
        m_error = "Kestrine cannot read your directories in " + m_path +
                  ", so it leaves the file as it is. Correct the file or move it away, then "
                  "try again.";
        return false;
    }
    m_doc = std::move(doc);
    return true;
}

void CUserDirectoryFile::Put(const DirectoryRecord& record, const std::string& replacing)
{
    xmlNode* root = xmlDocGetRootElement(m_doc.get());
    xmlNode* directory = MakeDirectory(m_doc.get(), record);
    xmlNode* old = replacing.empty() ? nullptr : FirstNamed(root, replacing);
    if (!old)
        old = FirstNamed(root, record.name);
    if (old) {
        xmlReplaceNode(old, directory);
        xmlFreeNode(old);
    } else {
        AppendIndented(root, directory, 1);
    }
    RemoveNamed(root, record.name, directory);
    if (!replacing.empty())
        RemoveNamed(root, replacing, directory);
}

bool CUserDirectoryFile::Remove(const std::string& name)
{
    return RemoveNamed(xmlDocGetRootElement(m_doc.get()), name, nullptr);
}

std::string CUserDirectoryFile::Serialize() const
{
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_doc.get(), &text, &size, "UTF-8", 0);
    if (!text)
        throw std::bad_alloc();
    std::string bytes(reinterpret_cast<const char*>(text), static_cast<size_t>(size));
    xmlFree(text);
    return bytes;
}

WriteOutcome CUserDirectoryFile::Save(CAtomicFileWriter& writer) const
{
    return writer.Write(m_path, Serialize());
}
