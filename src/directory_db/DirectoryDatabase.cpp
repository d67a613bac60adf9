#include "directory_db/DirectoryDatabase.h"

#include "common/MessagePresenter.h"
#include "common/TextCatalogue.h"
#include "directory_db/DatabaseDocument.h"
#include "directory_db/DatabaseFile.h"
#include "directory_db/DirectoryRecordReader.h"
#include "directory_db/FormFieldList.h"
#include "directory_db/SubmitAddress.h"
#include "directory_db/UntrustedXml.h"
#include "directory_db/VariableTable.h"

#include <exception>
#include <filesystem>

// Every query copies m_document first and works on that copy only: a message box it shows lets
// the main window reload the database meanwhile, and the copy keeps the old document alive.

CDirectoryDatabase::CDirectoryDatabase(MessagePresenter& presenter) : m_presenter(presenter) {}

CDirectoryDatabase::~CDirectoryDatabase() = default;

namespace {

// Names the query that failed, as the program calls it: a term, the same in every language.
constexpr const char* kSubmitPageError = "Error while GetDirectorySubmitPage";

// The file at `path`, or null when it is missing, malformed or hostile.
SharedDirectorySource ReadDirectorySource(const std::string& path)
{
    if (path.empty())
        return nullptr;
    std::optional<std::string> bytes = ReadDatabaseFile(path);
    return bytes ? CDirectorySource::Read(std::move(*bytes)) : nullptr;
}

// Counts what a query would have said, and says nothing.
class ComplaintCounter final : public MessagePresenter
{
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override { ++count; }

    int count = 0;
};

// A file that is there (or might be: its folder cannot be searched) but gave no source.
bool IsUnreadable(const std::string& path, const SharedDirectorySource& source)
{
    if (path.empty() || source)
        return false;
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

} // namespace

bool CDirectoryDatabase::LoadFile(const std::string& path, const std::string& userPath)
{
    // The old document goes first, so that two large ones are never held at once.
    m_document.reset();
    return Adopt(ReadFile(path, userPath));
}

bool CDirectoryDatabase::ReloadUserFile(const std::string& userPath)
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return false;
    try {
        m_document = std::make_shared<const CDatabaseDocument>(document->VendorSource(),
                                                               ReadDirectorySource(userPath));
    } catch (const std::exception&) {
        m_presenter.ShowMessage(KESTRINE_TEXT("DirectoryDatabase", "exception on load"), "",
                                MessageIcon::None);
    }
    return true;
}

DatabaseRead CDirectoryDatabase::ReadFile(const std::string& path, const std::string& userPath)
{
    try {
        SharedDirectorySource vendor = ReadDirectorySource(path);
        const bool loaded = vendor != nullptr;
        SharedDirectorySource user = ReadDirectorySource(userPath);
        const bool userFileUnreadable = IsUnreadable(userPath, user);
        return {std::make_shared<const CDatabaseDocument>(std::move(vendor), std::move(user)),
                loaded, userFileUnreadable};
    } catch (const std::exception&) {
        return {};
    }
}

bool CDirectoryDatabase::Adopt(DatabaseRead read)
{
    m_document = std::move(read.document);
    if (!m_document) {
        m_presenter.ShowMessage(KESTRINE_TEXT("DirectoryDatabase", "exception on load"), "",
                                MessageIcon::None);
        return false;
    }
    return read.loaded;
}

std::shared_ptr<const std::vector<std::string>> CDirectoryDatabase::DirectoryNames() const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return nullptr;
    // Owned by the document: the pointer keeps the whole document alive.
    return {document, &document->DirectoryNames()};
}

bool CDirectoryDatabase::GetDirectoryNames(std::vector<std::string>& names) const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return false;
    try {
        names.clear();
        for (const std::string& name : document->DirectoryNames())
            names.push_back(name);
    } catch (const std::exception&) {
        m_presenter.ShowMessage(
            KESTRINE_TEXT("DirectoryDatabase", "Error while retrieving directory names"),
            KESTRINE_TEXT("DirectoryDatabase", "Error"), MessageIcon::Error);
    }
    return true;
}

std::string CDirectoryDatabase::GetDirectorySubmitPage(const std::string& name,
                                                       const std::string& category,
                                                       const std::string& subcategory) const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return {};
    try {
        VariableMap variables;
        WorkOutVariables(*document, name, category, subcategory, variables, m_presenter);
        if (std::optional<std::string> address =
                document->FirstDirectoryAttribute(name, "submiturl")) {
            PutVariables(*address, variables);
            if (IsWebAddress(*address))
                return std::move(*address);
            m_presenter.ShowMessage(NotWebAddressMessage(name, *address), "Error",
                                    MessageIcon::Exclamation);
            return {};
        }
    } catch (const std::exception&) {
        // A half-composed address is no address to open; the caller gets none.
    }
    m_presenter.ShowMessage(kSubmitPageError, KESTRINE_TEXT("DirectoryDatabase", "Error"),
                            MessageIcon::Error);
    return {};
}

std::optional<std::string> CDirectoryDatabase::QuietSubmitPage(const std::string& name,
                                                               const std::string& category,
                                                               const std::string& subcategory) const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return std::nullopt;
    ComplaintCounter complaints;
    try {
        VariableMap variables;
        WorkOutVariables(*document, name, category, subcategory, variables, complaints);
        std::vector<FormField> fields;
        AppendFormFields(*document, name, variables, fields, complaints);
        std::optional<std::string> address = document->FirstDirectoryAttribute(name, "submiturl");
        if (!address || complaints.count > 0)
            return std::nullopt;
        PutVariables(*address, variables);
        if (!IsWebAddress(*address))
            return std::nullopt;
        return address;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> CDirectoryDatabase::GetDirectoryOnSubmit(const std::string& name) const
{
    // Nothing loaded is not an empty confirmation text: that would confirm every submission.
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return std::nullopt;
    try {
        if (std::optional<std::string> text = document->FirstDirectoryAttribute(name, "onsubmit"))
            return text;
    } catch (const std::exception&) {
    }
    m_presenter.ShowMessage(
        KESTRINE_TEXT("DirectoryDatabase", "Error while retrieving directory names"),
        KESTRINE_TEXT("DirectoryDatabase", "Error"), MessageIcon::Error);
    return std::nullopt;
}

void CDirectoryDatabase::GetDirectoryVariables(const std::string& name, const std::string& category,
                                               const std::string& subcategory,
                                               VariableMap& variables) const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (document)
        WorkOutVariables(*document, name, category, subcategory, variables, m_presenter);
}

bool CDirectoryDatabase::GetDirectoryItems(const std::string& name, const std::string& category,
                                           const std::string& subcategory,
                                           std::vector<FormField>& fields) const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return false;
    try {
        VariableMap variables;
        WorkOutVariables(*document, name, category, subcategory, variables, m_presenter);
        AppendFormFields(*document, name, variables, fields, m_presenter);
    } catch (const std::exception&) {
        m_presenter.ShowMessage(kSubmitPageError, name, MessageIcon::Error);
    }
    return true;
}

bool CDirectoryDatabase::IsUserDirectory(const std::string& name) const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    return document && document->IsUserDirectory(name);
}

std::optional<DirectoryRecord> CDirectoryDatabase::GetDirectoryRecord(const std::string& name) const
{
    const std::shared_ptr<const CDatabaseDocument> document = m_document;
    if (!document)
        return std::nullopt;
    try {
        return ReadDirectoryRecord(*document, name, m_presenter);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
