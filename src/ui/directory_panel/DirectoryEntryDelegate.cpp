#include "ui/directory_panel/DirectoryEntryDelegate.h"

#include "ui/directory_panel/DirectoryListModel.h"

#include <QPalette>

namespace {

const QColor kUserDirectoryColour(0x1f, 0x6f, 0x3f);

} // namespace

void CDirectoryEntryDelegate::initStyleOption(QStyleOptionViewItem* option,
                                              const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(CDirectoryListModel::kUserDirectoryRole).toBool())
        return;
    // Before the sent marker, which ends the entry.
    const qsizetype marker = option->text.lastIndexOf(QStringLiteral(" ["));
    option->text.insert(marker < 0 ? option->text.size() : marker, tr(" (mine)"));
    option->palette.setColor(QPalette::Text, kUserDirectoryColour);
}
