#include "directory_db/UserDirectoryFile.h"
#include "page_filling/LearnedDirectory.h"
#include "page_filling/SubmissionCheck.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageDescriber.h"
#include "ui/browser/PlainTextInput.h"
#include "ui/main_window/SubmitterDlg.h"

void CSubmitterDlg::LearnConfirmation(const std::string& directory, const std::string& profile,
                                      const std::string& html)
{
    CPageDescriber(*m_browser->GetDocument())
        .ReadGreeting(this, [this, directory, profile, html](const std::string& greeting) {
            // Proposed only as it stands in the page's source, where later checks look for it.
            std::string proposal = TextAsHtmlSource(greeting);
            if (!IsSubmissionConfirmed(html, proposal))
                proposal.clear();
            const std::optional<QString> answer = AskForPlainText(
                this, tr("Confirmation text"),
                tr("Kestrine does not know yet how \"%1\" confirms a submission.\n"
                   "If this page confirms yours, keep or change the text below: Kestrine "
                   "will look for it after later submissions and marks the directory sent "
                   "now.")
                    .arg(QString::fromStdString(directory)),
                QString::fromStdString(proposal));
            const QString text = answer.value_or(QString()).trimmed();
            if (text.isEmpty())
                return;
            std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(directory);
            if (!record)
                return;
            record->confirmation = text.toStdString();
            if (ChangeUserDirectories([&record, &directory](CUserDirectoryFile& file) {
                    file.Put(*record, directory);
                }))
                RecordSent(profile, directory);
        });
}
