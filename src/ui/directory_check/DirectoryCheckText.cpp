#include "ui/directory_check/DirectoryCheckText.h"

#include "directory_check/DirectoryCheckMessage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <array>

namespace {

// The words for the statuses, in the order of kAllDirectoryCheckStatuses.
constexpr std::array kStatusWords{
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "ok"),
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "moved"),
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "form changed"),
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "not found"),
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "server error"),
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "refused"),
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "unreachable"),
    QT_TRANSLATE_NOOP("DirectoryCheckStatus", "timeout"),
};
static_assert(kStatusWords.size() == std::size(kAllDirectoryCheckStatuses));

// How many directories have each status, in the same order: the count chooses the words' form.
constexpr std::array kStatusCounts{
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n ok"),
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n moved"),
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n form changed"),
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n not found"),
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n server error"),
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n refused"),
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n unreachable"),
    QT_TRANSLATE_N_NOOP("DirectoryCheckText", "%n timeout"),
};
static_assert(kStatusCounts.size() == std::size(kAllDirectoryCheckStatuses));

QString StatusInWords(DirectoryCheckStatus status)
{
    for (size_t i = 0; i < kStatusWords.size(); ++i) {
        if (kAllDirectoryCheckStatuses[i] == status)
            return QCoreApplication::translate("DirectoryCheckStatus", kStatusWords[i]);
    }
    return QString::fromLatin1(StatusName(status));
}

} // namespace

QString DirectoryCheckTooltip(const DirectoryCheckResult& result, const QDateTime& now)
{
    QString found = QString::fromStdString(DirectoryCheckMessage(result));
    if (found.isEmpty())
        found = StatusInWords(result.status);
    // The messages are sentences; here one is followed by the date.
    if (found.endsWith(QLatin1Char('.')))
        found.chop(1);
    const QDateTime checked = QDateTime::fromMSecsSinceEpoch(result.checkedUtcMs).toLocalTime();
    // Month names in the language of the interface.
    const QString format = checked.date().year() == now.toLocalTime().date().year()
                               ? QStringLiteral("d MMM")
                               : QStringLiteral("d MMM yyyy");
    return QCoreApplication::translate("DirectoryCheckText", "%1, checked %2")
        .arg(found, QLocale().toString(checked, format));
}

QString DirectoryCheckCounts(const DirectoryCheckProgress& progress)
{
    QStringList counts;
    for (size_t i = 0; i < progress.counts.size(); ++i) {
        if (progress.counts[i] != 0)
            counts.append(QCoreApplication::translate("DirectoryCheckText", kStatusCounts[i],
                                                      nullptr,
                                                      static_cast<int>(progress.counts[i])));
    }
    return counts.join(QStringLiteral(", "));
}
