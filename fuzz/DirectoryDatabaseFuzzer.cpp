// Loads arbitrary bytes as dirdata.xml and asks every query about every directory: nothing may
// crash, fetch, or answer inconsistently with what the loader accepted. A file kept as its bytes
// must hold the directories its parsed document holds, element for element.
#include "common/MessagePresenter.h"
#include "directory_db/ChildElements.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectorySource.h"
#include "directory_db/DirectoryScan.h"
#include "directory_db/UntrustedXml.h"
#include "support/ElementMarkup.h"

#include <cstdint>
#include <libxml/parserInternals.h>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class SilentPresenter final : public MessagePresenter
{
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// The database reads files, so each input goes through a scratch file that lives as long as
// the load.
bool LoadThroughFile(CDirectoryDatabase& database, const std::string& bytes)
{
    std::string path = "/tmp/kestrine-db-fuzz-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0)
        std::abort();
    close(fd);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const bool loaded = database.LoadFile(path);
    unlink(path.c_str());
    return loaded;
}

void QueryDirectory(const CDirectoryDatabase& database, const std::string& name)
{
    for (const char* category : {"", "Business"}) {
        database.GetDirectorySubmitPage(name, category, "Marketing");
        std::vector<FormField> fields;
        if (!database.GetDirectoryItems(name, category, "", fields))
            std::abort();
        VariableMap variables;
        database.GetDirectoryVariables(name, category, "", variables);
        for (const auto& [variable, value] : variables) {
            if (variable.empty() || value.empty())
                std::abort();
        }
    }
    database.GetDirectoryOnSubmit(name);
}

// The source read from `bytes` against the document parsed from them.
void CompareWithParsedDocument(const std::string& bytes)
{
    const auto source = CDirectorySource::Read(bytes);
    const XmlDocumentPtr document = ParseUntrustedXml(bytes);
    if (!source != !document)
        std::abort();
    const xmlNode* root = document ? xmlDocGetRootElement(document.get()) : nullptr;
    if (IsDirectoryDatabaseDocument(bytes) != IsElementNamed(root, "r"))
        std::abort();
    if (!IsElementNamed(root, "r"))
        return;
    size_t index = 0;
    for (const xmlNode* directory : CChildElements(root, "directory")) {
        const std::optional<std::string> name = ReadAttribute(directory, "name");
        if (!name)
            continue;
        if (index >= source->Names().size() || source->Names()[index] != *name)
            std::abort();
        const DirectoryElement element = source->Element(index++);
        if (!element.element || ElementMarkup(element.element) != ElementMarkup(directory))
            std::abort();
    }
    if (index != source->Names().size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A parsed document refuses a text of more than 10 MB that a file kept as bytes reads whole;
    // the comparisons below hold for smaller files, which is all a fuzzer makes.
    if (size > XML_MAX_TEXT_LENGTH)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    SilentPresenter presenter;
    CDirectoryDatabase database(presenter);
    const bool loaded = LoadThroughFile(database, bytes);
    if (loaded != (ParseUntrustedXml(bytes) != nullptr))
        std::abort();

    std::vector<std::string> names;
    if (!database.GetDirectoryNames(names))
        std::abort();
    // Every directory takes more than a dozen bytes of the file; entities cannot add any.
    if (names.size() > size / 12 || (!names.empty() && !IsDirectoryDatabaseDocument(bytes)))
        std::abort();
    for (size_t i = 0; i < names.size() && i < 64; ++i)
        QueryDirectory(database, names[i]);
    QueryDirectory(database, "x' or '1'='1");
    CompareWithParsedDocument(bytes);
    return 0;
}
