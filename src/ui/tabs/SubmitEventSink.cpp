#include "ui/tabs/SubmitEventSink.h"

#include "ui/browser/BrowserPage.h"

CSubmitEventSink::CSubmitEventSink(const CBrowserPage& page, QObject* parent)
    : QObject(parent), m_page(page)
{}

void CSubmitEventSink::invoke(bool holdsFilledField)
{
    // The scripts decide only once the page's own handlers have run, so a submission that
    // navigates has usually left its document by then, and the browser page has reported it
    // on its own; a notice from a document already left would report it twice, late.
    if (m_page.CountsSubmitEvent(holdsFilledField))
        emit formSubmitted();
}

void CSubmitEventSink::cancelled(bool holdsFilledField)
{
    if (m_page.CountsSubmitEvent(holdsFilledField))
        emit formSubmitCancelled();
}
