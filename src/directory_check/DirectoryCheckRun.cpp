#include "directory_check/DirectoryCheckRun.h"

#include "directory_check/DirectoryCheckStore.h"
#include "directory_check/DirectoryChecker.h"
#include "directory_db/DirectoryDatabase.h"
#include "history/UtcTime.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace {

// Results reach the file in batches: one transaction per result would make a check of
// thousands of directories wait on the disk.
constexpr size_t kResultsPerSave = 100;

size_t StatusIndex(DirectoryCheckStatus status)
{
    const auto* found = std::find(std::begin(kAllDirectoryCheckStatuses),
                                  std::end(kAllDirectoryCheckStatuses), status);
    return static_cast<size_t>(found - std::begin(kAllDirectoryCheckStatuses));
}

} // namespace

CDirectoryCheckRun::CDirectoryCheckRun(CDirectoryChecker& checker, CDirectoryCheckStore* store,
                                       std::function<int64_t()> nowUtcMs)
    : m_checker(checker), m_store(store),
      m_now(nowUtcMs ? std::move(nowUtcMs) : std::function<int64_t()>(SystemUtcMilliseconds))
{}

std::vector<DirectoryCheckTarget> CDirectoryCheckRun::TargetsOf(const CDirectoryDatabase& database,
                                                                const std::string& category,
                                                                const std::string& subcategory)
{
    std::vector<DirectoryCheckTarget> targets;
    const auto names = database.DirectoryNames();
    if (!names)
        return targets;
    targets.reserve(names->size());
    for (const std::string& name : *names) {
        DirectoryCheckTarget& target = targets.emplace_back();
        target.name = name;
        target.address = database.GetDirectorySubmitPage(name, category, subcategory);
        database.GetDirectoryItems(name, category, subcategory, target.fields);
    }
    return targets;
}

std::vector<size_t>
CDirectoryCheckRun::TargetsToCheck(const std::vector<DirectoryCheckTarget>& targets, bool all,
                                   DirectoryCheckOutcome& outcome) const
{
    // The address each directory was checked at recently. A result found at another address (the
    // directory moved since, or the check was made for another category) says nothing of this
    // one, nor does a result kept without its address.
    std::unordered_map<std::string, std::string> recentAt;
    if (m_store && !all) {
        std::vector<DirectoryCheckResult> stored;
        if (HistoryOutcome read = m_store->ReadAll(stored); !read.ok)
            outcome.storeError = read.error;
        const int64_t since =
            m_now() - std::chrono::duration_cast<std::chrono::milliseconds>(kRecheckAfter).count();
        for (const DirectoryCheckResult& result : stored) {
            if (result.checkedUtcMs >= since)
                recentAt.insert_or_assign(result.name, result.address);
        }
    }
    std::vector<size_t> indexes;
    for (size_t i = 0; i < targets.size(); ++i) {
        const auto found = recentAt.find(targets[i].name);
        if (found != recentAt.end() && found->second == targets[i].address)
            ++outcome.skipped;
        else
            indexes.push_back(i);
    }
    return indexes;
}

DirectoryCheckOutcome CDirectoryCheckRun::Run(const std::vector<DirectoryCheckTarget>& targets,
                                              bool all, const ProgressCallback& progress)
{
    DirectoryCheckOutcome outcome;
    const std::vector<size_t> indexes = TargetsToCheck(targets, all, outcome);
    std::vector<DirectoryCheckTarget> toCheck;
    toCheck.reserve(indexes.size());
    for (const size_t index : indexes)
        toCheck.push_back(targets[index]);

    DirectoryCheckProgress state;
    state.total = toCheck.size();
    std::map<size_t, DirectoryCheckResult> judged; // by place in toCheck
    std::vector<DirectoryCheckResult> unsaved;
    const auto save = [&] {
        if (!m_store || unsaved.empty())
            return;
        if (HistoryOutcome saved = m_store->Save(unsaved); !saved.ok && outcome.storeError.empty())
            outcome.storeError = saved.error;
        unsaved.clear();
    };
    outcome.finished =
        m_checker.Run(toCheck, [&](size_t target, const DirectoryCheckResult& result) {
            ++state.done;
            ++state.counts[StatusIndex(result.status)];
            judged.emplace(target, result);
            unsaved.push_back(result);
            if (unsaved.size() >= kResultsPerSave)
                save();
            if (progress)
                progress(state, result);
        });
    save();
    outcome.results.reserve(judged.size());
    for (auto& [target, result] : judged)
        outcome.results.push_back(std::move(result));
    return outcome;
}
