// PLACEHOLDER: the update helper replaces this file.
#include "ui/main_window/SubmitterDlg.h"

void CSubmitterDlg::OnUpdateDatabase() {}
