#include "ui/mail/ConfirmationPageWatch.h"

#include "mail/ConfirmedPage.h"
#include "mail/SiteAddress.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageHtmlReader.h"

CConfirmationPageWatch::CConfirmationPageWatch(CBrowserCtrl& browser, const std::string& link,
                                               std::optional<std::string> confirmation)
    : QObject(&browser), m_browser(browser), m_siteHost(WebHostOf(link).value_or(std::string())),
      m_confirmation(std::move(confirmation))
{
    connect(&browser, &QWebEngineView::loadFinished, this, &CConfirmationPageWatch::OnLoaded);
}

void CConfirmationPageWatch::OnLoaded(bool ok)
{
    const QUrl page = m_browser.url();
    const std::optional<std::string> host = WebHostOf(page.toString().toStdString());
    if (!host || m_siteHost.empty() || !IsSameSite(*host, m_siteHost)) {
        // The page shown before the link's may still finish loading; once the site was
        // reached, the user went on elsewhere, and what that says is not this directory's word.
        if (ok && m_arrived)
            deleteLater();
        return;
    }
    m_arrived = true;
    if (!ok)
        return;
    CPageHtmlReader(*m_browser.GetDocument()).Read(this, [this, page](const std::string& html) {
        if (m_browser.url() != page || !ShowsConfirmation(html, m_confirmation))
            return;
        emit confirmed(page);
        deleteLater();
    });
}
