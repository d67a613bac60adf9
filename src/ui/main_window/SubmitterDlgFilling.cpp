#include "common/ExecutablePath.h"
#include "page_filling/PlaceholderComposer.h"
#include "page_filling/SubmissionCheck.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageFiller.h"
#include "ui/browser/PageHtmlReader.h"
#include "ui/main_window/DirectoryListModel.h"
#include "ui/main_window/SubmitEventSink.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWebChannel>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The caption of the window's own notices: the executable's file name without its extension.
std::string ApplicationName()
{
    return std::filesystem::path(ExecutableFilePath()).stem().string();
}

// How long a close waits for the confirmation pages being read.
constexpr int kPageReadWaitMs = 2000;

// A handle that runs `action` once its last copy is gone.
std::shared_ptr<void> OnRelease(std::function<void()> action)
{
    return std::shared_ptr<void>(nullptr, [action = std::move(action)](void*) { action(); });
}

} // namespace

void CSubmitterDlg::InstallSubmitEventSink()
{
    m_submitSink = new CSubmitEventSink(*m_browser->GetDocument(), this);
    m_browser->Channel()->registerObject(QString::fromLatin1(kSubmitSinkChannelName), m_submitSink);
    connect(m_submitSink, &CSubmitEventSink::formSubmitted, this, &CSubmitterDlg::OnFormSubmit);
    // A page's own form.submit() fires no event for the sink to hear, and a submission the
    // page let through leaves its document before the sink hears of it: the browser page
    // notices the navigation it starts.
    connect(m_browser->GetDocument(), &CBrowserPage::armedFormSubmitted, this,
            &CSubmitterDlg::OnFormSubmit);
}

void CSubmitterDlg::OnFill()
{
    if (m_browser->GetReadyState() != CBrowserCtrl::kReadyStateComplete) {
        m_presenter.ShowMessage("Please allow the page to load completly", ApplicationName(),
                                MessageIcon::None);
        return;
    }
    if (CBrowserPage* page = m_browser->GetDocument())
        FillCurrentPage(*page, true);
}

void CSubmitterDlg::OnTimer()
{
    if (m_fillPending && m_browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete) {
        m_fillPending = false;
        if (CBrowserPage* page = m_browser->GetDocument())
            FillCurrentPage(*page);
    }
    if (m_submitted && IsSubmissionCheckDue(m_submitTime, m_environment.clock()) &&
        m_browser->GetReadyState() == CBrowserCtrl::kReadyStateComplete) {
        m_submitted = false;
        if (CBrowserPage* page = m_browser->GetDocument())
            CheckSubmission(*page);
    }
}

void CSubmitterDlg::OnPageReady(const QUrl& url)
{
    // Only the document the pick opened counts: not the page the browser is leaving, whose
    // notice may still be on its way, nor a page opened since (help, a link). A page that
    // redirects is left to the timer, which fills it once it has loaded.
    CBrowserPage* page = m_browser->GetDocument();
    if (!m_fillPending || page->DocumentGeneration() != m_fillDocument + 1 || url != m_fillUrl)
        return;
    m_fillPending = false;
    FillCurrentPage(*page);
}

void CSubmitterDlg::FillCurrentPage(CBrowserPage& page, bool offerFillByMeaning)
{
    std::vector<FormField> fields;
    m_database.GetDirectoryItems(m_currentDirectory, m_profile->Record().cat,
                                 m_profile->Record().subcat, fields);
    for (FormField& field : fields)
        field.value = ComposeFieldValue(field.value, m_profile->Record());
    const int total = static_cast<int>(fields.size());
    CPageFiller(page).Fill(fields, this,
                           [this, offerFillByMeaning, directory = m_currentDirectory, total,
                            address = page.url()](const FillReport& report) {
                               ShowFillReport(report);
                               RecordHistory(HistoryEventKind::Filled, directory, address,
                                             report.fieldsSet, total);
                               if (offerFillByMeaning && report.fieldsSet == 0)
                                   OfferFillByMeaning();
                           });
}

void CSubmitterDlg::CheckSubmission(CBrowserPage& page)
{
    const std::string directory = m_currentDirectory;
    const std::string profile = m_profile->Record().name;
    const QUrl address = page.url();
    // The read counts as pending until its completion has run or has been dropped with the page.
    ++m_pendingPageReads;
    const std::shared_ptr<void> settled = OnRelease([window = QPointer<CSubmitterDlg>(this)] {
        if (window)
            window->OnPageReadSettled();
    });
    CPageHtmlReader(page).Read(this, [this, directory, profile, address,
                                      settled](const std::string& html) {
        // The page is read asynchronously: a directory or profile chosen meanwhile is not the
        // one this result page answers for.
        if (!m_profile->HasProfile() || directory != m_currentDirectory ||
            profile != m_profile->Record().name)
            return;
        if (m_database.IsUserDirectory(directory)) {
            const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(directory);
            if (record && !record->confirmation) {
                LearnConfirmation(directory, profile, html);
                return;
            }
        }
        const std::optional<std::string> confirmation = m_database.GetDirectoryOnSubmit(directory);
        const bool confirmed = IsSubmissionConfirmed(html, confirmation);
        // Without a confirmation text there was nothing to look for: not a refusal.
        if (confirmation)
            RecordHistory(confirmed ? HistoryEventKind::Confirmed : HistoryEventKind::NotConfirmed,
                          directory, address);
        if (confirmed)
            RecordSent(profile, directory);
    });
}

void CSubmitterDlg::RecordSent(const std::string& profile, const std::string& directory)
{
    if (!m_profileManager.Profiles().MarkSent(profile, directory))
        return;
    // Written at once: a crash or File > Exit must not lose the mark and invite the user
    // to submit the same feed twice.
    m_profile->SaveStateFileOrWarn();
    // Marked and selected quietly, so the browser keeps the result page instead of opening
    // the directory again.
    if (const auto entry = m_directoryModel->FindDirectory(directory, SelectedDirectory())) {
        m_directoryModel->MarkSent(*entry);
        SelectDirectory(entry);
    }
    ShowProgress();
}

void CSubmitterDlg::OnPageReadSettled()
{
    if (--m_pendingPageReads == 0 && m_pageReadWait)
        m_pageReadWait->quit();
}

void CSubmitterDlg::WaitForPageReads()
{
    if (m_pendingPageReads == 0 || m_pageReadWait)
        return;
    QEventLoop loop;
    m_pageReadWait = &loop;
    QTimer::singleShot(kPageReadWaitMs, &loop, &QEventLoop::quit);
    // The user's clicks and keys wait too: the window is on its way out.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_pageReadWait = nullptr;
}

void CSubmitterDlg::OnFormSubmit()
{
    // One submission is reported twice, by the form's submit event and by the navigation it
    // starts; the history keeps one event per result page awaited.
    if (!m_submitted)
        RecordHistory(HistoryEventKind::Submitted, m_currentDirectory, m_browser->url());
    m_submitted = true;
    m_submitTime = m_environment.clock();
}
