// PLACEHOLDER: the about/help helper replaces this file.
#include "ui/main_window/SubmitterDlg.h"

void CSubmitterDlg::OnAbout() {}
void CSubmitterDlg::OnUserGuide() {}
void CSubmitterDlg::OnSupport() {}
