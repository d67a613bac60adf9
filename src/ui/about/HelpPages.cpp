#include "ui/about/HelpPages.h"

#include "common/ExecutablePath.h"
#include "ui/about/ResourceScheme.h"
#include "ui/about/ResourceSchemeHandler.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageScriptCall.h"

#include <QJsonObject>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

namespace {

const char* OwnPageName(CHelpPages::Page page)
{
    switch (page) {
    case CHelpPages::Page::Guide:
        return "guide.html";
    case CHelpPages::Page::Support:
        return "support.html";
    case CHelpPages::Page::Start:
        break;
    }
    return "start.html";
}

QString Quoted(const std::string& text)
{
    return QStringLiteral("“%1”").arg(QString::fromStdString(text));
}

// The start page's state lines, by the id of the element that shows each.
QJsonObject StateTexts(const StartPageState& state)
{
    QJsonObject texts;
    if (state.profiles == 0)
        texts[QStringLiteral("state-profiles")] = CHelpPages::tr("You have no profile yet.");
    else
        texts[QStringLiteral("state-profiles")] =
            (state.profiles == 1
                 ? CHelpPages::tr("You have %n profile; the current one is %1.", nullptr, 1)
                 : CHelpPages::tr("You have %n profiles; the current one is %1.", nullptr,
                                  static_cast<int>(state.profiles)))
                .arg(state.currentProfile ? Quoted(*state.currentProfile) : CHelpPages::tr("none"));
    if (!state.directories)
        texts[QStringLiteral("state-directories")] =
            CHelpPages::tr("The directory list is being read.");
    else if (*state.directories == 0)
        texts[QStringLiteral("state-directories")] =
            CHelpPages::tr("The directory list is empty: add directories as below.");
    else
        texts[QStringLiteral("state-directories")] =
            *state.directories == 1 ? CHelpPages::tr("%n directory in the list.", nullptr, 1)
                                    : CHelpPages::tr("%n directories in the list.", nullptr,
                                                     static_cast<int>(*state.directories));
    texts[QStringLiteral("state-sent")] =
        state.currentProfile && state.directories
            ? CHelpPages::tr("%n of them sent for %1.", nullptr, static_cast<int>(state.sent))
                  .arg(Quoted(*state.currentProfile))
            : QString();
    return texts;
}

} // namespace

CHelpPages::CHelpPages(ShownBrowser browser, std::string vendorHost,
                       std::function<StartPageState()> state, QObject* parent)
    : QObject(parent), m_shownBrowser(std::move(browser)), m_vendorHost(std::move(vendorHost)),
      m_state(std::move(state))
{
    // Every tab's page shares the one profile.
    CResourceSchemeHandler::InstallOn(m_shownBrowser().page()->profile());
}

QUrl CHelpPages::VendorAddress(Page page) const
{
    const char* path = page == Page::Guide     ? "/faqs/help.shtml"
                       : page == Page::Support ? "/contact/"
                                               : "/updates/";
    return QUrl(QString::fromStdString("http://" + m_vendorHost + path));
}

QUrl CHelpPages::OwnAddress(Page page)
{
    return ResourcePageAddress(ExecutableFilePath(), OwnPageName(page));
}

void CHelpPages::Show(Page page)
{
    if (m_browser)
        disconnect(m_browser->page(), nullptr, this, nullptr);
    m_browser = &m_shownBrowser();
    connect(m_browser->page(), &QWebEnginePage::loadingChanged, this,
            &CHelpPages::OnLoadingChanged);
    m_pending = page;
    m_pendingAddress = VendorAddress(page);
    // The failure is answered with the program's own page; the engine's would only flash.
    SetErrorPageShown(false);
    m_browser->Navigate(m_pendingAddress.toString());
}

void CHelpPages::OnLoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        return;
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus && ShowsOwnStartPage())
        ShowState();
    if (!m_pending)
        return;
    // Only the vendor's page falls back: a load the user started meanwhile, and stopped, is
    // left alone.
    const Page page = *m_pending;
    const bool vendorFailed = info.status() == QWebEngineLoadingInfo::LoadFailedStatus &&
                              info.url().host() == m_pendingAddress.host() &&
                              info.url().port() == m_pendingAddress.port();
    m_pending.reset();
    SetErrorPageShown(true);
    if (vendorFailed)
        m_browser->Navigate(OwnAddress(page).toString(QUrl::FullyEncoded));
}

void CHelpPages::SetErrorPageShown(bool shown)
{
    m_browser->page()->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, shown);
}

bool CHelpPages::ShowsOwnStartPage() const
{
    if (!m_browser)
        return false;
    const QUrl shown = m_browser->url();
    return shown.scheme() == QLatin1String(kResourceScheme) &&
           shown.fileName() == QLatin1String(OwnPageName(Page::Start));
}

void CHelpPages::ShowState()
{
    if (!ShowsOwnStartPage() || !m_state)
        return;
    const QString script =
        QStringLiteral("(function (texts) { for (const id in texts) { const element = "
                       "document.getElementById(id); if (element) element.textContent = "
                       "texts[id]; } })(%1)")
            .arg(JsonLiteral(QJsonDocument(StateTexts(m_state()))));
    m_browser->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}
