#pragma once

#include "profiles/ProfileRecord.h"

#include <QDialog>
#include <array>
#include <memory>
#include <string>
#include <vector>

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

    // Loads the fields. The focus starts on OK, so that Enter keeps the profile as it stands,
    // unless the profile still needs a name.
    void SetValues(const ProfileRecord& profile);
    // The ten text fields as the dialog holds them; `sent` stays empty.
    ProfileRecord Values() const;
    // The names of every profile in the store; OK refuses a name another profile has.
    void SetNamesInUse(std::vector<std::string> names);

public slots:
    // Accepts only a name that is neither empty nor another profile's; otherwise says why and
    // stays open with the name ready to be corrected.
    void accept() override;

private:
    struct FieldBinding
    {
        std::string ProfileRecord::*field;
        QLineEdit* edit;
    };

    std::array<FieldBinding, 10> Bindings() const;
    void AddCategories();
    void RefuseName(const QString& reason);
    // Checks the feed at the URL field's address in a window of its own, from which the feed's
    // title and description, or a feed a web page announces, can be taken into the fields.
    void OnCheckFeed();
    void OnUseFeedTexts(const QString& feedTitle, const QString& feedDescription);
    void OnUseFeedCategory(const QString& feedCategory, const QString& feedSubcategory);

    std::unique_ptr<Ui::ProfileData> m_ui;
    // What SetValues gave, so that a field left alone comes back byte for byte even when the
    // stored text is not valid UTF-8.
    ProfileRecord m_loaded;
    std::vector<std::string> m_namesInUse;
};
