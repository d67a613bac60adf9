#include "ui/main_window/SubmitterDlg.h"

namespace {

// Which profile is current once the Profile Manager has closed: the same one while a profile
// still carries its name (its copy refreshed with the edits), else the first in store order.
// False when the store is empty and no profile can be current.
bool SettleCurrentProfile(const CProfileStore& store, bool hasProfile, ProfileRecord& current)
{
    const std::string name = current.name;
    if (hasProfile && store.GetProfile(name, current))
        return true;
    if (store.Profiles().empty())
        return false;
    current = store.Profiles().front();
    return true;
}

} // namespace

void CSubmitterDlg::OnManageProfiles()
{
    // Every way of closing keeps what the user changed, so the result does not matter.
    m_profileManager.exec();

    m_hasProfile =
        SettleCurrentProfile(m_profileManager.Profiles(), m_hasProfile, m_currentProfile);
    FillProfileCombo();
    if (m_hasProfile) {
        // By exact name: a prefix search without regard to case could pick "Ann Lee" for "Ann".
        SelectProfileByName(m_currentProfile.name);
    }
    OnSelchangeProfileCombo();
    // Written every time, whatever happened in the dialog.
    SaveStateFileOrWarn();
}
