#pragma once

#include "ui/about/StartPageState.h"
#include "ui/browser/ShownBrowser.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <string>

class CBrowserCtrl;
class QWebEngineLoadingInfo;

// The start page and the Help menu's pages in the browser shown. The vendor's page comes first;
// when it cannot be loaded (no network, the connection refused, an HTTP error) the program's
// own page from its resources takes its place instead of the engine's error page, so that
// something useful shows on a machine without the vendor's site.
class CHelpPages final : public QObject
{
    Q_OBJECT

public:
    enum class Page
    {
        Start,
        Guide,
        Support,
    };

    // `state` tells what the start page shows of the user's work; `vendorHost` is host[:port].
    CHelpPages(ShownBrowser browser, std::string vendorHost, std::function<StartPageState()> state,
               QObject* parent = nullptr);

    void Show(Page page);
    // Updates what the start page shows, when it is the page shown.
    void ShowState();

    QUrl VendorAddress(Page page) const;
    // The program's own page in the place of `page`.
    static QUrl OwnAddress(Page page);

private:
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    void SetErrorPageShown(bool shown);
    bool ShowsOwnStartPage() const;

    ShownBrowser m_shownBrowser;
    QPointer<CBrowserCtrl> m_browser; // where the last page asked for was shown
    std::string m_vendorHost;
    std::function<StartPageState()> m_state;
    // The vendor's page being loaded, whose failure brings the program's own.
    std::optional<Page> m_pending;
    QUrl m_pendingAddress;
};
