#include "ui/browser/PageEvents.h"

#include "ui/browser/FillReportJson.h"

CPageEvents::CPageEvents(QObject* parent) : QObject(parent) {}

void CPageEvents::documentReady(const QString& url)
{
    emit pageReady(QUrl(url));
}

void CPageEvents::fillUpdated(const QString& report)
{
    // The text comes from a page: anything that is not a report is dropped.
    if (const std::optional<FillReport> parsed = FillReportFromJson(report))
        emit fillReported(*parsed);
}

void CPageEvents::formDataCollected(bool holdsFilledField)
{
    emit formSubmitting(holdsFilledField);
}

void CPageEvents::answered(int question, const QString& answer)
{
    emit answerArrived(question, answer);
}
