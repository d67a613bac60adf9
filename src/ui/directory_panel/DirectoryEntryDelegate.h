#pragma once

#include <QStyledItemDelegate>

// Draws the list entries of the user's own directories with " (mine)" after the name, in
// another colour, and those whose last check found a problem muted, with a small marker. The
// entry's text stays the name and its sent marker.
class CDirectoryEntryDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
