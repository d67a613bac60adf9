#include "ui/directory_panel/DirectoryEntryDelegate.h"

#include "directory_check/DirectoryCheckStatus.h"
#include "ui/directory_panel/DirectoryListModel.h"

#include <QCoreApplication>
#include <QPalette>

namespace {

const QColor kUserDirectoryColour(0x1f, 0x6f, 0x3f);

// After the name: a dagger for a directory found gone, a mark of doubt for one that answered
// wrongly or not in time, or that moved or changed its form.
const QString kDeadMarker = QStringLiteral(" \u2020");
const QString kDoubtMarker = QStringLiteral(" ?");
// An envelope for a directory whose confirmation mail has arrived.
const QString kMailMarker = QStringLiteral(" \u2709");

// The entries say "[sent]" in English, as the list's other users read them; shown, the marker is
// in the language of the interface.
void TranslateSentMarker(QString& text)
{
    const qsizetype open = text.lastIndexOf(QStringLiteral(" ["));
    if (open < 0 || !text.endsWith(QLatin1Char(']')))
        return;
    const QString marker = text.mid(open + 2, text.size() - open - 3);
    text.replace(open + 2, marker.size(),
                 QCoreApplication::translate("DirectoryListEntry", marker.toUtf8().constData()));
}

} // namespace

void CDirectoryEntryDelegate::initStyleOption(QStyleOptionViewItem* option,
                                              const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    TranslateSentMarker(option->text);
    const bool mine = index.data(CDirectoryListModel::kUserDirectoryRole).toBool();
    const QVariant checkStatus = index.data(CDirectoryListModel::kCheckStatusRole);
    const bool mailArrived = index.data(CDirectoryListModel::kConfirmationMailRole).toBool();
    if (!mine && !checkStatus.isValid() && !mailArrived)
        return;
    // Before the sent marker, which ends the entry.
    const qsizetype sentMarker = option->text.lastIndexOf(QStringLiteral(" ["));
    QString additions;
    if (checkStatus.isValid())
        additions += IsFoundDead(static_cast<DirectoryCheckStatus>(checkStatus.toInt()))
                         ? kDeadMarker
                         : kDoubtMarker;
    if (mine)
        additions += tr(" (mine)");
    if (mailArrived)
        additions += kMailMarker;
    option->text.insert(sentMarker < 0 ? option->text.size() : sentMarker, additions);
    if (!mine && !checkStatus.isValid())
        return;
    // A directory with a problem is muted, even one of the user's own.
    option->palette.setColor(QPalette::Text,
                             checkStatus.isValid()
                                 ? option->palette.color(QPalette::Disabled, QPalette::Text)
                                 : kUserDirectoryColour);
}
