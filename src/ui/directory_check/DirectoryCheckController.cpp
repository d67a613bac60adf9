#include "ui/directory_check/DirectoryCheckController.h"

#include "common/MessagePresenter.h"
#include "common/QuietPresenter.h"
#include "directory_check/DirectoryCheckMessage.h"
#include "directory_check/DirectoryCheckStore.h"
#include "directory_db/DirectoryDatabase.h"
#include "history/UtcTime.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/directory_check/DirectoryCheckDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <system_error>

namespace {

constexpr auto kRefreshInterval = std::chrono::milliseconds(100);

QString RepairCaption()
{
    return CDirectoryCheckController::tr("Repair Directory");
}

QString Quoted(const std::string& name)
{
    return QLatin1Char('"') + QString::fromStdString(name) + QLatin1Char('"');
}

std::vector<DirectoryCheckResult> ReadKeptResults(const std::string& historyFile)
{
    std::vector<DirectoryCheckResult> results;
    CDirectoryCheckStore store;
    if (store.Open(historyFile).ok)
        store.ReadAll(results);
    return results;
}

} // namespace

// Thousands of results a second would flood the window's event queue: the worker adds them here
// and posts only when the window is not already taking them, and the window takes all there is
// at once.
struct CDirectoryCheckController::Unshown
{
    std::mutex mutex;
    DirectoryCheckProgress progress;
    std::vector<DirectoryCheckResult> results;
    bool posted = false;
};

CDirectoryCheckController::CDirectoryCheckController(DirectoryCheckFiles files,
                                                     ShownBrowser browser,
                                                     MessagePresenter& presenter, QWidget* window,
                                                     DirectoryCheckOptions options)
    : QObject(window), m_files(std::move(files)), m_browser(std::move(browser)),
      m_presenter(presenter), m_window(window), m_options(options)
{}

CDirectoryCheckController::~CDirectoryCheckController()
{
    StopWorker();
}

void CDirectoryCheckController::LoadResults()
{
    if (m_files.history.empty())
        return;
    QtConcurrent::run(ReadKeptResults, m_files.history)
        .then(this, [this](const std::vector<DirectoryCheckResult>& results) {
            // A check that ran meanwhile knows better than the file did when it was read.
            std::vector<DirectoryCheckResult> older;
            for (const DirectoryCheckResult& result : results) {
                if (m_results.count(result.name) == 0)
                    older.push_back(result);
            }
            Keep(older, false);
        });
}

void CDirectoryCheckController::CheckDirectories(const std::string& category,
                                                 const std::string& subcategory)
{
    // A quiet check of one directory gives way to this one, which covers it.
    if (IsChecking() && m_only.empty()) {
        m_dialog->show();
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    const std::optional<bool> all = AskWhichToCheck();
    if (!all)
        return;
    m_category = category;
    m_subcategory = subcategory;
    m_only.clear();
    Start(*all);
}

std::optional<bool> CDirectoryCheckController::AskWhichToCheck() const
{
    const int64_t since =
        SystemUtcMilliseconds() -
        std::chrono::duration_cast<std::chrono::milliseconds>(CDirectoryCheckRun::kRecheckAfter)
            .count();
    size_t recent = 0;
    for (const auto& [name, result] : m_results)
        recent += result.checkedUtcMs >= since ? 1 : 0;
    if (recent == 0)
        return false;
    QMessageBox box(QMessageBox::Question, tr("Check Directories"),
                    tr("%n of the directories were checked in the last 7 days. Check them "
                       "again, or only the others?",
                       nullptr, static_cast<int>(recent)),
                    QMessageBox::Cancel, m_window);
    QPushButton* others = box.addButton(tr("Only the Others"), QMessageBox::AcceptRole);
    QPushButton* all = box.addButton(tr("Check All"), QMessageBox::AcceptRole);
    box.setDefaultButton(others);
    box.exec();
    if (box.clickedButton() == all)
        return true;
    if (box.clickedButton() == others)
        return false;
    return std::nullopt;
}

void CDirectoryCheckController::CheckAgain(const std::string& directory)
{
    // Only a directory the user has seen a result for; a running check reads the database anew
    // anyway.
    if (IsChecking() || m_results.count(directory) == 0)
        return;
    m_only = directory;
    Start(true);
}

void CDirectoryCheckController::Start(bool all)
{
    StopWorker();
    if (m_only.empty())
        ShowDialog();
    // A cancelled checker stays cancelled, so each run has its own.
    auto checker = std::make_shared<CDirectoryChecker>(m_options);
    auto unshown = std::make_shared<Unshown>();
    m_checker = checker;
    m_unshown = unshown;
    const unsigned generation = ++m_generation;
    m_addressesChanged = false;
    try {
        m_worker = std::thread([this, generation, all, checker, unshown] {
            RunCheck(generation, all, *checker, *unshown);
        });
    } catch (const std::system_error&) {
        if (m_only.empty())
            m_dialog->ShowFinished(0, tr("The check could not be started."));
    }
}

void CDirectoryCheckController::ShowDialog()
{
    if (!m_dialog) {
        m_dialog = new CDirectoryCheckDialog(m_window);
        m_dialog->setObjectName(QStringLiteral("directoryCheckDialog"));
        connect(m_dialog, &CDirectoryCheckDialog::cancelRequested, this,
                &CDirectoryCheckController::Cancel);
        // A resumed check leaves out what the cancelled one judged: it was kept just now.
        connect(m_dialog, &CDirectoryCheckDialog::resumeRequested, this, [this] { Start(false); });
    }
    m_dialog->ShowStarted();
    // Not modal: the list and the browser stay usable while the check runs.
    m_dialog->show();
    m_dialog->raise();
}

void CDirectoryCheckController::RunCheck(unsigned generation, bool all, CDirectoryChecker& checker,
                                         Unshown& unshown)
{
    // A database of the worker's own: the window's shows message boxes and belongs to the
    // window's thread.
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    const bool databaseRead = database.LoadFile(m_files.database, m_files.userDirectories);
    std::vector<DirectoryCheckTarget> targets =
        CDirectoryCheckRun::TargetsOf(database, m_category, m_subcategory);
    if (!m_only.empty())
        std::erase_if(targets,
                      [this](const DirectoryCheckTarget& target) { return target.name != m_only; });
    CDirectoryCheckStore store;
    std::string storeError;
    if (!m_files.history.empty()) {
        if (HistoryOutcome opened = store.Open(m_files.history); !opened.ok)
            storeError = opened.error;
    }
    const DirectoryCheckOutcome outcome =
        CDirectoryCheckRun(checker, store.IsOpen() ? &store : nullptr)
            .Run(targets, all,
                 [&](const DirectoryCheckProgress& progress, const DirectoryCheckResult& last) {
                     const std::lock_guard lock(unshown.mutex);
                     unshown.progress = progress;
                     unshown.results.push_back(last);
                     if (!std::exchange(unshown.posted, true))
                         QMetaObject::invokeMethod(
                             this, [this, generation] { OnResults(generation); },
                             Qt::QueuedConnection);
                 });
    if (storeError.empty())
        storeError = outcome.storeError;
    QString problem;
    if (!storeError.empty())
        problem = tr("The results could not be kept in history.sqlite: %1.")
                      .arg(QString::fromStdString(storeError));
    const bool cancelled = checker.WasCancelled();
    if (!outcome.finished && !cancelled)
        problem = tr("The check could not run: libcurl is missing.");
    if (!databaseRead)
        problem = tr("The directory database %1 could not be read.")
                      .arg(QString::fromStdString(m_files.database));
    // Posted after any post of results, so it comes after them.
    QMetaObject::invokeMethod(
        this,
        [this, generation, cancelled, skipped = outcome.skipped, problem] {
            OnFinished(generation, cancelled, skipped, problem);
        },
        Qt::QueuedConnection);
}

void CDirectoryCheckController::OnResults(unsigned generation)
{
    // A stopped check's posts may still arrive; its results were kept in the file all the same.
    if (generation != m_generation || !m_unshown)
        return;
    // The worker posts no more until a pause finds nothing new: whatever it finds meanwhile is
    // shown at the end of the pause, so the list is redrawn a few times a second at most.
    if (ShowUnshown())
        QTimer::singleShot(kRefreshInterval, this, [this, generation] { OnResults(generation); });
}

bool CDirectoryCheckController::ShowUnshown()
{
    DirectoryCheckProgress progress;
    std::vector<DirectoryCheckResult> results;
    {
        const std::lock_guard lock(m_unshown->mutex);
        if (m_unshown->results.empty()) {
            m_unshown->posted = false;
            return false;
        }
        progress = m_unshown->progress;
        results.swap(m_unshown->results);
    }
    Keep(results, !m_addressesChanged);
    if (m_dialog && m_only.empty())
        m_dialog->ShowProgress(progress);
    return true;
}

void CDirectoryCheckController::OnFinished(unsigned generation, bool cancelled, size_t skipped,
                                           const QString& problem)
{
    // A check that was stopped and joined may still have posted its end.
    if (generation != m_generation || !m_worker.joinable())
        return;
    m_worker.join();
    m_checker.reset();
    ShowUnshown();
    if (!m_dialog || !m_only.empty())
        return;
    if (cancelled)
        m_dialog->ShowCancelled();
    else
        m_dialog->ShowFinished(skipped, problem);
    emit checkEnded(m_dialog->StatusLabel()->text());
}

void CDirectoryCheckController::Keep(const std::vector<DirectoryCheckResult>& results,
                                     bool justChecked)
{
    if (results.empty())
        return;
    for (const DirectoryCheckResult& result : results)
        m_results.insert_or_assign(result.name, result);
    emit resultsArrived(results, justChecked);
}

void CDirectoryCheckController::Cancel()
{
    // Returns at once; the worker ends soon after and reports what it judged.
    if (m_checker)
        m_checker->Cancel();
}

void CDirectoryCheckController::StopWorker()
{
    if (!m_worker.joinable())
        return;
    m_checker->Cancel();
    m_worker.join();
    m_checker.reset();
}

void CDirectoryCheckController::Repair(const std::string& directory)
{
    if (directory.empty()) {
        m_presenter.ShowMessage(
            tr("Please choose the directory to repair in the list first.").toStdString(),
            RepairCaption().toStdString(), MessageIcon::None);
        return;
    }
    const auto found = m_results.find(directory);
    const bool repairable =
        found != m_results.end() && (found->second.status == DirectoryCheckStatus::Moved ||
                                     found->second.status == DirectoryCheckStatus::FormChanged);
    if (!repairable) {
        const QString why =
            found == m_results.end()
                ? tr("Repair is for directories that Directory > Check Directories found moved "
                     "or with a changed form. %1 has not been checked yet.")
                      .arg(Quoted(directory))
                : tr("Repair is for directories that Directory > Check Directories found moved "
                     "or with a changed form. The last check of %1 found: %2")
                      .arg(Quoted(directory),
                           QString::fromStdString(DirectoryCheckMessage(found->second)));
        m_presenter.ShowMessage(why.toStdString(), RepairCaption().toStdString(),
                                MessageIcon::None);
        return;
    }
    const DirectoryCheckResult& result = found->second;
    // A moved directory is learnt where it is now.
    const std::string& address =
        result.status == DirectoryCheckStatus::Moved && !result.finalAddress.empty()
            ? result.finalAddress
            : result.address;
    StopRepair();
    m_repairing = directory;
    // The repair reads the page it opened, in the tab it opened it in.
    m_repairBrowser = &m_browser();
    CBrowserPage* page = m_repairBrowser->GetDocument();
    m_repairGeneration = page->DocumentGeneration();
    m_repairLoad = connect(page, &QWebEnginePage::loadFinished, this,
                           &CDirectoryCheckController::OnRepairPageLoaded);
    if (!m_repairBrowser->Navigate(QString::fromStdString(address))) {
        StopRepair();
        m_presenter.ShowMessage(tr("The page of %1 cannot be opened: %2 is not a web address.")
                                    .arg(Quoted(directory), Quoted(address))
                                    .toStdString(),
                                RepairCaption().toStdString(), MessageIcon::Exclamation);
    }
}

void CDirectoryCheckController::StopRepair()
{
    disconnect(m_repairLoad);
}

void CDirectoryCheckController::OnRepairPageLoaded(bool ok)
{
    // The end of the page that was loading before: the repair's has not started yet, or it is
    // loading still.
    if (!m_repairBrowser)
        return;
    const CBrowserPage* page = m_repairBrowser->GetDocument();
    if (page->DocumentGeneration() == m_repairGeneration || page->isLoading())
        return;
    StopRepair();
    const std::string directory = std::exchange(m_repairing, {});
    if (!ok) {
        m_presenter.ShowMessage(
            tr("The page of %1 did not load. Try Directory > Repair again later.")
                .arg(Quoted(directory))
                .toStdString(),
            RepairCaption().toStdString(), MessageIcon::Exclamation);
        return;
    }
    emit addThisPageRequested(directory);
}
