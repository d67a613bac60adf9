#pragma once

#include "page_filling/BackgroundSendWatch.h"
#include "page_filling/SubmissionWatch.h"

#include <QList>
#include <QUrl>
#include <QWebEnginePage>
#include <cstdint>

class CPageEvents;
class QWebEngineNewWindowRequest;

// The browser's page: what a web page may ask of the program (dialogs, new windows), the one
// navigation the filled form's scripts cannot report, a submission by form.submit(), and which
// documents the program or the user asked for.
class CBrowserPage final : public QWebEnginePage
{
    Q_OBJECT

public:
    // `dialogParent` owns the page's alert, confirm and prompt boxes.
    explicit CBrowserPage(QWidget* dialogParent);

    // What the page's scripts report unasked, and their answers to questions that take time.
    CPageEvents* Events() const { return m_events; }
    // Counts the main frame's documents: it moves on with every navigation the page accepts,
    // so work started on one document can tell that the page has moved on since.
    uint64_t DocumentGeneration() const { return m_documentGeneration; }
    // The fill of document `generation` set fields: the submission of a form holding one of
    // them that leaves that document counts even when no submit event fired.
    void ArmSubmissionFallback(uint64_t generation);
    // The fill of document `generation` put its values into a document of site `origin` (the
    // page's own, or a frame's).
    void NoteFilledSite(uint64_t generation, const QString& origin);
    // That site while document `generation` is shown; empty before a fill.
    std::string FilledSite() const;
    // The document shown collects a form's data to submit it.
    void NoteFormDataCollected(bool holdsFilledField);
    // A submit event of the document shown went through: true when it is the filled form's.
    bool CountsSubmitEvent(bool holdsFilledField) const;
    // The program opens `address`, or a page of its own made of `html`.
    void Open(const QUrl& address);
    void OpenHtml(const QString& html);
    // A page in a tab the user does not see keeps the windows it opens until the tab is shown.
    // Nobody can answer a question without seeing the page that asks it, and the engine must
    // not wait for an answer meanwhile: a question asked in the background is answered at once,
    // as if cancelled, and the page is to ask it again once it is shown.
    void SetInBackground(bool inBackground);
    // The page asked a question in the background that the user has not seen.
    bool HasUnansweredQuestion() const { return m_unansweredQuestion; }
    // Forgets that question: its tab has been shown, and the page opened again to ask it.
    void ForgetUnansweredQuestion() { m_unansweredQuestion = false; }
    // The document shown is the answer to a form: opening it again would send the form again.
    bool ShowsFormResult() const { return m_showsFormResult; }

signals:
    void armedFormSubmitted();
    // The page or one of its frames sent a request of its own (see CPageRequestSpy).
    void requestSent(const PageRequest& request);
    // The program or the user asked for another document: an address opened, Back, Forward or
    // Reload. The page's own ways of moving on (links, forms, redirects) are not among them.
    void documentRequested();
    // A question was asked in the background and answered for the user.
    void questionUnanswered();

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;

private:
    void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
    static void OpenInDefaultBrowser(const QUrl& url);
    // In the background: notes that the page asked, and says so; the caller answers "cancel".
    bool AnsweredUnseen();
    bool AskUser(const QUrl& securityOrigin, const QString& msg, bool withCancel);

    QWidget* m_dialogParent;
    CPageEvents* m_events;
    uint64_t m_documentGeneration = 0;
    CSubmissionWatch m_submissionWatch;
    uint64_t m_filledGeneration = UINT64_MAX;
    std::string m_filledSite;
    bool m_inBackground = false;
    bool m_unansweredQuestion = false;
    bool m_showsFormResult = false;
    QList<QUrl> m_heldWindows; // asked for while in the background
};
