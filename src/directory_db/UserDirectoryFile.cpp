#include "directory_db/UserDirectoryFile.h"

#include "common/TextCatalogue.h"
#include "directory_db/ChildElements.h"
#include "directory_db/DatabaseFile.h"
#include "directory_db/DirectoryXml.h"

#include <algorithm>
#include <filesystem>
#include <libxml/tree.h>
#include <new>
#include <vector>

namespace {

bool HoldsNul(const std::optional<std::string>& text)
{
    return text && text->find('\0') != std::string::npos;
}

bool HoldsNul(const DirectoryRecord& record)
{
    const auto conditionHoldsNul = [](const ConditionRecord& condition) {
        return HoldsNul(condition.category) || HoldsNul(condition.subcategory) ||
               HoldsNul(condition.value);
    };
    const auto variableHoldsNul = [&](const VariableRecord& variable) {
        return HoldsNul(variable.name) || std::any_of(variable.conditions.begin(),
                                                      variable.conditions.end(), conditionHoldsNul);
    };
    const auto itemHoldsNul = [](const FormField& item) {
        return HoldsNul(item.name) || HoldsNul(item.value);
    };
    return HoldsNul(record.name) || HoldsNul(record.submitUrl) || HoldsNul(record.confirmation) ||
           std::any_of(record.items.begin(), record.items.end(), itemHoldsNul) ||
           std::any_of(record.variables.begin(), record.variables.end(), variableHoldsNul);
}

const xmlChar* XmlText(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

bool IsBlankText(const xmlNode* node)
{
    return node && node->type == XML_TEXT_NODE && xmlIsBlankNode(node);
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

XmlDocumentPtr NewDatabaseDocument()
{
    XmlDocumentPtr doc(xmlNewDoc(XmlText("1.0")));
    xmlDocSetRootElement(doc.get(), xmlNewDocNode(doc.get(), nullptr, XmlText("r"), nullptr));
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
        StartEmpty();
        return true;
    }
    const std::optional<std::string> bytes = ReadDatabaseFile(m_path);
    XmlDocumentPtr doc = bytes ? ParseUntrustedXml(*bytes) : nullptr;
    if (!doc || !IsElementNamed(xmlDocGetRootElement(doc.get()), "r")) {
        m_error = FillIn(KESTRINE_TEXT("UserDirectoryFile",
                                       "Kestrine cannot read your directories in %1, so it "
                                       "leaves the file as it is. Correct the file or move it "
                                       "away, then try again."),
                         {m_path});
        return false;
    }
    m_doc = std::move(doc);
    IndexDirectories();
    return true;
}

void CUserDirectoryFile::StartEmpty()
{
    m_doc = NewDatabaseDocument();
    m_error.clear();
    m_holdsUnstorableText = false;
    m_directories.clear();
}

void CUserDirectoryFile::IndexDirectories()
{
    m_directories.clear();
    for (const xmlNode* directory :
         CChildElements(xmlDocGetRootElement(m_doc.get()), "directory")) {
        if (std::optional<std::string> name = ReadAttribute(directory, "name"))
            m_directories[std::move(*name)].push_back(const_cast<xmlNode*>(directory));
    }
}

void CUserDirectoryFile::RemoveNamed(const std::string& name, const xmlNode* keep)
{
    const auto found = m_directories.find(name);
    if (found == m_directories.end())
        return;
    for (xmlNode* directory : found->second) {
        if (directory != keep)
            RemoveIndented(directory);
    }
    m_directories.erase(found);
}

void CUserDirectoryFile::Put(const DirectoryRecord& record, const std::string& replacing)
{
    m_holdsUnstorableText = m_holdsUnstorableText || HoldsNul(record);
    const auto firstNamed = [this](const std::string& name) -> xmlNode* {
        const auto found = m_directories.find(name);
        return found == m_directories.end() ? nullptr : found->second.front();
    };
    xmlNode* old = replacing.empty() ? nullptr : firstNamed(replacing);
    if (!old)
        old = firstNamed(record.name);
    RemoveNamed(record.name, old);
    if (!replacing.empty())
        RemoveNamed(replacing, old);
    xmlNode* directory = MakeDirectoryElement(m_doc.get(), record);
    if (old) {
        xmlReplaceNode(old, directory);
        xmlFreeNode(old);
    } else {
        AppendIndented(xmlDocGetRootElement(m_doc.get()), directory, 1);
    }
    m_directories[record.name].push_back(directory);
}

bool CUserDirectoryFile::Remove(const std::string& name)
{
    const bool named = m_directories.count(name) > 0;
    RemoveNamed(name, nullptr);
    return named;
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
    const std::string bytes = Serialize();
    // XML cannot hold every character (most control characters, broken UTF-8); a file that
    // would not read back would lose all the user's directories at the next start.
    if (m_holdsUnstorableText || !ParseUntrustedXml(bytes))
        return {false, KESTRINE_TEXT("UserDirectoryFile",
                                     "a text holds characters that mydirs.xml cannot store")};
    return writer.Write(m_path, bytes);
}
