#include "ui/tabs/BrowserTab.h"

#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageEvents.h"
#include "ui/tabs/SubmissionSession.h"

#include <QVBoxLayout>
#include <utility>

namespace {

// A prefix in the tab's title says how far its directory has come, in any font and to screen
// readers alike.
QString StatePrefix(TabState state)
{
    switch (state) {
    case TabState::Page:
        return {};
    case TabState::Loading:
        return QStringLiteral("\u2026 ");
    case TabState::Filled:
        return QStringLiteral("\u270e ");
    case TabState::Submitted:
        return QStringLiteral("\u2192 ");
    case TabState::Sent:
        return QStringLiteral("\u2714 ");
    case TabState::NotConfirmed:
        return QStringLiteral("\u2718 ");
    }
    return {};
}

QString StateWords(TabState state)
{
    switch (state) {
    case TabState::Page:
        return {};
    case TabState::Loading:
        return CBrowserTab::tr("Loading");
    case TabState::Filled:
        return CBrowserTab::tr("Filled");
    case TabState::Submitted:
        return CBrowserTab::tr("Submitted, waiting for the result page");
    case TabState::Sent:
        return CBrowserTab::tr("Sent");
    case TabState::NotConfirmed:
        return CBrowserTab::tr("Not confirmed by the result page");
    }
    return {};
}

void RunAll(std::vector<std::function<void()>>& pending)
{
    for (const std::function<void()>& run : std::exchange(pending, {}))
        run();
}

} // namespace

CBrowserTab::CBrowserTab(const SessionContext& context, QWidget* parent)
    : QWidget(parent), m_browser(new CBrowserCtrl(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    // The object names let tests and accessibility tools find them.
    m_browser->setObjectName(QStringLiteral("browser"));
    m_session = new CSubmissionSession(*m_browser, context.database, context.profile, context.clock,
                                       context.presenter, this, context.categoryChoices);
    m_session->setObjectName(QStringLiteral("submissionSession"));

    connect(m_session, &CSubmissionSession::opened, this, [this] { SetState(TabState::Loading); });
    connect(
        m_session, &CSubmissionSession::filled, this,
        [this](const std::string&, const QUrl&, const FillReport& report) { OnFilled(report); });
    connect(m_session, &CSubmissionSession::submitted, this,
            [this] { SetState(TabState::Submitted); });
    connect(m_session, &CSubmissionSession::confirmed, this, [this] { SetState(TabState::Sent); });
    // Read without a confirmation: none was found, or the directory has none to look for.
    connect(m_session, &CSubmissionSession::resultSettled, this, [this] {
        if (m_state == TabState::Submitted && !m_session->HasPendingResult())
            SetState(TabState::NotConfirmed);
        else
            emit stateChanged(); // one result fewer to wait for
    });
    // Fields that came late were filled by the page's own script; the report is the page's.
    connect(m_browser->PageEvents(), &CPageEvents::fillReported, this, &CBrowserTab::OnFilled);
    // The report belongs to the document it was made on.
    connect(m_browser->page(), &QWebEnginePage::loadStarted, this, [this] {
        if (m_fillReport) {
            m_fillReport.reset();
            emit fillReportChanged();
        }
    });
    connect(m_browser, &QWebEngineView::titleChanged, this, &CBrowserTab::stateChanged);
    connect(m_browser->GetDocument(), &CBrowserPage::questionUnanswered, this,
            &CBrowserTab::stateChanged);
}

const std::string& CBrowserTab::Directory() const
{
    return m_session->Directory();
}

bool CBrowserTab::IsFinished() const
{
    return m_state == TabState::Sent || m_state == TabState::NotConfirmed;
}

bool CBrowserTab::HasPendingResult() const
{
    return m_session->HasPendingResult();
}

bool CBrowserTab::HasUnansweredQuestion() const
{
    return m_browser->GetDocument()->HasUnansweredQuestion();
}

void CBrowserTab::OpenDirectory(const std::string& directory)
{
    m_note.clear();
    m_session->OpenDirectory(directory);
}

void CBrowserTab::KeepReady(const std::string& directory)
{
    m_keptReady = true;
    m_heldReports.clear();
    OpenDirectory(directory);
}

void CBrowserTab::SetInFront(bool inFront)
{
    m_inFront = inFront;
    m_browser->GetDocument()->SetInBackground(!inFront);
    if (!inFront)
        return;
    OnShown();
    RunAll(m_heldQuestions);
}

void CBrowserTab::OnShown()
{
    const bool keptReady = std::exchange(m_keptReady, false);
    CBrowserPage* page = m_browser->GetDocument();
    const bool asked = page->HasUnansweredQuestion();
    page->ForgetUnansweredQuestion();
    // Its form is never shown, nor sent, with values or by rules other than the current ones.
    if (keptReady && !m_session->IsOpenedForCurrentProfile())
        return Reopen(tr("Opened again: it had been filled for another profile, or by rules "
                         "that changed since."));
    const bool directoryForm = m_state == TabState::Loading || m_state == TabState::Filled;
    if (asked && directoryForm)
        return Reopen({});
    // Opened again, a form's answer would send the form a second time.
    if (asked && !page->ShowsFormResult())
        page->triggerAction(QWebEnginePage::Reload);
    RunAll(m_heldReports);
}

void CBrowserTab::Reopen(const QString& note)
{
    m_heldReports.clear();
    OpenDirectory(Directory());
    m_note = note;
    emit stateChanged();
}

void CBrowserTab::WhenShown(std::function<void()> report)
{
    if (m_keptReady)
        m_heldReports.push_back(std::move(report));
    else
        report();
}

void CBrowserTab::WhenInFront(std::function<void()> question)
{
    if (m_inFront)
        question();
    else
        m_heldQuestions.push_back(std::move(question));
}

void CBrowserTab::MarkSent(const std::string& directory)
{
    if (directory == Directory() && m_state != TabState::Page)
        SetState(TabState::Sent);
}

QString CBrowserTab::Title() const
{
    const QString asking = HasUnansweredQuestion() ? QStringLiteral("? ") : QString();
    if (m_state == TabState::Page || Directory().empty())
        return asking + m_browser->title();
    return (asking.isEmpty() ? StatePrefix(m_state) : asking) + QString::fromStdString(Directory());
}

QString CBrowserTab::AccessibleName() const
{
    if (m_state == TabState::Page || Directory().empty())
        return m_browser->accessibleName();
    return QString::fromStdString(Directory()) + QStringLiteral(": ") + StateWords(m_state);
}

QString CBrowserTab::ToolTip() const
{
    QStringList lines;
    if (m_state == TabState::Page || Directory().empty()) {
        lines.append(m_browser->url().toString());
    } else {
        lines.append(AccessibleName());
        if (m_fillReport)
            lines.append(QString::fromStdString(DescribeFill(*m_fillReport).text));
    }
    if (HasUnansweredQuestion())
        lines.append(tr("Its page waits for an answer: it asks again when you come to this tab."));
    if (!m_note.isEmpty())
        lines.append(m_note);
    return lines.join(QLatin1Char('\n'));
}

void CBrowserTab::SetState(TabState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void CBrowserTab::OnFilled(const FillReport& report)
{
    m_fillReport = report;
    emit fillReportChanged();
    if (m_state == TabState::Loading || m_state == TabState::Page)
        SetState(Directory().empty() ? TabState::Page : TabState::Filled);
    else
        emit stateChanged(); // the tooltip's report
}
