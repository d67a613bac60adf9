#pragma once

#include "profiles/ProfileStore.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class QListWidget;
class CProfileListEntry;

namespace Ui {
class ProfilesConfigurator;
}

// The Profile Manager. It owns the program's profile store for the main window's whole life;
// every command acts on the store at once and closing in any way keeps every change.
class CProfilesConfigurator final : public QDialog
{
    Q_OBJECT

public:
    explicit CProfilesConfigurator(QWidget* parent = nullptr);
    ~CProfilesConfigurator() override;

    CProfileStore& Profiles() { return m_profiles; }
    const CProfileStore& Profiles() const { return m_profiles; }

    // Makes the controls on first showing.
    void setVisible(bool visible) override;

protected:
    // The list mirrors the store, which may have changed while the dialog was closed.
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void OnAdd();
    void OnEdit();
    void OnRemove();

    void FillList();
    void AddEntry(const std::string& name, size_t index);
    CProfileListEntry* SelectedEntry() const;
    std::vector<std::string> NamesInUse() const;

    std::unique_ptr<Ui::ProfilesConfigurator> m_ui;
    CProfileStore m_profiles;
    // One entry per profile, showing its name; Edit and Remove act on the profile at its place.
    QListWidget* m_list = nullptr;
};
