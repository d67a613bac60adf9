#include "ui/tabs/SubmissionSession.h"

#include "common/ExecutablePath.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/SubmitAddress.h"
#include "page_filling/PlaceholderComposer.h"
#include "page_filling/SubmissionCheck.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageEvents.h"
#include "ui/browser/PageFiller.h"
#include "ui/browser/PageHtmlReader.h"
#include "ui/browser/PageQuestion.h"
#include "ui/browser/PageScriptCall.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/tabs/CategoryPicks.h"
#include "ui/tabs/SubmitEventSink.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWebChannel>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

namespace {

// The caption of the window's own notices: the executable's file name without its extension.
std::string ApplicationName()
{
    return std::filesystem::path(ExecutableFilePath()).stem().string();
}

// How much longer than the usual wait a page that stayed after its submission is watched for
// the confirmation: the page shows it only once the answer to its request has arrived.
constexpr int kConfirmationWatchMs = 5000;
// How long the page's scripts may take to look through the document and its frames once.
constexpr int kConfirmationLookMs = 3000;

bool SameFields(const std::vector<FormField>& a, const std::vector<FormField>& b)
{
    const auto key = [](const FormField& field) {
        return std::tie(field.name, field.type, field.index, field.value);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&key](const FormField& x, const FormField& y) { return key(x) == key(y); });
}

// A handle that runs `action` once its last copy is gone.
std::shared_ptr<void> OnRelease(std::function<void()> action)
{
    return std::shared_ptr<void>(nullptr, [action = std::move(action)](void*) { action(); });
}

} // namespace

CSubmissionSession::CSubmissionSession(CBrowserCtrl& browser, const CDirectoryDatabase& database,
                                       const CCurrentProfile& profile, MillisecondClock clock,
                                       MessagePresenter& presenter, QObject* parent,
                                       std::shared_ptr<CCategoryChoiceFile> categoryChoices)
    : QObject(parent), m_browser(browser), m_database(database), m_profile(profile),
      m_clock(std::move(clock)), m_presenter(presenter)
{
    InstallSubmitEventSink(std::move(categoryChoices));
    connect(m_browser.PageEvents(), &CPageEvents::pageReady, this,
            &CSubmissionSession::OnPageReady);
    // Only the document opened for the directory is filled by itself, never one the user or
    // another part of the program asked for meanwhile (a help page, an address, Back, Reload).
    connect(m_browser.GetDocument(), &CBrowserPage::documentRequested, this, [this] {
        if (!m_openingOwnPage)
            m_fillPending = false;
    });
}

void CSubmissionSession::InstallSubmitEventSink(
    std::shared_ptr<CCategoryChoiceFile> categoryChoices)
{
    auto* sink = new CSubmitEventSink(*m_browser.GetDocument(), this);
    m_browser.Channel()->registerObject(QString::fromLatin1(kSubmitSinkChannelName), sink);
    m_categoryPicks =
        new CCategoryPicks(*m_browser.GetDocument(), std::move(categoryChoices), this);
    m_browser.Channel()->registerObject(QString::fromLatin1(kCategoryPicksChannelName),
                                        m_categoryPicks);
    connect(sink, &CSubmitEventSink::formSubmitted, this, &CSubmissionSession::OnFormSubmit);
    connect(sink, &CSubmitEventSink::formSubmitCancelled, this,
            &CSubmissionSession::OnSubmitCancelled);
    CBrowserPage* page = m_browser.GetDocument();
    connect(page, &CBrowserPage::requestSent, this, &CSubmissionSession::OnPageRequest);
    connect(page, &QWebEnginePage::loadStarted, this, [this] { m_backgroundSend.Reset(); });
    // A page's own form.submit() fires no event for the sink to hear, and a submission the
    // page let through leaves its document before the sink hears of it: the browser page
    // notices the navigation it starts.
    connect(m_browser.GetDocument(), &CBrowserPage::armedFormSubmitted, this,
            &CSubmissionSession::OnFormSubmit);
}

void CSubmissionSession::OpenDirectory(const std::string& directory)
{
    m_directory = directory;
    // The page may depend on the profile's category; the database reports its own failures.
    const std::string url = m_database.GetDirectorySubmitPage(m_directory, m_profile.Record().cat,
                                                              m_profile.Record().subcat);
    m_fillDocument = m_browser.GetDocument()->DocumentGeneration();
    m_fillUrl = QUrl(QString::fromStdString(url));
    m_openedFor = m_profile.HasProfile() ? m_profile.Record().name : std::string();
    m_openedAddress = url;
    m_filledWith.reset();
    bool opening = false;
    {
        const QScopedValueRollback<bool> own(m_openingOwnPage, true);
        opening = m_browser.Navigate(QString::fromStdString(url));
    }
    if (!opening && !url.empty()) {
        m_presenter.ShowMessage(NotWebAddressMessage(m_directory, url), tr("Error").toStdString(),
                                MessageIcon::Exclamation);
    }
    // Without a new page the one shown stays, ready for the Fill button; a fill armed now
    // would fall on whatever page loads next.
    m_fillPending = opening;
    if (opening)
        emit opened(m_directory, m_fillUrl);
    m_submitted = false;
}

void CSubmissionSession::FillNow()
{
    if (m_browser.GetReadyState() != CBrowserCtrl::kReadyStateComplete) {
        m_presenter.ShowMessage(tr("Please allow the page to load completly").toStdString(),
                                ApplicationName(), MessageIcon::None);
        return;
    }
    if (CBrowserPage* page = m_browser.GetDocument())
        FillCurrentPage(*page, true);
}

void CSubmissionSession::Tick()
{
    if (m_fillPending && m_browser.GetReadyState() == CBrowserCtrl::kReadyStateComplete) {
        m_fillPending = false;
        if (CBrowserPage* page = m_browser.GetDocument())
            FillCurrentPage(*page, false);
    }
    if (m_submitted && IsSubmissionCheckDue(m_submitTime, m_clock()) &&
        m_browser.GetReadyState() == CBrowserCtrl::kReadyStateComplete) {
        m_submitted = false;
        if (CBrowserPage* page = m_browser.GetDocument())
            CheckSubmission(*page);
    }
}

void CSubmissionSession::OnPageReady(const QUrl& url)
{
    // Only the document the pick opened counts: not the page the browser is leaving, whose
    // notice may still be on its way, nor a page opened since (help, a link). A page that
    // redirects is left to the tick, which fills it once it has loaded.
    CBrowserPage* page = m_browser.GetDocument();
    if (!m_fillPending || page->DocumentGeneration() != m_fillDocument + 1 || url != m_fillUrl)
        return;
    m_fillPending = false;
    FillCurrentPage(*page, false);
}

bool CSubmissionSession::IsOpenedForCurrentProfile() const
{
    if (!m_profile.HasProfile() || m_profile.Record().name != m_openedFor)
        return false;
    const ProfileRecord& profile = m_profile.Record();
    if (m_database.QuietSubmitPage(m_directory, profile.cat, profile.subcat) != m_openedAddress)
        return false;
    return !m_filledWith || SameFields(*m_filledWith, ComposedFields());
}

std::vector<FormField> CSubmissionSession::DirectoryFields() const
{
    const ProfileRecord& profile = m_profile.Record();
    std::vector<FormField> fields;
    m_database.GetDirectoryItems(m_directory, profile.cat, profile.subcat, fields);
    return fields;
}

std::vector<FormField> CSubmissionSession::ComposedFields() const
{
    std::vector<FormField> fields = DirectoryFields();
    for (FormField& field : fields)
        field.value = ComposeFieldValue(field.value, m_profile.Record());
    return fields;
}

void CSubmissionSession::FillCurrentPage(CBrowserPage& page, bool byButton)
{
    std::vector<FieldRole> roles;
    for (const FormField& field : DirectoryFields())
        roles.push_back(RoleOfFieldValue(field.value));
    const std::vector<FormField>& fields = m_filledWith.emplace(ComposedFields());
    const int total = static_cast<int>(fields.size());
    const ProfileRecord& profile = m_profile.Record();
    m_categoryPicks->OnFill(m_directory, profile.cat, profile.subcat);
    CPageFiller(page).Fill(
        fields, this,
        [this, byButton, directory = m_directory, total, address = page.url()](
            const FillReport& report) { emit filled(directory, address, report, total, byButton); },
        roles,
        CategoryProfile{profile.cat, profile.subcat, profile.keywords, profile.title, profile.desc},
        // Asked only while the session, and so its picks, exist.
        [picks = m_categoryPicks](const std::string& list) { return picks->ChosenBefore(list); });
}

void CSubmissionSession::CheckSubmission(CBrowserPage& page)
{
    const std::string directory = m_directory;
    const std::string profile = m_submitProfile;
    const QUrl address = page.url();
    // The read counts as pending until its completion has run or has been dropped with the page.
    ++m_pendingPageReads;
    const std::shared_ptr<void> settled =
        OnRelease([session = QPointer<CSubmissionSession>(this), directory] {
            if (session)
                session->OnPageReadSettled(directory);
        });
    CPageHtmlReader(page).Read(
        this, [this, directory, profile, address, settled](const std::string& html) {
            JudgeResultPage(directory, profile, address, html, settled);
        });
}

void CSubmissionSession::JudgeResultPage(const std::string& directory, const std::string& profile,
                                         const QUrl& address, const std::string& html,
                                         const std::shared_ptr<void>& settled)
{
    // The page is read asynchronously: a directory opened on this page meanwhile is not the one
    // this result page answers for. The profile is the one whose values were submitted, even
    // when the user has chosen another since.
    if (directory != m_directory || profile.empty())
        return;
    if (m_database.IsUserDirectory(directory)) {
        const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(directory);
        if (record && !record->confirmation) {
            emit confirmationUnknown(directory, profile, html);
            return;
        }
    }
    const std::optional<std::string> confirmation = m_database.GetDirectoryOnSubmit(directory);
    // Without a confirmation text there was nothing to look for: not a refusal.
    if (!confirmation)
        return;
    // A page that stayed where it was held the text, as often as not, before the submission
    // (a testimonial, a hidden template): there only text shown since counts, which the
    // page's scripts judge. A result page that loaded is the directory's answer.
    const bool stayed = m_browser.GetDocument()->DocumentGeneration() == m_submitDocument;
    if (!stayed && IsSubmissionConfirmed(html, confirmation)) {
        ReportResult(directory, profile, address, true);
        return;
    }
    // The confirmation may stand in a frame, or, on a page that stayed where it was, appear
    // only when the page has its answer.
    const int watchMs = stayed ? kConfirmationWatchMs : 0;
    const QJsonDocument text(QJsonArray{QString::fromStdString(*confirmation)});
    const auto call = [text, watchMs, stayed](int question) {
        return QStringLiteral("lookForText(%1, %2[0], %3, %4)")
            .arg(QString::number(question), JsonLiteral(text), QString::number(watchMs),
                 stayed ? QStringLiteral("true") : QStringLiteral("false"));
    };
    AskPageScript(
        *m_browser.GetDocument(), call, watchMs + kConfirmationLookMs, this,
        [this, directory, profile, address, settled](const std::optional<QJsonDocument>& answer) {
            // Holding `settled` keeps the read pending until the answer.
            const bool found = answer && answer->array().at(0).toBool();
            if (directory == m_directory)
                ReportResult(directory, profile, address, found);
        });
}

void CSubmissionSession::ReportResult(const std::string& directory, const std::string& profile,
                                      const QUrl& address, bool isConfirmed)
{
    emit confirmationRead(directory, address, isConfirmed);
    if (isConfirmed)
        emit confirmed(profile, directory);
}

void CSubmissionSession::OnPageReadSettled(const std::string& directory)
{
    if (--m_pendingPageReads == 0 && m_pageReadWait)
        m_pageReadWait->quit();
    emit resultSettled(directory);
}

void CSubmissionSession::WaitForPageReads(QDeadlineTimer deadline)
{
    if (m_pendingPageReads == 0 || m_pageReadWait || deadline.hasExpired())
        return;
    QEventLoop loop;
    m_pageReadWait = &loop;
    QTimer::singleShot(deadline.remainingTime(), &loop, &QEventLoop::quit);
    // The user's clicks and keys wait too: the window is on its way out.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_pageReadWait = nullptr;
}

void CSubmissionSession::OnFormSubmit()
{
    // One submission is reported twice, by the form's submit event and by the navigation it
    // starts; the history keeps one event per result page awaited.
    const bool firstNotice = !m_submitted;
    m_submitted = true;
    m_submitTime = m_clock();
    if (firstNotice) {
        m_submitProfile = m_profile.HasProfile() ? m_profile.Record().name : std::string();
        m_categoryPicks->OnSubmitted();
        emit submitted(m_directory, m_browser.url());
    }
    m_submitDocument = UINT64_MAX;
}

void CSubmissionSession::OnFormSentInBackground()
{
    OnFormSubmit();
    m_submitDocument = m_browser.GetDocument()->DocumentGeneration();
}

void CSubmissionSession::OnSubmitCancelled()
{
    if (m_backgroundSend.OnCancelledSubmit(m_clock()))
        OnFormSentInBackground();
}

void CSubmissionSession::OnPageRequest(const PageRequest& request)
{
    if (m_backgroundSend.OnRequest(request, m_browser.GetDocument()->FilledSite(), m_clock()))
        OnFormSentInBackground();
}

CSubmissionSession::State CSubmissionSession::Snapshot() const
{
    return {m_directory, m_fillPending, m_submitted, m_submitTime, m_submitProfile};
}

void CSubmissionSession::Restore(const State& state)
{
    m_directory = state.directory;
    m_fillPending = state.fillPending;
    m_submitted = state.submitted;
    m_submitTime = state.submitTime;
    m_submitProfile = state.submitProfile;
}
