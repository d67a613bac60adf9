#pragma once

#include "profiles/ProfileRecord.h"

#include <QDialog>
#include <array>
#include <memory>
#include <string>

class QLineEdit;

namespace Ui {
class ProfileData;
}

// The profile editor: the ten text fields of one profile. The caller loads them before exec()
// and reads them back after OK; the editor never touches the store, and a profile's sent set
// never passes through it.
class CProfileData final : public QDialog
{
    Q_OBJECT

public:
    explicit CProfileData(QWidget* parent = nullptr);
    ~CProfileData() override;

    void SetValues(const ProfileRecord& profile);
    // The ten text fields as the dialog holds them; `sent` stays empty.
    ProfileRecord Values() const;

private:
    struct FieldBinding
    {
        std::string ProfileRecord::*field;
        QLineEdit* edit;
    };

    std::array<FieldBinding, 10> Bindings() const;
    void AddCategories();
    // Checks the feed at the URL field's address in a window of its own, from which the feed's
    // title and description, or a feed a web page announces, can be taken into the fields.
    void OnCheckFeed();
    void OnUseFeedTexts(const QString& feedTitle, const QString& feedDescription);

    std::unique_ptr<Ui::ProfileData> m_ui;
    // What SetValues gave, so that a field left alone comes back byte for byte even when the
    // stored text is not valid UTF-8.
    ProfileRecord m_loaded;
};
