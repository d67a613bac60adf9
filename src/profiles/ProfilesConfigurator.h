#pragma once

#include "profiles/ProfileStore.h"

#include <QDialog>

class QListWidget;

// The Profile Manager. It owns the program's profile store for the main window's whole life;
// every command acts on the store at once and closing in any way keeps every change.
class CProfilesConfigurator : public QDialog
{
    Q_OBJECT

public:
    explicit CProfilesConfigurator(QWidget* parent = nullptr);

    CProfileStore& Profiles() { return m_profiles; }
    const CProfileStore& Profiles() const { return m_profiles; }

private:
    CProfileStore m_profiles;
    QListWidget* m_list = nullptr;
};
