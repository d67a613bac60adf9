#pragma once

#include <QProcessEnvironment>
#include <QString>

// For a test that starts the real program: its browser engine sends every request, to
// 127.0.0.1 too, to a proxy that refuses it, so the vendor's site cannot be reached wherever it
// is and nothing leaves the machine. (The engine splits its flags at blanks, so none may hold
// one: a host-resolver rule cannot be given this way.)
inline void KeepEngineOffline(QProcessEnvironment& environment)
{
    environment.insert(
        QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
        QStringLiteral("--proxy-server=127.0.0.1:1 --proxy-bypass-list=<-loopback>"));
}
