// The window's part in the confirmation mails: where they are counted, how their links open.
#include "ui/browser/BrowserCtrl.h"
#include "ui/directory_panel/DirectoryListPanel.h"
#include "ui/mail/ConfirmationMails.h"
#include "ui/main_window/AssistantStatus.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/tabs/BrowserTabs.h"

#include <QStatusBar>

void CSubmitterDlg::ConnectConfirmationMails(QMenu& directoryMenu)
{
    m_confirmationMails = new CConfirmationMails(
        m_environment.dataFolder, *statusBar(),
        [this] { return m_directoryPanel->SelectedDirectory(); }, this);
    m_confirmationMails->AddTo(directoryMenu);
    connect(m_tabs, &CBrowserTabs::submitted, m_confirmationMails,
            &CConfirmationMails::LookAfterSubmission);
    connect(m_confirmationMails, &CConfirmationMails::announced, m_status,
            &CAssistantStatus::Announce);
    // Only the user's command opens a link, in a tab of its own unless the one shown is free.
    connect(m_confirmationMails, &CConfirmationMails::linkOpening, this,
            [this](const QString& link) {
                m_tabs->ShowFreeTab();
                m_tabs->CurrentBrowser().Navigate(link);
            });
}
