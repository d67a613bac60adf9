#include "ui/about/ResourceScheme.h"

#include <QWebEngineUrlScheme>

void RegisterResourceScheme()
{
    // The resources live in a static library; naming them here keeps the linker from
    // dropping them from the program.
    Q_INIT_RESOURCE(kestrine);

    QWebEngineUrlScheme scheme(kResourceScheme);
    // Addresses carry the program's path ("res:///usr/bin/kestrine/home_link.html"), not a host.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local: web pages shown in the main browser cannot load or link to our resources.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl ResourcePageAddress(std::string modulePath, const char* page)
{
    if (modulePath.starts_with('"')) {
        modulePath.erase(0, 1);
        // Only a closing quote goes too; a path without one keeps its last character.
        if (modulePath.ends_with('"'))
            modulePath.pop_back();
    }
    // Encoded byte for byte: a Linux path need not be valid UTF-8.
    const QByteArray path = QByteArray::fromStdString(modulePath).toPercentEncoding("/");
    return QUrl::fromEncoded("res://" + path + '/' + page, QUrl::StrictMode);
}
