#pragma once

#include "common/DataFolder.h"
#include "common/MillisecondClock.h"
#include "directory_db/DirectoryDatabase.h"
#include "history/HistoryEvent.h"
#include "profiles/ProfileRecord.h"
#include "ui/main_window/MessageBoxPresenter.h"
#include "ui/profiles/ProfilesConfigurator.h"

#include <QFutureWatcher>
#include <QIcon>
#include <QMainWindow>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CBrowserCtrl;
class CBrowserPage;
class CDirectoryCheckController;
class CDirectoryFilterProxy;
class CDirectoryListModel;
class CDirectoryListView;
class CHelpPages;
class CHistoryDlg;
class CHistoryRecorder;
class CProgramSettings;
class CSubmitEventSink;
class CUserDirectoryFile;
class QCheckBox;
class QComboBox;
class QEventLoop;
class QLabel;
class QLineEdit;
class QPushButton;
class QMenu;
class QPoint;
class QTimer;
class QUrl;
class QWebEnginePage;
struct FillReport;
struct StartPageState;
struct StatusMessage;
struct WriteOutcome;

// Where the main window finds its files and its vendor, and what it tells the time with.
// The program uses the defaults; tests point them at a temporary folder and a local server.
struct SubmitterEnvironment
{
    // Holds sv.dat and the dirdata.xml that updates replace. When it has a problem, the window
    // says so once at start and never writes sv.dat.
    DataFolder dataFolder;
    std::string vendorHost; // host[:port] of the start page, help pages and updates
    MillisecondClock clock;
    // Where messages go; null means real message boxes (owned by the window, or, for the
    // database's messages, by no window).
    MessagePresenter* windowMessages = nullptr;
    MessagePresenter* databaseMessages = nullptr;

    static SubmitterEnvironment Default(DataFolder dataFolder);
};

// The main window: the browser, the directory list, the profile selector and the Fill button,
// and the little state that ties a browser page to a submission.
class CSubmitterDlg : public QMainWindow
{
    Q_OBJECT

public:
    explicit CSubmitterDlg(SubmitterEnvironment environment, QWidget* parent = nullptr);
    ~CSubmitterDlg() override;

    // Settings > Manage Profiles (also reachable for tests without the menu).
    void OnManageProfiles();
    void OnUpdateDatabase();
    // Settings > Database Source…: where updates come from.
    void OnDatabaseSource();
    // Settings > Check Feed: the current profile's feed, in a window that leaves this one usable.
    void OnCheckFeed();

    // dirdata.xml is read on a worker while the window and the browser start; the list is
    // filled once it has been read.
    bool IsDatabaseLoaded() const { return m_databaseLoaded; }

signals:
    void databaseLoaded();
    // One of the user's own directories was added, fixed or edited in mydirs.xml.
    void userDirectorySaved(const std::string& name);

protected:
    // The close box and Alt+F4 save sv.dat first; the window stays open if that fails.
    void closeEvent(QCloseEvent* event) override;
    // Lays out the controls whenever the client area (the central widget) changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tests reach the widgets by object name; this one class reads and sets the per-page
    // submission state, which no widget shows.
    friend class SubmitterDlgInspector;

    // Start-up, layout and closing.
    void OnInitDialog();
    void CreateControls();
    void CreateMenu();
    void OnSize(int cx, int cy);
    void OnExit();
    WriteOutcome SaveStateFile();
    // Saves sv.dat and, when that fails, tells the user why; true when saved, or when the data
    // folder cannot take it (the user was told at start) and the window may close regardless.
    bool SaveStateFileOrWarn();
    std::string StateFilePath() const;
    // Tells the user, once the window shows, that profiles cannot be saved and why.
    void WarnAboutDataFolder();
    QString VendorUrl(const char* path) const;
    CProgramSettings Settings() const;

    // Directory list and profile selection.
    void OnSelchangeDirectoryList();
    void OnSelchangeProfileCombo();
    void OnDatabaseRead();
    // Adopts the start-up read now if it is still going on, so that it cannot later replace a
    // database that an update or a change of the user's directories has loaded meanwhile.
    void AwaitStartupDatabase();
    void RebuildDirectoryList(const std::string& markingProfileName);
    // Sets every entry's marker for this profile name; the selection stays.
    void MarkDirectoryList(const std::string& markingProfileName);
    // The selected entry's directory. Selection, not the current item: the list makes an item
    // current by itself when it gains focus, which is nobody's choice.
    std::optional<size_t> SelectedDirectory() const;
    // Selects the directory's entry (or nothing) without counting as the user's choice.
    void SelectDirectory(std::optional<size_t> directory);
    // Refills the selector with the store's names, sorted, and leaves nothing selected.
    void FillProfileCombo();
    // Selects the entry with exactly this name, or none when no entry has it.
    void SelectProfileByName(const std::string& name);

    // Page filling and submission tracking.
    // Puts the submit sink on the browser's channel; called once while the window initialises.
    void InstallSubmitEventSink();
    void OnFill();
    void OnTimer();
    // A document is ready: when it is the pending fill's, the fill need not wait for the timer.
    void OnPageReady(const QUrl& url);
    // Offered when the rules set no field: filling by the fields' meaning instead.
    void FillCurrentPage(CBrowserPage& page, bool offerFillByMeaning = false);
    void CheckSubmission(CBrowserPage& page);
    void OnFormSubmit();
    // Marks the directory sent for the profile, saves sv.dat and shows the mark.
    void RecordSent(const std::string& profile, const std::string& directory);

    // Go and Directory menus: any address, and the user's own directories.
    void CreateDirectoryMenus();
    void OnOpenAddress();
    void OnAddThisPage();
    // Learns the page shown as a new directory or, given `fixing`, as that directory's fix.
    void AddThisPage(const std::string& fixing);
    void OnEditDirectory();
    void OnRemoveDirectory();
    void OnCopyDirectory();
    std::string UserDirectoriesPath() const;
    // Reads mydirs.xml, applies `change`, saves it and shows the list anew; false (after
    // telling the user) when the file could not be read or written.
    bool ChangeUserDirectories(const std::function<void(CUserDirectoryFile&)>& change);
    void SaveUserDirectory(const DirectoryRecord& record, const std::string& replacing);
    // The directory of the selected entry; empty when none is selected.
    std::string SelectedDirectoryName() const;
    // Selects the entry of `directory` without opening its page again.
    void SelectDirectoryEntry(const std::string& directory);
    bool AskYesNo(const std::string& text, const std::string& caption);

    // Where no rule fits the page, offers to fill the fields whose meaning is certain.
    void OfferFillByMeaning();
    // A directory of the user's own that does not know its confirmation text yet learns it
    // from the result page, with the user's consent.
    void LearnConfirmation(const std::string& directory, const std::string& profile,
                           const std::string& html);
    // A confirmation page being read may still bring a sent mark: closing waits for the reads,
    // with the event loop running, for a short while at most.
    void WaitForPageReads();
    void OnPageReadSettled();

    // Feed check: what the user takes from the feed goes into the checked profile and sv.dat.
    void TakeFeedTexts(const std::string& profileName, const QString& feedTitle,
                       const QString& feedDescription);
    void TakeFeedAddress(const std::string& profileName, const QString& address);
    void ReplaceProfileFields(const std::string& profileName, const ProfileRecord& fields);
    // The submission history, the marks by hand and the report.
    void StartHistory();
    void AddHistoryCommands(QMenu* fileMenu);
    void RecordHistory(HistoryEventKind kind, const std::string& directory, const QUrl& page,
                       int fieldsSet = 0, int fieldsTotal = 0);
    void OnHistoryOff(const std::string& error);
    void OnViewHistory();
    void OpenDirectoryFromHistory(const QByteArray& directory);
    void OnDirectoryContextMenu(const QPoint& position);
    void SetSentByHand(const std::string& directory, bool sent);
    void OnExportReport();
    void ExportReportTo(const QString& path);
    std::string HistoryPath() const;

    // The submission assistant: fill report, progress, Next unsent and the list's filter.
    void CreateAssistantControls(QWidget* client);
    void OnNextUnsent();
    void OnFilterChanged();
    void ShowProgress();
    void ShowFillReport(const FillReport& report);
    void ShowStatus(const StatusMessage& message);

    // Help menu.
    void OnAbout();
    void OnUserGuide();
    void OnSupport();
    StartPageState StartState() const;

    SubmitterEnvironment m_environment;
    // Parsing a large dirdata.xml takes about as long as the browser engine takes to start, so
    // the file is read on a worker thread from the window's first moment and adopted when read,
    // while the engine goes on starting.
    QFuture<DatabaseRead> m_startupDatabase;
    QFutureWatcher<DatabaseRead> m_startupDatabaseWatcher;
    QFuture<void> m_fontDatabase; // filled on a worker while the engine starts
    bool m_databaseLoaded = false;
    CMessageBoxPresenter m_windowBoxes;    // boxes owned by this window
    CMessageBoxPresenter m_unownedBoxes;   // the database's boxes, which have no owner
    MessagePresenter& m_presenter;         // m_windowBoxes unless a test stands in
    MessagePresenter& m_databasePresenter; // m_unownedBoxes unless a test stands in
    QIcon m_icon;
    CProfilesConfigurator m_profileManager;
    ProfileRecord m_currentProfile;
    CDirectoryDatabase m_database;
    bool m_hasProfile = false;
    std::string m_currentDirectory;
    CBrowserCtrl* m_browser = nullptr;
    CHelpPages* m_helpPages = nullptr;
    CDirectoryListModel* m_directoryModel = nullptr;
    CDirectoryFilterProxy* m_directoryFilter = nullptr;
    CDirectoryListView* m_directoryList = nullptr;
    // Set while the program itself changes the list's selection, which is nobody's pick.
    bool m_changingSelection = false;
    bool m_fillPending = false;
    uint64_t m_fillDocument = 0; // the page's document generation when the fill was armed
    QUrl m_fillUrl;              // the address the fill's page was opened at
    bool m_submitted = false;
    uint32_t m_submitTime = 0;
    QComboBox* m_profileCombo = nullptr;
    QLabel* m_profileLabel = nullptr;
    QPushButton* m_fillButton = nullptr;
    QPushButton* m_nextUnsentButton = nullptr;
    QLineEdit* m_searchBox = nullptr;
    QCheckBox* m_unsentOnlyBox = nullptr;
    QCheckBox* m_hideUnreachableBox = nullptr;
    QLabel* m_fillStatus = nullptr;
    QLabel* m_progressStatus = nullptr;
    std::string m_markingProfile; // whose sent set marks the list
    CSubmitEventSink* m_submitSink = nullptr;
    QTimer* m_timer = nullptr;
    bool m_exitWithoutSaving = false; // File > Exit is closing the window
    int m_pendingPageReads = 0;
    QEventLoop* m_pageReadWait = nullptr; // while a close waits for the page reads
    std::unique_ptr<CHistoryRecorder> m_history;
    CHistoryDlg* m_historyDlg = nullptr;
    CDirectoryCheckController* m_directoryCheck = nullptr;
};
