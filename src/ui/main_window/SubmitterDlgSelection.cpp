#include "page_filling/SentFlags.h"
#include "ui/directory_list/DirectoryListPanel.h"
#include "ui/main_window/SubmissionSession.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/profiles/ProfileSelector.h"

#include <algorithm>
#include <utility>
#include <vector>

void CSubmitterDlg::OnSelchangeDirectoryList()
{
    if (!m_profile->HasProfile()) {
        m_presenter.ShowMessage("Please create a profile first!", "Error",
                                MessageIcon::Exclamation);
        return;
    }
    const std::optional<std::string> directory = m_directoryPanel->SelectedDirectory();
    if (!directory)
        return;

    // The row's own name: the entry's text cut at " [" would confuse "Feeds [EN]" with
    // "Feeds [DE]".
    m_session->OpenDirectory(*directory);
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
    if (m_profile->HasProfile())
        OnSelchangeDirectoryList();
}

void CSubmitterDlg::RebuildDirectoryList(const std::string& markingProfileName)
{
    m_directoryPanel->SetDirectories(m_database.DirectoryNames());
    MarkDirectoryList(markingProfileName);
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
                    [&current](const ProfileRecord& profile) { return profile.name == current; });
    m_directoryPanel->SetMarks(m_profile->HasProfile(), std::move(sent), markingProfileName,
                               byHand);
}
