#pragma once

#include "page_filling/SubmissionWatch.h"

#include <QList>
#include <QUrl>
#include <QWebEnginePage>
#include <cstdint>

class CPageEvents;
class QWebEngineNewWindowRequest;

// The browser's page: what a web page may ask of the program (dialogs, new windows) and the
// one navigation the filled form's scripts cannot report, a submission by form.submit().
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
    // The document shown collects a form's data to submit it.
    void NoteFormDataCollected(bool holdsFilledField);
    // A submit event of the document shown went through: true when it is the filled form's.
    bool CountsSubmitEvent(bool holdsFilledField) const;
    // A page in a tab the user does not see keeps its dialogs and new windows until the tab is
    // shown: nobody can answer a question without seeing the page that asks it.
    void SetInBackground(bool inBackground);
    // A dialog of the page waits for its tab to be shown.
    bool IsHoldingDialog() const { return m_holdingDialog; }

signals:
    void armedFormSubmitted();
    // The page or one of its frames sent a request of its own (see CPageRequestSpy).
    void requestSent();
    void broughtToFront();
    // Back, Forward or Reload: a page the user went to, never one the program opened.
    void historyNavigationStarted();

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;

private:
    void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
    static void OpenInDefaultBrowser(const QUrl& url);
    // False when the program is ending before the page's tab was shown.
    bool WaitUntilInFront();
    bool AskUser(const QUrl& securityOrigin, const QString& msg, bool withCancel);

    QWidget* m_dialogParent;
    CPageEvents* m_events;
    uint64_t m_documentGeneration = 0;
    CSubmissionWatch m_submissionWatch;
    bool m_inBackground = false;
    bool m_holdingDialog = false;
    QList<QUrl> m_heldWindows; // asked for while in the background
};
