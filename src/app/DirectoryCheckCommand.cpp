#include "app/DirectoryCheckCommand.h"

#include "common/DataFolderResolver.h"
#include "common/MessagePresenter.h"
#include "common/TextCatalogue.h"
#include "directory_check/DirectoryCheckReport.h"
#include "directory_check/DirectoryCheckRun.h"
#include "directory_check/DirectoryCheckStore.h"
#include "directory_db/DirectoryDatabase.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

#include <algorithm>

namespace {

constexpr int kUsageError = 2;

// A faulty rule in the database is the maintainer's business: say which, and go on.
class ErrorStreamPresenter final : public MessagePresenter
{
public:
    explicit ErrorStreamPresenter(std::ostream& err) : m_err(err) {}

    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override
    {
        m_err << "kestrine: " << (caption.empty() ? "" : caption + ": ") << text << '\n';
    }

private:
    std::ostream& m_err;
};

struct CheckInputs
{
    std::string databaseFile;
    std::string userDirectoriesFile;
    std::string historyFile; // empty: the results are not kept
    ProfileRecord profile;   // the current one, for the category in the addresses
};

CheckInputs InputsOf(const DirectoryCheckCommand& command, std::ostream& err)
{
    CheckInputs inputs;
    inputs.databaseFile = command.databaseFile;
    if (!command.dataFolder.empty() || command.databaseFile.empty()) {
        const DataFolder folder =
            CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(command.dataFolder));
        if (folder.path.empty())
            err << "kestrine: "
                << FillIn(
                       KESTRINE_TEXT("CommandLine", "no data folder, the results are not kept: %1"),
                       {folder.problem})
                << '\n';
        if (inputs.databaseFile.empty()) {
            inputs.databaseFile = folder.databaseFile;
            inputs.userDirectoriesFile = folder.UserDirectoriesFile();
        }
        if (!folder.path.empty()) {
            inputs.historyFile = folder.HistoryFile();
            std::string currentName;
            CProfileStore profiles;
            state_file::Load(folder.StateFile(), currentName, profiles);
            profiles.GetProfile(currentName, inputs.profile);
        }
    }
    return inputs;
}

} // namespace

int RunDirectoryCheck(const DirectoryCheckCommand& command, std::ostream& out, std::ostream& err,
                      const DirectoryCheckOptions& options)
{
    const CheckInputs inputs = InputsOf(command, err);
    ErrorStreamPresenter presenter(err);
    CDirectoryDatabase database(presenter);
    if (inputs.databaseFile.empty() ||
        !database.LoadFile(inputs.databaseFile, inputs.userDirectoriesFile)) {
        err << "kestrine: "
            << FillIn(KESTRINE_TEXT("CommandLine", "the directory database %1 cannot be read"),
                      {inputs.databaseFile})
            << '\n';
        return kUsageError;
    }
    CDirectoryCheckStore store;
    if (!inputs.historyFile.empty()) {
        if (HistoryOutcome opened = store.Open(inputs.historyFile); !opened.ok)
            err << "kestrine: "
                << FillIn(KESTRINE_TEXT("CommandLine", "the results cannot be kept in %1 (%2)"),
                          {inputs.historyFile, opened.error})
                << '\n';
    }
    CDirectoryChecker checker(options);
    const DirectoryCheckOutcome outcome =
        CDirectoryCheckRun(checker, store.IsOpen() ? &store : nullptr)
            .Run(CDirectoryCheckRun::TargetsOf(database, inputs.profile.cat, inputs.profile.subcat),
                 true);
    if (!outcome.storeError.empty())
        err << "kestrine: "
            << FillIn(KESTRINE_TEXT("CommandLine", "not every result could be kept (%1)"),
                      {outcome.storeError})
            << '\n';
    if (!outcome.finished)
        err << "kestrine: "
            << KESTRINE_TEXT("CommandLine", "the check could not be completed (libcurl is missing)")
            << '\n';
    out << (command.json ? DirectoryCheckJson(outcome.results)
                         : DirectoryCheckTable(outcome.results));
    out.flush();
    const bool allOk =
        std::all_of(outcome.results.begin(), outcome.results.end(),
                    [](const DirectoryCheckResult& result) { return result.IsOk(); });
    return outcome.finished && allOk ? 0 : 1;
}
