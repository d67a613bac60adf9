#include "ui/directory_check/DirectoryCheckText.h"

#include <QStringList>

namespace {

QString StatusInWords(DirectoryCheckStatus status)
{
    return QString::fromLatin1(StatusName(status)).replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

QString DirectoryCheckTooltip(const DirectoryCheckResult& result, const QDateTime& now)
{
    QString found = QString::fromStdString(result.message);
    if (found.isEmpty())
        found = StatusInWords(result.status);
    // The messages are sentences; here one is followed by the date.
    if (found.endsWith(QLatin1Char('.')))
        found.chop(1);
    const QDateTime checked = QDateTime::fromMSecsSinceEpoch(result.checkedUtcMs).toLocalTime();
    // English month names, like every other text of the program.
    const QString format = checked.date().year() == now.toLocalTime().date().year()
                               ? QStringLiteral("d MMM")
                               : QStringLiteral("d MMM yyyy");
    return QStringLiteral("%1, checked %2").arg(found, checked.toString(format));
}

QString DirectoryCheckCounts(const DirectoryCheckProgress& progress)
{
    QStringList counts;
    for (size_t i = 0; i < progress.counts.size(); ++i) {
        if (progress.counts[i] != 0)
            counts.append(QStringLiteral("%1 %2")
                              .arg(progress.counts[i])
                              .arg(StatusInWords(kAllDirectoryCheckStatuses[i])));
    }
    return counts.join(QStringLiteral(", "));
}
