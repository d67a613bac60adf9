#include "directory_db/DirectoryImport.h"

#include "common/MessagePresenter.h"
#include "common/TextCatalogue.h"
#include "directory_db/DatabaseDocument.h"
#include "directory_db/DatabaseFile.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectoryName.h"
#include "directory_db/DirectoryRecordReader.h"
#include "directory_db/DirectoryScan.h"
#include "directory_db/DirectoryXml.h"
#include "directory_db/SubmitAddress.h"
#include "directory_db/UserDirectoryFile.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

// Keeps the first thing the reader would have told the user about a directory.
class FirstProblem final : public MessagePresenter
{
public:
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override
    {
        if (m_problem.empty())
            m_problem = text;
    }
    const std::string& Problem() const { return m_problem; }

private:
    std::string m_problem;
};

std::optional<std::string> ProblemOf(const DirectoryRecord& record, const FirstProblem& reading)
{
    if (std::optional<std::string> problem = DirectoryNameProblem(record.name))
        return problem;
    if (record.submitUrl.empty())
        return KESTRINE_TEXT("DirectoryImport", "it has no submission address");
    if (!IsWebAddress(record.submitUrl))
        return KESTRINE_TEXT("DirectoryImport",
                             "its submission address is not an http or https address");
    // The database would read such a field as another type than the list's maker meant.
    if (!reading.Problem().empty())
        return KESTRINE_TEXT("DirectoryImport",
                             "one of its fields has a type Kestrine does not know");
    return std::nullopt;
}

// Two records say the same when the database file would hold them alike.
bool SameDirectory(const DirectoryRecord& a, const DirectoryRecord& b)
{
    return DirectoryElementText(a) == DirectoryElementText(b);
}

// The database's directories by the key of their names; the first one listed speaks for a key.
class ExistingNames final
{
public:
    explicit ExistingNames(const CDirectoryDatabase& database) : m_database(database)
    {
        if (const auto names = database.DirectoryNames()) {
            m_byKey.reserve(names->size());
            for (const std::string& name : *names)
                m_byKey.emplace(DirectoryNameKey(name), name);
        }
    }

    // The directory whose name looks like `name`, under its own name.
    std::optional<DirectoryRecord> Find(const std::string& name) const
    {
        const auto found = m_byKey.find(DirectoryNameKey(name));
        if (found == m_byKey.end())
            return std::nullopt;
        return m_database.GetDirectoryRecord(found->second);
    }

private:
    const CDirectoryDatabase& m_database;
    std::unordered_map<std::string, std::string> m_byKey;
};

ImportCandidate Classify(DirectoryRecord record, const FirstProblem& reading,
                         const ExistingNames& existing, bool replace)
{
    ImportCandidate candidate{std::move(record), ImportAction::Add, {}, false};
    if (std::optional<std::string> problem = ProblemOf(candidate.record, reading)) {
        candidate.action = ImportAction::Refuse;
        candidate.problem = std::move(*problem);
    } else if (const std::optional<DirectoryRecord> current =
                   existing.Find(candidate.record.name)) {
        // Under the user's name, so that it takes that directory's place and keeps its marks.
        candidate.record.name = current->name;
        candidate.action =
            SameDirectory(*current, candidate.record) ? ImportAction::Leave : ImportAction::Replace;
    }
    candidate.accepted = candidate.action == ImportAction::Add ||
                         (replace && candidate.action == ImportAction::Replace);
    return candidate;
}

ImportCandidate Refused(DirectoryRecord record, std::string problem)
{
    return {std::move(record), ImportAction::Refuse, std::move(problem), false};
}

} // namespace

size_t DirectoryImport::Count(ImportAction action) const
{
    return static_cast<size_t>(
        std::count_if(candidates.begin(), candidates.end(),
                      [action](const ImportCandidate& c) { return c.action == action; }));
}

size_t DirectoryImport::AcceptedCount() const
{
    return static_cast<size_t>(std::count_if(candidates.begin(), candidates.end(),
                                             [](const ImportCandidate& c) { return c.accepted; }));
}

DirectoryImport ReadDirectoryImport(const std::string& path, const CDirectoryDatabase& database,
                                    bool replace)
{
    DirectoryImport import;
    std::optional<std::string> bytes = ReadDatabaseFile(path);
    if (!bytes) {
        import.error =
            FillIn(KESTRINE_TEXT("DirectoryImport", "Kestrine cannot read %1: it is missing, "
                                                    "unreadable or too large."),
                   {path});
        return import;
    }
    SharedDirectorySource source =
        IsDirectoryDatabaseDocument(*bytes) ? CDirectorySource::Read(std::move(*bytes)) : nullptr;
    if (!source) {
        import.error = FillIn(KESTRINE_TEXT("DirectoryImport",
                                            "%1 is not a directory list in the format of "
                                            "dirdata.xml, or breaks the rules Kestrine keeps for "
                                            "files from elsewhere."),
                              {path});
        return import;
    }
    const CDatabaseDocument document(std::move(source), nullptr);
    const ExistingNames existing(database);
    // The list's own names by key: one written twice alike is one directory (the database
    // reads both as one), one that only looks alike would stand beside it.
    std::unordered_set<std::string_view> seen;
    std::unordered_map<std::string, const std::string*> listed;
    for (const std::string& name : document.DirectoryNames()) {
        if (!seen.insert(name).second)
            continue;
        const auto [first, isNew] = listed.emplace(DirectoryNameKey(name), &name);
        FirstProblem reading;
        std::optional<DirectoryRecord> record = ReadDirectoryRecord(document, name, reading);
        if (!record)
            continue;
        if (!isNew) {
            const std::string reason =
                FillIn(KESTRINE_TEXT("DirectoryImport",
                                     "it looks the same as \"%1\", which the list has already"),
                       {*first->second});
            import.candidates.push_back(Refused(std::move(*record), reason));
        } else {
            import.candidates.push_back(Classify(std::move(*record), reading, existing, replace));
        }
    }
    if (import.candidates.empty())
        import.error = FillIn(KESTRINE_TEXT("DirectoryImport", "%1 holds no directories."), {path});
    return import;
}

size_t ApplyDirectoryImport(const DirectoryImport& import, CUserDirectoryFile& file)
{
    size_t put = 0;
    for (const ImportCandidate& candidate : import.candidates) {
        const bool usable =
            candidate.action == ImportAction::Add || candidate.action == ImportAction::Replace;
        if (candidate.accepted && usable) {
            file.Put(candidate.record);
            ++put;
        }
    }
    return put;
}
