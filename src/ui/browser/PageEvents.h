#pragma once

#include "page_filling/FillReport.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUrl>

Q_DECLARE_METATYPE(FillReport)

// What the page's scripts tell the program unasked: that the document is ready to be filled,
// and that fields added late by the page were filled. Lives on the browser's channel, in
// Kestrine's isolated world only.
class CPageEvents final : public QObject
{
    Q_OBJECT

public:
    explicit CPageEvents(QObject* parent = nullptr);

public slots:
    // Called from the page, with the document's address, once the document is ready and the
    // channel is up.
    void documentReady(const QString& url);
    // Called from the page with the fill report (JSON) after late fields were filled.
    void fillUpdated(const QString& report);
    // Called from the page as a form's data is collected for a submission, before it leaves,
    // telling whether the form holds a field the fill set.
    void formDataCollected(bool holdsFilledField);
    // Called from the page with the JSON answer to a question that takes time (one that asks
    // the page's frames, or waits for the page to change), by the question's number.
    void answered(int question, const QString& answer);

signals:
    void pageReady(const QUrl& url);
    void fillReported(const FillReport& report);
    void formSubmitting(bool holdsFilledField);
    void answerArrived(int question, const QString& answer);
};
