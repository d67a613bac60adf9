#pragma once

#include "directory_check/DirectoryCheckRun.h"
#include "directory_check/DirectoryChecker.h"
#include "ui/browser/ShownBrowser.h"

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

class CBrowserCtrl;
class CDirectoryCheckDialog;
class MessagePresenter;
class QWidget;

// The files a check reads and where it keeps its results.
struct DirectoryCheckFiles
{
    std::string database;
    std::string userDirectories; // empty: none
    std::string history;         // empty: results are not kept
};

// The main window's directory check: Directory > Check Directories… runs the check on a
// worker thread with its progress in a window of its own, and Directory > Repair… opens a moved
// or changed directory's page for the user to learn it anew, and checks it again once saved. The
// window hears of results through the signals and shows them in its list.
class CDirectoryCheckController final : public QObject
{
    Q_OBJECT

public:
    CDirectoryCheckController(DirectoryCheckFiles files, ShownBrowser browser,
                              MessagePresenter& presenter, QWidget* window,
                              DirectoryCheckOptions options = {});
    ~CDirectoryCheckController() override;

    // Reads the kept results on a worker; they arrive through resultsArrived.
    void LoadResults();
    // Asks whether to check again what was checked in the last 7 days when there is such a
    // directory, then starts. The addresses are those of this category and subcategory.
    void CheckDirectories(const std::string& category, const std::string& subcategory);
    void Repair(const std::string& directory);
    // Checks a directory again, without a window, after the user changed it: a repaired
    // directory should not look broken until the next check.
    void CheckAgain(const std::string& directory);

    bool IsChecking() const { return m_worker.joinable(); }
    // The directories' addresses may have changed: what the running check finds from now on was
    // found at the addresses it read when it started.
    void AddressesChanged() { m_addressesChanged = true; }

signals:
    // `justChecked`: found by a check of this session, at the addresses the directories have
    // now; else read from the file, perhaps found at addresses they had before.
    void resultsArrived(const std::vector<DirectoryCheckResult>& results, bool justChecked);
    // A check the user started has come to its end (finished or cancelled), said in words.
    void checkEnded(const QString& summary);
    // The repair's page has loaded: the window offers to learn it as this directory.
    void addThisPageRequested(const std::string& directory);

private:
    // What the worker found and the window has not yet taken.
    struct Unshown;

    // Whether to check all (true) or leave out recent checks; nullopt when the user cancelled.
    std::optional<bool> AskWhichToCheck() const;
    void Start(bool all);
    void ShowDialog();
    void Cancel();
    void StopWorker();
    // On the worker: reads only what stays put while a check runs, and posts what it finds.
    void RunCheck(unsigned generation, bool all, CDirectoryChecker& checker, Unshown& unshown);
    void OnResults(unsigned generation);
    // Shows what the worker found since last time; false when it found nothing.
    bool ShowUnshown();
    void OnFinished(unsigned generation, bool cancelled, size_t skipped, const QString& problem);
    void Keep(const std::vector<DirectoryCheckResult>& results, bool justChecked);
    void StopRepair();
    void OnRepairPageLoaded(bool ok);

    DirectoryCheckFiles m_files;
    ShownBrowser m_browser;
    MessagePresenter& m_presenter;
    QWidget* m_window;
    DirectoryCheckOptions m_options;
    std::string m_category;
    std::string m_subcategory;
    std::string m_only; // the one directory a quiet check looks at; empty for all
    std::unordered_map<std::string, DirectoryCheckResult> m_results; // by directory
    QPointer<CDirectoryCheckDialog> m_dialog;
    std::shared_ptr<CDirectoryChecker> m_checker; // of the running check, to cancel it
    std::shared_ptr<Unshown> m_unshown;           // of the running check
    std::thread m_worker;
    unsigned m_generation = 0;              // of the check running or last started
    bool m_addressesChanged = false;        // since the check running or last started began
    std::string m_repairing;                // the directory whose page is loading for a repair
    QPointer<CBrowserCtrl> m_repairBrowser; // the tab the repair opened its page in
    uint64_t m_repairGeneration = 0;        // the browser's document before the repair's page
    QMetaObject::Connection m_repairLoad;
};
