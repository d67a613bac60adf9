#include "ui/about/AboutDlg.h"
#include "ui/about/HelpPages.h"
#include "ui/main_window/DirectoryListModel.h"
#include "ui/main_window/SubmitterDlg.h"

// Help menu. The help pages replace whatever the main browser shows; the submission state is
// left alone, so a pending fill still applies to the next page the browser completes.

void CSubmitterDlg::OnAbout()
{
    CAboutDlg about(this);
    if (!m_environment.dataFolder.path.empty())
        about.ShowDataFolder(m_environment.dataFolder.path);
    about.exec();
}

void CSubmitterDlg::OnUserGuide()
{
    m_helpPages->Show(CHelpPages::Page::Guide);
}

void CSubmitterDlg::OnSupport()
{
    m_helpPages->Show(CHelpPages::Page::Support);
}

StartPageState CSubmitterDlg::StartState() const
{
    StartPageState state;
    state.profiles = m_profileManager.Profiles().Profiles().size();
    if (m_hasProfile)
        state.currentProfile = m_markingProfile;
    if (m_databaseLoaded) {
        state.directories = m_directoryModel->DirectoryCount();
        state.sent = m_directoryModel->SentCount();
    }
    return state;
}
