#include "ui/feed_check/FeedCheckDialog.h"
#include "ui/feed_check/FeedTexts.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"

void CSubmitterDlg::OnCheckFeed()
{
    if (!m_profile->HasProfile()) {
        m_presenter.ShowMessage("Please choose a profile first: the check reads its RSS feed URL.",
                                "Check Feed", MessageIcon::Exclamation);
        return;
    }
    auto* check = new CFeedCheckDialog(this);
    check->setAttribute(Qt::WA_DeleteOnClose);
    // What the user takes goes to the profile that was checked, even if another one has been
    // chosen since.
    const std::string name = m_profile->Record().name;
    connect(check, &CFeedCheckDialog::UseTitleAndDescription, this,
            [this, name](const QString& title, const QString& description) {
                TakeFeedTexts(name, title, description);
            });
    connect(check, &CFeedCheckDialog::UseFeedAddress, this,
            [this, name](const QString& address) { TakeFeedAddress(name, address); });
    check->StartCheck(QString::fromStdString(m_profile->Record().url));
    // Not modal: the browser and the lists stay usable while the feed is fetched.
    check->show();
}

void CSubmitterDlg::TakeFeedTexts(const std::string& profileName, const QString& feedTitle,
                                  const QString& feedDescription)
{
    ProfileRecord fields;
    if (!m_profileManager.Profiles().GetProfile(profileName, fields))
        return;
    QString title = QString::fromStdString(fields.title);
    QString description = QString::fromStdString(fields.desc);
    if (!::TakeFeedTexts(this, title, description, feedTitle, feedDescription))
        return;
    fields.title = title.toStdString();
    fields.desc = description.toStdString();
    ReplaceProfileFields(profileName, fields);
}

void CSubmitterDlg::TakeFeedAddress(const std::string& profileName, const QString& address)
{
    ProfileRecord fields;
    if (!m_profileManager.Profiles().GetProfile(profileName, fields))
        return;
    fields.url = address.toStdString();
    ReplaceProfileFields(profileName, fields);
}

void CSubmitterDlg::ReplaceProfileFields(const std::string& profileName,
                                         const ProfileRecord& fields)
{
    // The profile may have been removed in the Profile Manager while the check window was open.
    if (!m_profileManager.Profiles().EditProfile(profileName, fields))
        return;
    m_profile->Refresh(profileName);
    m_profile->SaveStateFileOrWarn();
}
