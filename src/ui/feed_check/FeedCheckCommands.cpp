#include "ui/feed_check/FeedCheckCommands.h"

#include "profiles/ProfileStore.h"
#include "ui/feed_check/FeedCheckDialog.h"
#include "ui/feed_check/FeedTexts.h"

#include <QWidget>

CFeedCheckCommands::CFeedCheckCommands(QWidget& window, CProfileStore& store,
                                       MessagePresenter& presenter)
    : QObject(&window), m_window(window), m_store(store), m_presenter(presenter)
{}

void CFeedCheckCommands::CheckFeed(const ProfileRecord* profile)
{
    if (!profile) {
        m_presenter.ShowMessage(
            tr("Please choose a profile first: the check reads its RSS feed URL.").toStdString(),
            tr("Check Feed").toStdString(), MessageIcon::Exclamation);
        return;
    }
    auto* check = new CFeedCheckDialog(&m_window);
    check->setAttribute(Qt::WA_DeleteOnClose);
    // What the user takes goes to the profile that was checked, even if another one has been
    // chosen since.
    const std::string name = profile->name;
    connect(check, &CFeedCheckDialog::UseTitleAndDescription, this,
            [this, name](const QString& title, const QString& description) {
                TakeFeedTexts(name, title, description);
            });
    connect(check, &CFeedCheckDialog::UseFeedAddress, this,
            [this, name](const QString& address) { TakeFeedAddress(name, address); });
    check->StartCheck(QString::fromStdString(profile->url));
    // Not modal: the browser and the lists stay usable while the feed is fetched.
    check->show();
}

void CFeedCheckCommands::TakeFeedTexts(const std::string& profileName, const QString& feedTitle,
                                       const QString& feedDescription)
{
    ProfileRecord fields;
    if (!m_store.GetProfile(profileName, fields))
        return;
    QString title = QString::fromStdString(fields.title);
    QString description = QString::fromStdString(fields.desc);
    if (!::TakeFeedTexts(&m_window, title, description, feedTitle, feedDescription))
        return;
    fields.title = title.toStdString();
    fields.desc = description.toStdString();
    ReplaceProfileFields(profileName, fields);
}

void CFeedCheckCommands::TakeFeedAddress(const std::string& profileName, const QString& address)
{
    ProfileRecord fields;
    if (!m_store.GetProfile(profileName, fields))
        return;
    fields.url = address.toStdString();
    ReplaceProfileFields(profileName, fields);
}

void CFeedCheckCommands::ReplaceProfileFields(const std::string& profileName,
                                              const ProfileRecord& fields)
{
    // The profile may have been removed in the Profile Manager while the check window was open.
    if (m_store.EditProfile(profileName, fields))
        emit profileChanged(profileName);
}
