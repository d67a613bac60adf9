#include "ui/profiles/ProfilesConfigurator.h"

#include "ui/profiles/ProfileData.h"
#include "ui/profiles/ProfileListEntry.h"
#include "ui_ProfilesConfigurator.h"

CProfilesConfigurator::CProfilesConfigurator(QWidget* parent) : QDialog(parent) {}

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
    AddEntry(profile.name, m_profiles.Profiles().size() - 1);
}

void CProfilesConfigurator::OnEdit()
{
    CProfileListEntry* entry = SelectedEntry();
    if (!entry || entry->Index() >= m_profiles.Profiles().size())
        return;
    const ProfileRecord profile = m_profiles.Profiles()[entry->Index()];
    CProfileData editor(this);
    editor.SetValues(profile);
    editor.SetNamesInUse(NamesInUse());
    if (editor.exec() != QDialog::Accepted)
        return;
    const ProfileRecord fields = editor.Values();
    m_profiles.EditProfileAt(entry->Index(), fields);
    entry->SetName(fields.name);
}

void CProfilesConfigurator::OnRemove()
{
    CProfileListEntry* entry = SelectedEntry();
    if (!entry)
        return;
    m_profiles.RemoveProfileAt(entry->Index());
    // The entries after it stand one place earlier in the store now. Refilled, the list
    // selects nothing, where it would select the next entry, inviting a second Remove the user
    // did not aim.
    FillList();
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
    const std::vector<ProfileRecord>& profiles = m_profiles.Profiles();
    for (size_t index = 0; index < profiles.size(); ++index)
        AddEntry(profiles[index].name, index);
}

void CProfilesConfigurator::AddEntry(const std::string& name, size_t index)
{
    m_list->addItem(new CProfileListEntry(name, index));
}

CProfileListEntry* CProfilesConfigurator::SelectedEntry() const
{
    // Every entry is one of ours: AddEntry is the only way in.
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : static_cast<CProfileListEntry*>(selected.front());
}
