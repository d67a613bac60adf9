#include "ui/profiles/CurrentProfile.h"

#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

CCurrentProfile::CCurrentProfile(CProfileStore& store, DataFolder dataFolder,
                                 MessagePresenter& presenter, QObject* parent)
    : QObject(parent), m_store(store), m_dataFolder(std::move(dataFolder)), m_presenter(presenter)
{}

std::string CCurrentProfile::LoadStateFile()
{
    std::string rememberedName;
    if (!m_dataFolder.path.empty())
        state_file::Load(m_dataFolder.StateFile(), rememberedName, m_store);
    if (!rememberedName.empty()) {
        m_store.GetProfile(rememberedName, m_record);
        m_hasProfile = true;
    }
    return rememberedName;
}

bool CCurrentProfile::Pick(const std::string& name)
{
    // Picking a profile while none is current makes it current: otherwise the only way out of
    // that state would be the Profile Manager, although a profile is right there to pick.
    if (!m_store.GetProfile(name, m_record))
        return false;
    m_hasProfile = true;
    return true;
}

bool CCurrentProfile::Settle()
{
    const std::string name = m_record.name;
    if (m_hasProfile && m_store.GetProfile(name, m_record))
        return true;
    m_hasProfile = !m_store.Profiles().empty();
    if (m_hasProfile)
        m_record = m_store.Profiles().front();
    return m_hasProfile;
}

void CCurrentProfile::Refresh(const std::string& name)
{
    if (m_hasProfile && m_record.name == name)
        m_store.GetProfile(name, m_record);
}

WriteOutcome CCurrentProfile::SaveStateFile()
{
    // The copy's name, not the selector's text: that is the profile the window works with.
    const std::string currentName = m_hasProfile ? m_record.name : std::string();
    return state_file::Save(m_dataFolder.StateFile(), currentName, m_store);
}

bool CCurrentProfile::SaveStateFileOrWarn()
{
    // The user heard at start why nothing can be saved, and nothing is written anywhere else.
    if (!m_dataFolder.problem.empty())
        return true;
    const WriteOutcome outcome = SaveStateFile();
    if (!outcome.ok) {
        m_presenter.ShowMessage(tr("Kestrine could not save your profiles to sv.dat: %1. Fix the "
                                   "problem and close the window again, or choose File > Exit to "
                                   "quit without saving.")
                                    .arg(QString::fromStdString(outcome.error))
                                    .toStdString(),
                                tr("Error").toStdString(), MessageIcon::Exclamation);
    }
    return outcome.ok;
}

void CCurrentProfile::WarnIfUnsaveable()
{
    if (m_dataFolder.problem.empty())
        return;
    m_presenter.ShowMessage(tr("Kestrine cannot save your profiles: %1. You can go on working, but "
                               "changes to your profiles and the directories marked as sent will "
                               "be lost when Kestrine closes.")
                                .arg(QString::fromStdString(m_dataFolder.problem))
                                .toStdString(),
                            "Kestrine", MessageIcon::Exclamation);
}
