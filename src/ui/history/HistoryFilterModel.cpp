#include "ui/history/HistoryFilterModel.h"

#include "ui/history/HistoryTableModel.h"

CHistoryFilterModel::CHistoryFilterModel(CHistoryTableModel& events, QObject* parent)
    : QSortFilterProxyModel(parent), m_events(events)
{
    setSourceModel(&m_events);
}

void CHistoryFilterModel::SetProfile(std::optional<std::string> profile)
{
    m_profile = std::move(profile);
    invalidateFilter();
}

void CHistoryFilterModel::SetDirectory(std::optional<std::string> directory)
{
    m_directory = std::move(directory);
    invalidateFilter();
}

bool CHistoryFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const HistoryEvent& event = m_events.Event(sourceRow);
    return (!m_profile || event.profile == *m_profile) &&
           (!m_directory || event.directory == *m_directory);
}
