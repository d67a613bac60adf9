#pragma once

#include "ui/browser/ShownBrowser.h"

#include <QObject>
#include <string>

class CBrowserCtrl;
class CCurrentProfile;
class CDirectoryDatabase;
class QMainWindow;

// Where no rule of a directory fits the page shown, offers to fill the fields whose meaning is
// certain from the current profile, and says in the status bar what went where.
class CMeaningFillOffer final : public QObject
{
    Q_OBJECT

public:
    CMeaningFillOffer(QMainWindow& window, ShownBrowser browser, const CDirectoryDatabase& database,
                      const CCurrentProfile& profile);

    // The rules of `directory` set no field of the page shown.
    void Offer(const std::string& directory);

private:
    QMainWindow& m_window;
    ShownBrowser m_browser;
    const CDirectoryDatabase& m_database;
    const CCurrentProfile& m_profile;
};
