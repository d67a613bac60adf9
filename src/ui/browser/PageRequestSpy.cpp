#include "ui/browser/PageRequestSpy.h"

CPageRequestSpy::CPageRequestSpy(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void CPageRequestSpy::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    // Images, scripts and styles a page loads as it changes are no sending of anything.
    const QByteArray method = info.requestMethod();
    const bool reads = method == "GET" || method == "HEAD" || method == "OPTIONS";
    const auto type = info.resourceType();
    const bool beacon = type == QWebEngineUrlRequestInfo::ResourceTypePing;
    if (reads && type != QWebEngineUrlRequestInfo::ResourceTypeXhr && !beacon)
        return;
    // The initiator is the origin of the document that sent the request, whichever frame.
    const QUrl address = info.requestUrl().adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    emit requestSent({info.initiator().toString(QUrl::RemovePath).toStdString(),
                      method.toStdString(), address.toString().toStdString(), beacon});
}
