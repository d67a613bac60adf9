#include "ui/directory_list/DirectoryListPanel.h"
#include "ui/main_window/SubmissionSession.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"

void CSubmitterDlg::OnFill()
{
    m_session->FillNow();
}

void CSubmitterDlg::OnTimer()
{
    m_session->Tick();
}

void CSubmitterDlg::RecordSent(const std::string& profile, const std::string& directory)
{
    if (!m_profileManager.Profiles().MarkSent(profile, directory))
        return;
    // Written at once: a crash or File > Exit must not lose the mark and invite the user
    // to submit the same feed twice.
    m_profile->SaveStateFileOrWarn();
    m_directoryPanel->MarkSent(directory);
}
