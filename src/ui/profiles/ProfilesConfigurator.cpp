#include "ui/profiles/ProfilesConfigurator.h"

#include "ui/profiles/ProfileData.h"
#include "ui/profiles/ProfileListEntry.h"
#include "ui_ProfilesConfigurator.h"

CProfilesConfigurator::CProfilesConfigurator(QWidget* parent)
    : QDialog(parent)
{
}

CProfilesConfigurator::~CProfilesConfigurator() = default;

void CProfilesConfigurator::setVisible(bool visible)
{
    // The main window holds this dialog from its first moment; its start-up does not wait for
    // the controls of a dialog the user may never open.
    if (visible && !m_ui)
        CreateControls();
    QDialog::setVisible(visible);
}

void CProfilesConfigurator::CreateControls()
{
    m_ui = std::make_unique<Ui::ProfilesConfigurator>();
    m_ui->setupUi(this);
    m_list = m_ui->profileList;
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->addButton, &QPushButton::clicked, this, &CProfilesConfigurator::OnAdd);
    connect(m_ui->editButton, &QPushButton::clicked, this, &CProfilesConfigurator::OnEdit);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &CProfilesConfigurator::OnRemove);
}

void CProfilesConfigurator::showEvent(QShowEvent* event)
{
    FillList();
    // Each showing starts afresh, as if the dialog were new.
    m_ui->closeButton->setFocus();
    QDialog::showEvent(event);
}

void CProfilesConfigurator::OnAdd()
{
    CProfileData editor(this);
    editor.SetNamesInUse(NamesInUse());
    if (editor.exec() != QDialog::Accepted)
        return;
    const ProfileRecord profile = editor.Values();
    m_profiles.AddProfile(profile);
    AddEntry(profile.name);
}

void CProfilesConfigurator::OnEdit()
{
    CProfileListEntry* entry = SelectedEntry();
    ProfileRecord profile;
    if (!entry || !m_profiles.GetProfile(entry->Name(), profile))
        return;
    CProfileData editor(this);
    editor.SetValues(profile);
    editor.SetNamesInUse(NamesInUse());
    if (editor.exec() != QDialog::Accepted)
        return;
    const ProfileRecord fields = editor.Values();
    m_profiles.EditProfile(profile.name, fields);
    entry->SetName(fields.name);
}

void CProfilesConfigurator::OnRemove()
{
    CProfileListEntry* entry = SelectedEntry();
    if (!entry)
        return;
    m_profiles.RemoveProfile(entry->Name());
    delete entry;
    // The list would select the next entry, inviting a second Remove the user did not aim.
    m_list->clearSelection();
}

std::vector<std::string> CProfilesConfigurator::NamesInUse() const
{
    std::vector<std::string> names;
    m_profiles.GetProfileNames(names);
    return names;
}

void CProfilesConfigurator::FillList()
{
    m_list->clear();
    for (const ProfileRecord& profile : m_profiles.Profiles())
        AddEntry(profile.name);
}

void CProfilesConfigurator::AddEntry(const std::string& name)
{
    m_list->addItem(new CProfileListEntry(name));
}

CProfileListEntry* CProfilesConfigurator::SelectedEntry() const
{
    // Every entry is one of ours: AddEntry is the only way in.
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : static_cast<CProfileListEntry*>(selected.front());
}
