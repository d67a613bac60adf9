#include "ui/history/HistoryTableModel.h"

#include "history/Utf8Text.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

QString KindText(HistoryEventKind kind)
{
    switch (kind) {
    case HistoryEventKind::Opened:
        return QObject::tr("Opened");
    case HistoryEventKind::Filled:
        return QObject::tr("Filled");
    case HistoryEventKind::Submitted:
        return QObject::tr("Submitted");
    case HistoryEventKind::Confirmed:
        return QObject::tr("Confirmed");
    case HistoryEventKind::NotConfirmed:
        return QObject::tr("Not confirmed");
    case HistoryEventKind::MarkedByHand:
        return QObject::tr("Marked as sent");
    case HistoryEventKind::Unmarked:
        return QObject::tr("Marked as not sent");
    case HistoryEventKind::ConfirmedByEmail:
        return QObject::tr("Confirmed by e-mail");
    }
    return {};
}

} // namespace

CHistoryTableModel::CHistoryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void CHistoryTableModel::SetEvents(std::vector<HistoryEvent> events)
{
    beginResetModel();
    m_events = std::move(events);
    endResetModel();
}

int CHistoryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_events.size());
}

int CHistoryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CHistoryTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const HistoryEvent& event = Event(index.row());
    switch (index.column()) {
    case kTime:
        // The history keeps UTC; the user reads the time of their own zone.
        return QDateTime::fromMSecsSinceEpoch(event.timeUtcMs)
            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case kProfile:
        return NameText(event.profile);
    case kDirectory:
        return NameText(event.directory);
    case kEvent:
        return KindText(event.kind);
    case kFields:
        if (event.kind != HistoryEventKind::Filled)
            return {};
        return tr("%1 of %2").arg(event.fieldsSet).arg(event.fieldsTotal);
    case kAddress:
        return NameText(event.pageAddress);
    }
    return {};
}

QVariant CHistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case kTime:
        return tr("Time (%1)").arg(QString::fromUtf8(QTimeZone::systemTimeZoneId()));
    case kProfile:
        return tr("Profile");
    case kDirectory:
        return tr("Directory");
    case kEvent:
        return tr("Event");
    case kFields:
        return tr("Fields set");
    case kAddress:
        return tr("Page address");
    }
    return {};
}

QString CHistoryTableModel::NameText(const std::string& bytes)
{
    return QString::fromStdString(ToUtf8(bytes));
}
