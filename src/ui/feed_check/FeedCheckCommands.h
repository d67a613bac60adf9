#pragma once

#include "common/MessagePresenter.h"

#include <QObject>
#include <QString>
#include <string>

class CProfileStore;
class QWidget;
struct ProfileRecord;

// Settings > Check Feed: the current profile's feed, checked in a window that leaves the main
// window usable, and what the user takes from the feed into that profile.
class CFeedCheckCommands final : public QObject
{
    Q_OBJECT

public:
    // `window` owns the check windows.
    CFeedCheckCommands(QWidget& window, CProfileStore& store, MessagePresenter& presenter);

    // Checks the feed of `profile`, or asks for a profile when there is none (null).
    void CheckFeed(const ProfileRecord* profile);

signals:
    // The stored profile of this name took fields from its feed.
    void profileChanged(const std::string& profileName);

private:
    void TakeFeedTexts(const std::string& profileName, const QString& feedTitle,
                       const QString& feedDescription);
    void TakeFeedAddress(const std::string& profileName, const QString& address);
    void ReplaceProfileFields(const std::string& profileName, const ProfileRecord& fields);

    QWidget& m_window;
    CProfileStore& m_store;
    MessagePresenter& m_presenter;
};
