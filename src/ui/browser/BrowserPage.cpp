#include "ui/browser/BrowserPage.h"

#include "ui/browser/PageEvents.h"
#include "ui/browser/PageRequestSpy.h"
#include "ui/browser/PlainTextInput.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QWebEngineNewWindowRequest>
#include <utility>

namespace {

QString DialogCaption(const QUrl& securityOrigin)
{
    return securityOrigin.host().isEmpty() ? securityOrigin.toString() : securityOrigin.host();
}

} // namespace

CBrowserPage::CBrowserPage(QWidget* dialogParent)
    : QWebEnginePage(dialogParent), m_dialogParent(dialogParent), m_events(new CPageEvents(this))
{
    connect(this, &QWebEnginePage::newWindowRequested, this, &CBrowserPage::OnNewWindowRequested);
    auto* requests = new CPageRequestSpy(this);
    setUrlRequestInterceptor(requests);
    connect(requests, &CPageRequestSpy::requestSent, this, &CBrowserPage::requestSent);
}

void CBrowserPage::ArmSubmissionFallback(uint64_t generation)
{
    if (generation == m_documentGeneration)
        m_submissionWatch.Arm(generation);
}

void CBrowserPage::NoteFilledSite(uint64_t generation, const QString& origin)
{
    if (generation != m_documentGeneration || origin.isEmpty())
        return;
    m_filledGeneration = generation;
    m_filledSite = origin.toStdString();
}

std::string CBrowserPage::FilledSite() const
{
    return m_filledGeneration == m_documentGeneration ? m_filledSite : std::string();
}

void CBrowserPage::NoteFormDataCollected(bool holdsFilledField)
{
    m_submissionWatch.OnFormDataCollected(m_documentGeneration, holdsFilledField);
}

bool CBrowserPage::CountsSubmitEvent(bool holdsFilledField) const
{
    return m_submissionWatch.CountsSubmitEvent(m_documentGeneration, holdsFilledField);
}

void CBrowserPage::Open(const QUrl& address)
{
    emit documentRequested();
    load(address);
}

void CBrowserPage::OpenHtml(const QString& html)
{
    emit documentRequested();
    setHtml(html);
}

bool CBrowserPage::acceptNavigationRequest(const QUrl&, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame)
        return true;
    // form.submit() fires no submit event, but its navigation still passes here, before the
    // result page starts loading, and after the page's scripts reported whose data it carries.
    const bool filledFormLeft = m_submissionWatch.CountsNavigation(
        m_documentGeneration, type == NavigationTypeFormSubmitted);
    ++m_documentGeneration;
    m_unansweredQuestion = false; // the document that asked is gone
    if (filledFormLeft)
        emit armedFormSubmitted();
    // A redirect keeps the form's answer: a 307 sends the form on.
    if (type != NavigationTypeRedirect)
        m_showsFormResult = type == NavigationTypeFormSubmitted;
    // The program's own loads said so when they began.
    if (type == NavigationTypeBackForward || type == NavigationTypeReload)
        emit documentRequested();
    return true;
}

// Pages that want a window of their own (target=_blank, window.open) open in the user's web
// browser: the program's tabs are for directories. Only web addresses leave the program;
// a page must not make the desktop run file: or other handlers.
void CBrowserPage::OnNewWindowRequested(QWebEngineNewWindowRequest& request)
{
    if (m_inBackground)
        m_heldWindows.append(request.requestedUrl());
    else
        OpenInDefaultBrowser(request.requestedUrl());
}

void CBrowserPage::OpenInDefaultBrowser(const QUrl& url)
{
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        QDesktopServices::openUrl(url);
}

void CBrowserPage::SetInBackground(bool inBackground)
{
    m_inBackground = inBackground;
    if (inBackground)
        return;
    for (const QUrl& url : std::exchange(m_heldWindows, {}))
        OpenInDefaultBrowser(url);
}

bool CBrowserPage::AnsweredUnseen()
{
    if (!m_inBackground)
        return false;
    // Holding the question would need a nested event loop, in which the engine answers no
    // other page's script and a dialog the user closes meanwhile cannot return.
    m_unansweredQuestion = true;
    emit questionUnanswered();
    return true;
}

bool CBrowserPage::AskUser(const QUrl& securityOrigin, const QString& msg, bool withCancel)
{
    const auto buttons = withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, DialogCaption(securityOrigin),
                                                msg, buttons, m_dialogParent);
    // The page chooses the text; it must not be read as markup.
    box->setTextFormat(Qt::PlainText);
    const bool accepted = box->exec() == QMessageBox::Ok;
    delete box; // null when the window went away while the box was open
    return accepted;
}

void CBrowserPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    if (!AnsweredUnseen())
        AskUser(securityOrigin, msg, false);
}

bool CBrowserPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    return !AnsweredUnseen() && AskUser(securityOrigin, msg, true);
}

bool CBrowserPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                    const QString& defaultValue, QString* result)
{
    if (AnsweredUnseen())
        return false;
    const std::optional<QString> answer =
        AskForPlainText(m_dialogParent, DialogCaption(securityOrigin), msg, defaultValue);
    if (answer)
        *result = *answer;
    return answer.has_value();
}
