#pragma once

#include <QStyledItemDelegate>

class QListWidgetItem;

// Draws the list entries of the user's own directories with " (mine)" after the name, in
// another colour. The entry's text stays the name and its sent marker, from which the program
// takes the name back.
class CDirectoryEntryDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static void SetUserDirectory(QListWidgetItem& entry, bool mine);
    static bool IsUserDirectory(const QModelIndex& index);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
