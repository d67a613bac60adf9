#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

// The texts a list or a combo box shows, top to bottom, for comparing with what a test expects.
inline QStringList Entries(const QListWidget& list)
{
    QStringList entries;
    for (int row = 0; row < list.count(); ++row)
        entries.append(list.item(row)->text());
    return entries;
}

inline QStringList Items(const QComboBox& combo)
{
    QStringList items;
    for (int index = 0; index < combo.count(); ++index)
        items.append(combo.itemText(index));
    return items;
}
