#include "ui/profiles/ProfileListEntry.h"

#include <QByteArray>

namespace {

constexpr int kNameRole = Qt::UserRole;

} // namespace

CProfileListEntry::CProfileListEntry(const std::string& name)
    : QListWidgetItem(nullptr, QListWidgetItem::UserType)
{
    SetName(name);
}

std::string CProfileListEntry::Name() const
{
    return data(kNameRole).toByteArray().toStdString();
}

void CProfileListEntry::SetName(const std::string& name)
{
    setData(kNameRole, QByteArray::fromStdString(name));
    setText(QString::fromStdString(name));
}

bool CProfileListEntry::operator<(const QListWidgetItem& other) const
{
    return QString::compare(text(), other.text(), Qt::CaseInsensitive) < 0;
}
