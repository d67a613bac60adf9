#pragma once

#include "common/DataFolder.h"
#include "common/MillisecondClock.h"
#include "directory_db/DirectoryDatabase.h"
#include "ui/browser/ShownBrowser.h"
#include "ui/main_window/WindowPresenters.h"
#include "ui/profiles/ProfilesConfigurator.h"

#include <QMainWindow>
#include <memory>
#include <string>

class CAssistantStatus;
class CBrowserTabs;
class CConfirmationMails;
class CCurrentProfile;
class CDirectoryCheckController;
class CDirectoryCommands;
class CDirectoryListPanel;
class CFeedCheckCommands;
class CHelpPages;
class CHistoryCommands;
class CProfileSelector;
class CProgramSettings;
class CStartupReads;
class CWorkAhead;
class QLabel;
class QMenu;
class QPushButton;

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
    // Where updates come from (Settings > Database Source…).
    CProgramSettings UpdateSettings() const;
};

// The main window. It builds the browser's tabs, the directory list panel, the profile selector
// and the Fill button with the menus, owns the parts that do the work (the tabs with their
// submission sessions, the current profile, the commands of each feature) and wires them
// together; its handlers only pass each event on to the part it concerns.
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
    bool IsDatabaseLoaded() const;

signals:
    void databaseLoaded();

protected:
    // The close box and Alt+F4 save sv.dat first; the window stays open if that fails.
    void closeEvent(QCloseEvent* event) override;
    // Lays out the controls whenever the client area (the central widget) changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The browser of the tab shown, found anew each time it is asked for.
    ShownBrowser CurrentTabBrowser();
    void CreateControls();
    void CreateMenu();
    void ConnectParts();
    void OnInitDialog();
    void OnSize(int cx, int cy);
    void OnExit();
    void OnDatabaseRead(const DatabaseRead& read);
    void OnSelchangeDirectoryList();
    void OnSelchangeProfileCombo();
    void RebuildDirectoryList(const std::string& markingProfileName);
    // Sets every entry's marker for this profile name; the selection stays.
    void MarkDirectoryList(const std::string& markingProfileName);
    // The user's mark of a directory, for a profile, by a result page or by hand.
    void RecordSent(const std::string& profile, const std::string& directory);
    // The confirmation mails: their command in `directoryMenu`, their count in the status bar.
    void ConnectConfirmationMails(QMenu& directoryMenu);
    void OnAbout();
    void OnUserGuide();
    void OnSupport();

    SubmitterEnvironment m_environment;
    CStartupReads* m_startup = nullptr;
    CWindowPresenters m_presenters;
    CProfilesConfigurator m_profileManager;
    CCurrentProfile* m_profile = nullptr;
    CDirectoryDatabase m_database;
    CBrowserTabs* m_tabs = nullptr;
    CWorkAhead* m_workAhead = nullptr; // the tabs kept ready for the next unsent directories
    CHelpPages* m_helpPages = nullptr; // the start page and the Help menu's pages
    CDirectoryListPanel* m_directoryPanel = nullptr;
    CProfileSelector* m_profileCombo = nullptr;
    QLabel* m_profileLabel = nullptr;
    QPushButton* m_fillButton = nullptr;
    CAssistantStatus* m_status = nullptr;
    CDirectoryCommands* m_directoryCommands = nullptr;
    CHistoryCommands* m_history = nullptr;
    CFeedCheckCommands* m_feedCheck = nullptr;
    CDirectoryCheckController* m_directoryCheck = nullptr;
    CConfirmationMails* m_confirmationMails = nullptr;
    bool m_exitWithoutSaving = false; // File > Exit is closing the window
};
