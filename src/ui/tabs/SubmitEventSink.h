#pragma once

#include <QObject>

class CBrowserPage;

// The object the page's scripts call when the filled form is submitted. It lives on the
// browser's channel in Kestrine's isolated script world, out of the page's own reach, and
// only passes the notice on: it never cancels the submission.
class CSubmitEventSink final : public QObject
{
    Q_OBJECT

public:
    CSubmitEventSink(const CBrowserPage& page, QObject* parent);

public slots:
    // Called from the page when a submit event went through, telling whether the submitted
    // form holds a field the fill set.
    void invoke(bool holdsFilledField);
    // Called from the page when the page cancelled a submit event: its validation refused the
    // submission, or its scripts send the form themselves.
    void cancelled(bool holdsFilledField);

signals:
    void formSubmitted();
    void formSubmitCancelled();

private:
    const CBrowserPage& m_page;
};
