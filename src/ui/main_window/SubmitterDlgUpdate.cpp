#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/settings/DatabaseSourceDlg.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/update/UpdateDialog.h"
#include "update/UpdateResult.h"

void CSubmitterDlg::OnUpdateDatabase()
{
    // The new database could not be kept: nothing is downloaded, nothing written anywhere.
    if (!m_environment.dataFolder.problem.empty()) {
        m_presenter.ShowMessage("Kestrine cannot update the directory database: " +
                                    m_environment.dataFolder.problem + ".",
                                "Error", MessageIcon::Exclamation);
        return;
    }
    CUpdateDialog dialog(this);
    // Always the data folder's own copy, never the installed one it may have started from.
    dialog.m_destination = m_environment.dataFolder.UserDatabaseFile();
    dialog.m_url = Settings().DatabaseSource().toStdString();

    switch (dialog.exec()) {
    case kUpdateInternalError:
        m_presenter.ShowMessage("Internal error", "Error", MessageIcon::Error);
        break;
    case kUpdateSucceeded:
        AwaitStartupDatabase();
        // The open page may belong to a directory the new database no longer has.
        m_browser->Navigate(QStringLiteral("about:blank"));
        // The user's own directories are merged in again; the update never touches them.
        m_database.LoadFile(dialog.m_destination, UserDirectoriesPath());
        RebuildDirectoryList(m_currentProfile.name);
        m_presenter.ShowMessage("Update successful", "Update", MessageIcon::None);
        break;
    case kUpdateFailed:
        m_presenter.ShowMessage("The update could not be retrieved", "Error",
                                MessageIcon::Exclamation);
        break;
    }
}

void CSubmitterDlg::OnDatabaseSource()
{
    CProgramSettings settings = Settings();
    CDatabaseSourceDlg(settings, this).exec();
}

CProgramSettings CSubmitterDlg::Settings() const
{
    // Without a choice of the user's, updates come from the build's vendor.
    return CProgramSettings(m_environment.dataFolder.path, VendorUrl("/updates/demo.xml"));
}
