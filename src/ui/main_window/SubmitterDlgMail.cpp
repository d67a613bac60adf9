// The window's part in the confirmation mails: where they are counted, how their links open.
#include "ui/browser/BrowserCtrl.h"
#include "ui/directory_panel/DirectoryListPanel.h"
#include "ui/history/HistoryCommands.h"
#include "ui/mail/ConfirmationMails.h"
#include "ui/mail/ConfirmationPageWatch.h"
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
    connect(m_confirmationMails, &CConfirmationMails::waitingChanged, this, [this] {
        const std::set<std::string> directories = m_confirmationMails->WaitingDirectories();
        m_directoryPanel->SetConfirmationMails(directories);
        m_tabs->SetConfirmationMails(directories);
    });
    connect(m_directoryPanel, &CDirectoryListPanel::confirmationLinkWanted, m_confirmationMails,
            &CConfirmationMails::OpenLinkOf);
    // Only the user's command opens a link, in a tab of its own unless the one shown is free.
    connect(m_confirmationMails, &CConfirmationMails::linkOpening, this,
            [this](const QString& link, const ConfirmationMail& mail) {
                m_tabs->ShowFreeTab();
                CBrowserCtrl& browser = m_tabs->CurrentBrowser();
                auto* watch = new CConfirmationPageWatch(
                    browser, mail.link, m_database.GetDirectoryOnSubmit(mail.directory));
                connect(watch, &CConfirmationPageWatch::confirmed, this,
                        [this, mail](const QUrl& page) {
                            m_history->RecordFor(mail.profile, HistoryEventKind::ConfirmedByEmail,
                                                 mail.directory, page);
                        });
                browser.Navigate(link);
                browser.setFocus(Qt::OtherFocusReason);
            });
}
