#pragma once

#include <QObject>
#include <QUrl>
#include <optional>
#include <string>

class CBrowserCtrl;

// Follows the pages a confirmation mail's link opens in one browser, while they stay on the
// link's site, and says once when one of them shows the confirmation went through: the
// directory's confirmation text, or words that say it is confirmed. It ends with the browser,
// on that page, or when the browser leaves the site.
class CConfirmationPageWatch final : public QObject
{
    Q_OBJECT

public:
    CConfirmationPageWatch(CBrowserCtrl& browser, const std::string& link,
                           std::optional<std::string> confirmation);

signals:
    void confirmed(const QUrl& page);

private:
    void OnLoaded(bool ok);

    CBrowserCtrl& m_browser;
    std::string m_siteHost;
    std::optional<std::string> m_confirmation;
    bool m_arrived = false; // a page of the site has been shown
};
