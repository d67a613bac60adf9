#include "ui/browser/PageHtmlReader.h"

#include <QPointer>
#include <QWebEnginePage>

CPageHtmlReader::CPageHtmlReader(QWebEnginePage& page) : m_page(page) {}

void CPageHtmlReader::Read(QObject* context, Completion done) const
{
    QPointer<QObject> guard = context;
    m_page.toHtml([guard, done = std::move(done)](const QString& html) {
        // Every document has at least its html element; nothing at all comes only from a page
        // (or window) being torn down, which must not be called back into.
        if (guard && !html.isEmpty())
            done(html.toStdString());
    });
}
