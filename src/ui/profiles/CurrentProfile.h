#pragma once

#include "common/DataFolder.h"
#include "common/MessagePresenter.h"
#include "profiles/ProfileRecord.h"

#include <QObject>
#include <string>

class CProfileStore;
struct WriteOutcome;

// The profile the main window works with: a copy of the current profile out of the store the
// Profile Manager holds, whether one is current at all, and sv.dat, which keeps both.
class CCurrentProfile final : public QObject
{
    Q_OBJECT

public:
    // sv.dat lies in `dataFolder`; when the folder has a problem nothing is ever written.
    CCurrentProfile(CProfileStore& store, DataFolder dataFolder, MessagePresenter& presenter,
                    QObject* parent);

    // Reads sv.dat into the store; returns the remembered profile name, which is current even
    // when no stored profile carries it (every entry then shows " [not sent]").
    std::string LoadStateFile();
    // Makes the stored profile of this name current; false, with nothing changed, when there
    // is none.
    bool Pick(const std::string& name);
    // After the Profile Manager: the same profile while one still carries its name (its copy
    // refreshed), else the first in store order; false when the store is empty.
    bool Settle();
    // The copy takes the stored profile's edits when `name` is the current profile.
    void Refresh(const std::string& name);

    bool HasProfile() const { return m_hasProfile; }
    const ProfileRecord& Record() const { return m_record; }
    CProfileStore& Store() { return m_store; }
    const CProfileStore& Store() const { return m_store; }

    // Saves sv.dat and, when that fails, tells the user why; true when saved, or when the data
    // folder cannot take it (the user was told at start) and the window may close regardless.
    bool SaveStateFileOrWarn();
    // Tells the user that profiles cannot be saved and why, when that is so.
    void WarnIfUnsaveable();

private:
    WriteOutcome SaveStateFile();

    CProfileStore& m_store;
    DataFolder m_dataFolder;
    MessagePresenter& m_presenter;
    ProfileRecord m_record;
    bool m_hasProfile = false;
};
