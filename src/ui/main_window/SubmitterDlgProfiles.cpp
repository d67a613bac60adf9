// PLACEHOLDER: the profile-dialogs helper replaces this file.
#include "ui/main_window/SubmitterDlg.h"

void CSubmitterDlg::OnManageProfiles() {}
