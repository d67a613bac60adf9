#pragma once

#include "directory_check/DirectoryCheckResult.h"
#include "directory_check/DirectoryCheckTarget.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CDirectoryChecker;
class CDirectoryCheckStore;
class CDirectoryDatabase;

// How far a check has come.
struct DirectoryCheckProgress
{
    size_t done = 0;  // judged in this run
    size_t total = 0; // to be judged in this run, skipped directories not counted
    std::array<size_t, std::size(kAllDirectoryCheckStatuses)> counts{}; // by status, in its order
};

struct DirectoryCheckOutcome
{
    bool finished = false;                     // false when cancelled (or libcurl is missing)
    std::vector<DirectoryCheckResult> results; // judged in this run, in the targets' order
    size_t skipped = 0;                        // checked recently, left out
    std::string storeError;                    // why results could not be kept, when they could not
};

// One check of a database's directories: leaves out those checked recently at the address they
// have now unless asked for all, keeps each result in the store as it comes, and reports
// progress. A cancelled run keeps what it judged, so the next run (with a new checker) goes on
// where it stopped. The window drives it from a worker thread; the callbacks come on that thread.
class CDirectoryCheckRun final
{
public:
    using ProgressCallback = std::function<void(const DirectoryCheckProgress& progress,
                                                const DirectoryCheckResult& last)>;

    static constexpr std::chrono::hours kRecheckAfter{24 * 7};

    // `store` may be null: nothing is kept and nothing skipped. Both must outlive the run.
    // `nowUtcMs` tells the time against which "recently" is measured.
    CDirectoryCheckRun(CDirectoryChecker& checker, CDirectoryCheckStore* store,
                       std::function<int64_t()> nowUtcMs = {});

    DirectoryCheckOutcome Run(const std::vector<DirectoryCheckTarget>& targets, bool all,
                              const ProgressCallback& progress = {});

    // Every directory of `database` with its submission address for the category and its fields.
    static std::vector<DirectoryCheckTarget> TargetsOf(const CDirectoryDatabase& database,
                                                       const std::string& category,
                                                       const std::string& subcategory);

private:
    std::vector<size_t> TargetsToCheck(const std::vector<DirectoryCheckTarget>& targets, bool all,
                                       DirectoryCheckOutcome& outcome) const;

    CDirectoryChecker& m_checker;
    CDirectoryCheckStore* m_store;
    std::function<int64_t()> m_now;
};
