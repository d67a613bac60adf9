#include "ui/profiles/ProfileListEntry.h"

CProfileListEntry::CProfileListEntry(const std::string& name, size_t index)
    : QListWidgetItem(nullptr, QListWidgetItem::UserType), m_index(index)
{
    SetName(name);
}

void CProfileListEntry::SetName(const std::string& name)
{
    setText(QString::fromStdString(name));
}

bool CProfileListEntry::operator<(const QListWidgetItem& other) const
{
    return QString::compare(text(), other.text(), Qt::CaseInsensitive) < 0;
}
