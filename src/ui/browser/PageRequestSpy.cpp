#include "ui/browser/PageRequestSpy.h"

CPageRequestSpy::CPageRequestSpy(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void CPageRequestSpy::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    // Images, scripts and styles a page loads as it changes are no sending of anything.
    const QByteArray method = info.requestMethod();
    const bool reads = method == "GET" || method == "HEAD" || method == "OPTIONS";
    const auto type = info.resourceType();
    if (!reads || type == QWebEngineUrlRequestInfo::ResourceTypeXhr ||
        type == QWebEngineUrlRequestInfo::ResourceTypePing)
        emit requestSent();
}
