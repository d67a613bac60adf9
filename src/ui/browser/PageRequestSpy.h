#pragma once

#include "page_filling/BackgroundSendWatch.h"

#include <QWebEngineUrlRequestInterceptor>

// Hears the requests a page and its frames send on their own, as a page's scripts send a form
// in the background: fetch, XMLHttpRequest, beacons, and any request that is not a plain read.
// It changes nothing in them.
class CPageRequestSpy final : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    explicit CPageRequestSpy(QObject* parent);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

signals:
    void requestSent(const PageRequest& request);
};
