#include "ui/main_window/DirectoryEntryDelegate.h"

#include <QListWidgetItem>
#include <QPalette>

namespace {

constexpr int kUserDirectoryRole = Qt::UserRole + 1;
const QColor kUserDirectoryColour(0x1f, 0x6f, 0x3f);

} // namespace

void CDirectoryEntryDelegate::SetUserDirectory(QListWidgetItem& entry, bool mine)
{
    entry.setData(kUserDirectoryRole, mine);
    entry.setToolTip(mine ? tr("One of your own directories, kept in mydirs.xml") : QString());
}

bool CDirectoryEntryDelegate::IsUserDirectory(const QModelIndex& index)
{
    return index.data(kUserDirectoryRole).toBool();
}

void CDirectoryEntryDelegate::initStyleOption(QStyleOptionViewItem* option,
                                              const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!IsUserDirectory(index))
        return;
    // Before the sent marker, which ends the entry.
    const qsizetype marker = option->text.indexOf(QStringLiteral(" ["));
    option->text.insert(marker < 0 ? option->text.size() : marker, tr(" (mine)"));
    option->palette.setColor(QPalette::Text, kUserDirectoryColour);
}
