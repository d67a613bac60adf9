#pragma once

#include "common/DataFolder.h"
#include "common/MessagePresenter.h"
#include "directory_db/DirectoryRecord.h"
#include "ui/browser/ShownBrowser.h"

#include <QObject>
#include <functional>
#include <string>

class CBrowserCtrl;
class CCurrentProfile;
class CDirectoryDatabase;
class CDirectoryListPanel;
class CUserDirectoryFile;
class QAction;
class QMainWindow;
class QMenu;

// The Go and Directory menus: any address, Back and Forward, and the user's own directories,
// learnt from a page, edited, copied from the database or removed, and the confirmation text
// one of them learns from its first result page.
class CDirectoryCommands final : public QObject
{
    Q_OBJECT

public:
    // `awaitDatabase` adopts the database read at start-up before the directories change.
    CDirectoryCommands(QMainWindow& window, ShownBrowser browser, CDirectoryDatabase& database,
                       CDirectoryListPanel& panel, CCurrentProfile& profile, DataFolder dataFolder,
                       MessagePresenter& presenter, std::function<void()> awaitDatabase);

    // The Go menu, then the Directory menu, which it returns for more commands.
    QMenu* AddMenus();
    // Directory > Add This Page…, once the menus exist.
    QAction* AddThisPageAction() const { return m_addThisPage; }
    // Learns the page shown as a new directory or, given `fixing`, as that directory's fix.
    void AddThisPage(const std::string& fixing);
    // Asks the user for the confirmation text of their own directory after a submission whose
    // result page `html` is shown, and marks it sent when the user gives one.
    void LearnConfirmation(const std::string& directory, const std::string& profile,
                           const std::string& html);
    // Tells the user that mydirs.xml could not be read at start and is left alone.
    void WarnUnreadableFile();
    // Reads mydirs.xml, applies `change`, saves it and shows the list anew; false (after
    // telling the user) when the file could not be read or written.
    bool ChangeUserDirectories(const std::function<void(CUserDirectoryFile&)>& change);

signals:
    // The user goes to an address of their own: the pending fill is not for it.
    void addressOpening();
    // The user's directories changed: the list shows them anew.
    void directoriesChanged();
    // Sent marks moved with a renamed directory.
    void marksChanged();
    // The page shown belongs to this directory now, saved under its name.
    void directorySaved(const std::string& directory);
    // A learnt confirmation text confirmed the submission.
    void confirmed(const std::string& profile, const std::string& directory);

private:
    void OnOpenAddress();
    void OnAddThisPage();
    void OnEditDirectory();
    void OnRemoveDirectory();
    void OnCopyDirectory();
    void SaveUserDirectory(DirectoryRecord record, const std::string& replacing);
    std::string SelectedName() const;
    void ShowStatus(const QString& text);

    QMainWindow& m_window;
    ShownBrowser m_browser;
    CDirectoryDatabase& m_database;
    CDirectoryListPanel& m_panel;
    CCurrentProfile& m_profile;
    DataFolder m_dataFolder;
    MessagePresenter& m_presenter;
    std::function<void()> m_awaitDatabase;
    QAction* m_addThisPage = nullptr;
};
