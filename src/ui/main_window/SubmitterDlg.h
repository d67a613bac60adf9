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
class CCurrentProfile;
class CAssistantStatus;
class CDirectoryListPanel;
class CHistoryDlg;
class CHistoryRecorder;
class CProfileSelector;
class CSubmissionSession;
class CUserDirectoryFile;
class QLabel;
class QPushButton;
class QMenu;
class QTimer;
class QUrl;
class QWebEnginePage;

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
    // Settings > Check Feed: the current profile's feed, in a window that leaves this one usable.
    void OnCheckFeed();

    // dirdata.xml is read on a worker while the window and the browser start; the list is
    // filled once it has been read.
    bool IsDatabaseLoaded() const { return m_databaseLoaded; }

signals:
    void databaseLoaded();

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
    // Tells the user, once, that mydirs.xml could not be read at start.
    void WarnAboutUserDirectories();
    QString VendorUrl(const char* path) const;

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

    // Page filling and submission tracking, which the page's submission session does.
    void ConnectSession();
    void OnFill();
    void OnTimer();
    // Marks the directory sent for the profile, saves sv.dat and shows the mark.
    void RecordSent(const std::string& profile, const std::string& directory);

    // Go and Directory menus: any address, and the user's own directories.
    void CreateDirectoryMenus();
    void OnOpenAddress();
    void OnAddThisPage();
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
    bool AskYesNo(const std::string& text, const std::string& caption);

    // Where no rule fits the page, offers to fill the fields whose meaning is certain.
    void OfferFillByMeaning();
    // A directory of the user's own that does not know its confirmation text yet learns it
    // from the result page, with the user's consent.
    void LearnConfirmation(const std::string& directory, const std::string& profile,
                           const std::string& html);

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
    void SetSentByHand(const std::string& directory, bool sent);
    void OnExportReport();
    void ExportReportTo(const QString& path);
    std::string HistoryPath() const;

    // Help menu.
    void OnAbout();
    void OnUserGuide();
    void OnSupport();

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
    CCurrentProfile* m_profile = nullptr;
    CDirectoryDatabase m_database;
    CBrowserCtrl* m_browser = nullptr;
    CDirectoryListPanel* m_directoryPanel = nullptr;
    CSubmissionSession* m_session = nullptr;
    CProfileSelector* m_profileCombo = nullptr;
    QLabel* m_profileLabel = nullptr;
    QPushButton* m_fillButton = nullptr;
    CAssistantStatus* m_status = nullptr;
    QTimer* m_timer = nullptr;
    bool m_exitWithoutSaving = false; // File > Exit is closing the window
    std::unique_ptr<CHistoryRecorder> m_history;
    CHistoryDlg* m_historyDlg = nullptr;
};
