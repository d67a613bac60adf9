#pragma once

#include "directory_db/DatabaseRead.h"
#include "directory_db/DirectoryRecord.h"
#include "directory_db/FormField.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class MessagePresenter;
class CDatabaseDocument;

// The loaded dirdata.xml and the questions the program asks of it. Every query answers from
// the document as it was when the query started, so a reload while a query waits on one of
// its messages never pulls the document out from under it.
class CDirectoryDatabase
{
public:
    // Messages of the queries go to `presenter`, which must outlive the database.
    explicit CDirectoryDatabase(MessagePresenter& presenter);
    ~CDirectoryDatabase();

    CDirectoryDatabase(const CDirectoryDatabase&) = delete;
    CDirectoryDatabase& operator=(const CDirectoryDatabase&) = delete;

    // True when the vendor's file was read and parsed; a missing, malformed or hostile file gives
    // false, no message, and an empty document. The user's own directories in `userPath`, when
    // given, are merged in (see CDatabaseDocument); a user file that cannot be read adds none.
    bool LoadFile(const std::string& path, const std::string& userPath = {});
    // Merges the user's file anew with the vendor's document already loaded, after the user
    // changed their directories. False when nothing was ever loaded.
    bool ReloadUserFile(const std::string& userPath);

    // LoadFile in two steps, so that the slow one can run on a worker thread. ReadFile touches no
    // database and shows nothing; Adopt makes its result the current document, tells the user
    // when the reading itself failed, and returns whether the file loaded.
    static DatabaseRead ReadFile(const std::string& path, const std::string& userPath = {});
    bool Adopt(DatabaseRead read);

    // The names in database order, shared with the document rather than copied: they stay valid
    // for as long as the pointer is held, across a reload. Null when nothing was ever loaded.
    std::shared_ptr<const std::vector<std::string>> DirectoryNames() const;
    // False when nothing was ever loaded (`names` untouched); true otherwise, errors included.
    bool GetDirectoryNames(std::vector<std::string>& names) const;
    // The submission page address with the directory's variables put in; empty on error, and
    // when it is no web address (see IsWebAddress), which is said as well.
    std::string GetDirectorySubmitPage(const std::string& name, const std::string& category,
                                       const std::string& subcategory) const;
    // The submission page address when the directory's page opens and fills for this category
    // without a word of complaint to a web address, else nullopt, and nothing said: what may
    // be loaded before the user asks for it.
    std::optional<std::string> QuietSubmitPage(const std::string& name, const std::string& category,
                                               const std::string& subcategory) const;
    // The confirmation text; nullopt (after the message) when the directory has none, so that a
    // caller can tell a missing text from an empty one.
    std::optional<std::string> GetDirectoryOnSubmit(const std::string& name) const;
    // Works out the directory's variables for a category and subcategory into `variables`.
    void GetDirectoryVariables(const std::string& name, const std::string& category,
                               const std::string& subcategory, VariableMap& variables) const;
    // Appends the directory's form fields; false when nothing was ever loaded.
    bool GetDirectoryItems(const std::string& name, const std::string& category,
                           const std::string& subcategory, std::vector<FormField>& fields) const;

    // True when the directory comes from the user's own file.
    bool IsUserDirectory(const std::string& name) const;
    // All the database holds about the directory, values as written; nullopt when no directory
    // has the name. Quiet but for an unsupported control type, which is reported as in a fill.
    std::optional<DirectoryRecord> GetDirectoryRecord(const std::string& name) const;

private:
    MessagePresenter& m_presenter;
    std::shared_ptr<const CDatabaseDocument> m_document;
};
