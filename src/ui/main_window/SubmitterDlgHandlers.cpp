// The handlers of the main window's controls and menus. Each passes its event on to the
// part it concerns: the browser's tabs, the current profile, the directory panel.
#include "page_filling/SentFlags.h"
#include "profiles/ProfileStore.h"
#include "ui/about/AboutDlg.h"
#include "ui/about/HelpPages.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/directory_editor/DirectoryCommands.h"
#include "ui/directory_panel/DirectoryListPanel.h"
#include "ui/feed_check/FeedCheckCommands.h"
#include "ui/main_window/AssistantStatus.h"
#include "ui/main_window/StartupReads.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/profiles/ProfileSelector.h"
#include "ui/tabs/BrowserTabs.h"
#include "ui/tabs/SubmissionSession.h"
#include "ui/tabs/WorkAhead.h"
#include "ui/update/UpdateDialog.h"
#include "update/UpdateResult.h"

#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

void CSubmitterDlg::OnInitDialog()
{
    const std::string rememberedName = m_profile->LoadStateFile();
    m_directoryPanel->SetMarkingProfile(rememberedName);
    m_profileCombo->FillFrom(m_profileManager.Profiles());
    if (m_profile->HasProfile())
        m_profileCombo->SelectByName(rememberedName);
    // The list is marked for the profile that is current once the database has been read,
    // which the user may have picked meanwhile.
    m_startup->DeliverWhenRead();
    QTimer::singleShot(0, m_profile, &CCurrentProfile::WarnIfUnsaveable);
    // Said at start, not at every read of the settings.
    if (const QString refusals = m_environment.UpdateSettings().Refusals(); !refusals.isEmpty()) {
        QTimer::singleShot(0, this, [this, refusals] {
            m_presenters.Window().ShowMessage(refusals.toStdString(), "Kestrine",
                                              MessageIcon::Exclamation);
        });
    }
}

void CSubmitterDlg::OnDatabaseRead(const DatabaseRead& read)
{
    if (read.userFileUnreadable)
        QTimer::singleShot(0, m_directoryCommands, &CDirectoryCommands::WarnUnreadableFile);
    m_database.Adopt(read);
    // Marked for the profile that is current now, which the user may have picked meanwhile.
    RebuildDirectoryList(m_directoryPanel->MarkingProfile());
    emit databaseLoaded();
}

void CSubmitterDlg::OnSelchangeDirectoryList()
{
    if (!m_profile->HasProfile()) {
        m_presenters.Window().ShowMessage(tr("Please create a profile first!").toStdString(),
                                          tr("Error").toStdString(), MessageIcon::Exclamation);
        return;
    }
    if (const std::optional<std::string> directory = m_directoryPanel->SelectedDirectory()) {
        m_tabs->OpenDirectory(*directory);
        m_workAhead->Replan();
    }
}

void CSubmitterDlg::OnSelchangeProfileCombo()
{
    if (m_profileCombo->currentIndex() < 0 && m_profile->HasProfile())
        return;
    // The stored bytes, not the text shown: a name that is not UTF-8 (an old Latin-1 sv.dat)
    // shows with replacement characters that no profile is called by.
    const std::string name = m_profileCombo->ChosenName();
    m_profile->Pick(name);
    // Only the markers change, so the selected entry stays where it is.
    MarkDirectoryList(name);
    // They were filled with the other profile's values.
    m_tabs->DropReadyTabs();
    if (m_profile->HasProfile())
        OnSelchangeDirectoryList();
}

void CSubmitterDlg::RebuildDirectoryList(const std::string& markingProfileName)
{
    m_directoryPanel->SetDirectories(m_database.DirectoryNames());
    MarkDirectoryList(markingProfileName);
    m_workAhead->Replan();
}

void CSubmitterDlg::MarkDirectoryList(const std::string& markingProfileName)
{
    const CProfileStore& store = m_profileManager.Profiles();
    std::vector<uint8_t> sent;
    if (const auto names = m_database.DirectoryNames(); names && m_profile->HasProfile())
        sent = SentFlags(*names, store.SentSetsOf(markingProfileName));
    // Marks by hand go to the current profile, which must be one of the store's.
    const std::string& current = m_profile->Record().name;
    const bool byHand =
        m_profile->HasProfile() &&
        std::any_of(store.Profiles().begin(), store.Profiles().end(),
                    [&current](const ProfileRecord& p) { return p.name == current; });
    m_directoryPanel->SetMarks(m_profile->HasProfile(), std::move(sent), markingProfileName,
                               byHand);
}

void CSubmitterDlg::RecordSent(const std::string& profile, const std::string& directory)
{
    // Written to sv.dat at once: a crash or File > Exit must not lose it and invite the user to
    // submit the same feed twice.
    if (!m_profileManager.Profiles().MarkSent(profile, directory))
        return;
    m_profile->SaveStateFileOrWarn();
    // A result read in the background may answer for a profile the user has left since.
    if (profile == m_directoryPanel->MarkingProfile()) {
        m_directoryPanel->MarkSent(directory, directory == m_tabs->CurrentTab()->Directory());
        m_tabs->MarkSent(directory);
        m_status->Announce(tr("%1 marked sent").arg(QString::fromStdString(directory)));
    }
    m_workAhead->Replan();
}

void CSubmitterDlg::OnManageProfiles()
{
    // Every way of closing keeps what the user changed, so the result does not matter.
    m_profileManager.exec();

    m_profile->Settle();
    m_profileCombo->FillFrom(m_profileManager.Profiles());
    if (m_profile->HasProfile()) {
        // By exact name: a prefix search without regard to case could pick "Ann Lee" for "Ann".
        m_profileCombo->SelectByName(m_profile->Record().name);
    }
    OnSelchangeProfileCombo();
    // Written every time, whatever happened in the dialog.
    m_profile->SaveStateFileOrWarn();
}

void CSubmitterDlg::OnUpdateDatabase()
{
    // The new database could not be kept: nothing is downloaded, nothing written anywhere.
    if (!m_environment.dataFolder.problem.empty()) {
        m_presenters.Window().ShowMessage(
            tr("Kestrine cannot update the directory database: %1.")
                .arg(QString::fromStdString(m_environment.dataFolder.problem))
                .toStdString(),
            tr("Error").toStdString(), MessageIcon::Exclamation);
        return;
    }
    CUpdateDialog dialog(this);
    // Always the data folder's own copy, never the installed one it may have started from.
    dialog.m_destination = m_environment.dataFolder.UserDatabaseFile();
    dialog.m_url = m_environment.UpdateSettings().DatabaseSource().toStdString();

    switch (dialog.exec()) {
    case kUpdateInternalError:
        m_presenters.Window().ShowMessage(tr("Internal error").toStdString(),
                                          tr("Error").toStdString(), MessageIcon::Error);
        break;
    case kUpdateSucceeded:
        m_startup->Await();
        // The open page may belong to a directory the new database no longer has; one still
        // waiting for its result keeps it.
        m_tabs->DropReadyTabs();
        if (!m_tabs->CurrentTab()->IsBusy())
            m_tabs->CurrentBrowser().Navigate(QStringLiteral("about:blank"));
        // The user's own directories are merged in again; the update never touches them.
        m_database.LoadFile(dialog.m_destination, m_environment.dataFolder.UserDirectoriesFile());
        RebuildDirectoryList(m_profile->Record().name);
        m_status->Announce(tr("Update successful"));
        m_presenters.Window().ShowMessage(tr("Update successful").toStdString(),
                                          tr("Update").toStdString(), MessageIcon::None);
        break;
    case kUpdateFailed:
        m_status->Announce(tr("The update could not be retrieved"));
        m_presenters.Window().ShowMessage(tr("The update could not be retrieved").toStdString(),
                                          tr("Error").toStdString(), MessageIcon::Exclamation);
        break;
    }
}

void CSubmitterDlg::OnCheckFeed()
{
    m_feedCheck->CheckFeed(m_profile->HasProfile() ? &m_profile->Record() : nullptr);
}

// Help menu. The help pages replace what the tab shown shows, and its pending fill, unless its
// page still waits for its result: then they come in a tab of their own.

void CSubmitterDlg::OnAbout()
{
    CAboutDlg about(this);
    if (!m_environment.dataFolder.path.empty())
        about.ShowDataFolder(m_environment.dataFolder.path);
    about.exec();
}

void CSubmitterDlg::OnUserGuide()
{
    m_tabs->ShowFreeTab();
    m_helpPages->Show(CHelpPages::Page::Guide);
}

void CSubmitterDlg::OnSupport()
{
    m_tabs->ShowFreeTab();
    m_helpPages->Show(CHelpPages::Page::Support);
}
