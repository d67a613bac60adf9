#pragma once

#include "directory_db/DirectoryRecord.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class CDirectoryDatabase;
class CUserDirectoryFile;
class MessagePresenter;
class QAction;
class QMenu;
class QWidget;

// File > Import Directories… and File > Export My Directories…: lists of directories shared
// between users, in the format of dirdata.xml.
class CDirectoryListCommands final : public QObject
{
    Q_OBJECT

public:
    // The database as the window shows it, once it has been read.
    using DatabaseAccess = std::function<const CDirectoryDatabase&()>;
    // Changes mydirs.xml atomically and shows the list anew; false after telling the user why
    // it could not.
    using UserDirectoriesChange =
        std::function<bool(const std::function<void(CUserDirectoryFile&)>& change)>;

    CDirectoryListCommands(DatabaseAccess database, UserDirectoriesChange changeUserDirectories,
                           MessagePresenter& presenter, QWidget* window);

    void AddTo(QMenu* fileMenu);
    // File > Import Directories…, once added to the menu.
    QAction* ImportAction() const { return m_import; }

    // The commands without their file dialogs, for the menu and for tests.
    void ImportFrom(const QString& path);
    void ChooseAndExportTo(const std::function<QString()>& chooseFile);

private:
    void OnImport();
    void OnExport();
    void Tell(const QString& text, bool problem);

    DatabaseAccess m_database;
    UserDirectoriesChange m_changeUserDirectories;
    MessagePresenter& m_presenter;
    QWidget* m_window;
    QAction* m_import = nullptr;
};
