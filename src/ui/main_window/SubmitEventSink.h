#pragma once

#include <QObject>

// The object the page's scripts call when the filled form is submitted. It lives on the
// browser's channel in Kestrine's isolated script world, out of the page's own reach, and
// only passes the notice on: it never cancels the submission.
class CSubmitEventSink final : public QObject
{
    Q_OBJECT

public:
    explicit CSubmitEventSink(QObject* parent = nullptr);

public slots:
    // Called from the page; takes no arguments, so a page can pass nothing in.
    void invoke();

signals:
    void formSubmitted();
};
