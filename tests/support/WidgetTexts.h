#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QStringList>

// The texts a list or a combo box shows, top to bottom, for comparing with what a test expects.
inline QStringList Entries(const QAbstractItemView& list)
{
    QStringList entries;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        entries.append(list.model()->index(row, 0).data().toString());
    return entries;
}

inline QStringList Items(const QComboBox& combo)
{
    QStringList items;
    for (int index = 0; index < combo.count(); ++index)
        items.append(combo.itemText(index));
    return items;
}
