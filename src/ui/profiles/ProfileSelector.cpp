#include "ui/profiles/ProfileSelector.h"

#include "profiles/ProfileStore.h"
#include "ui/profiles/ProfileSelectorAccessible.h"

#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

CProfileSelector::CProfileSelector(QWidget* parent) : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&CProfileSelectorAccessible::Create);
        return true;
    }();
    Q_UNUSED(installed);
    // Read as what it is, with the profile chosen as its value, not as the bare name.
    setAccessibleName(tr("Profile"));
    setAccessibleDescription(tr("The profile whose details fill the pages"));
}

void CProfileSelector::FillFrom(const CProfileStore& store)
{
    std::vector<std::string> names;
    store.GetProfileNames(names);

    std::vector<std::pair<QString, QByteArray>> entries;
    entries.reserve(names.size());
    for (const std::string& name : names)
        entries.emplace_back(QString::fromStdString(name), QByteArray::fromStdString(name));
    // Equal names keep store order.
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });

    const QSignalBlocker blocker(this);
    clear();
    for (const auto& [text, name] : entries)
        addItem(text, name);
    setCurrentIndex(-1);
}

void CProfileSelector::SelectByName(const std::string& name)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(findData(QByteArray::fromStdString(name)));
}

std::string CProfileSelector::ChosenName() const
{
    return currentData().toByteArray().toStdString();
}
