#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/profiles/ProfileSelector.h"

void CSubmitterDlg::OnManageProfiles()
{
    // Every way of closing keeps what the user changed, so the result does not matter.
    m_profileManager.exec();

    // The same profile while one still carries its name (its copy refreshed with the edits),
    // else the first in store order; none when the store is empty.
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
