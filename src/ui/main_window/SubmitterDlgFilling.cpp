// PLACEHOLDER: the page-filling helper replaces this file.
#include "ui/main_window/SubmitterDlg.h"

void CSubmitterDlg::InstallSubmitEventSink() {}
void CSubmitterDlg::OnFill() {}
void CSubmitterDlg::OnTimer() {}
void CSubmitterDlg::FillCurrentPage(QWebEnginePage*) {}
void CSubmitterDlg::CheckSubmission(QWebEnginePage*) {}
void CSubmitterDlg::OnFormSubmit() {}
