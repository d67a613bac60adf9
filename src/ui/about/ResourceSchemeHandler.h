#pragma once

#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Answers "res" addresses with the page of the program's resources whose name is the
// address's last path segment, compared without regard to case; the rest of the address
// (the program's path) does not matter.
class CResourceSchemeHandler final : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    // Gives `profile` a handler for the scheme unless it has one already; the profile owns it.
    static void InstallOn(QWebEngineProfile* profile);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    explicit CResourceSchemeHandler(QObject* parent);
};
