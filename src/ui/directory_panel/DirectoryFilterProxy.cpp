#include "ui/directory_panel/DirectoryFilterProxy.h"

#include "ui/directory_panel/DirectoryListModel.h"

CDirectoryFilterProxy::CDirectoryFilterProxy(CDirectoryListModel& directories, QObject* parent)
    : QSortFilterProxyModel(parent), m_directories(directories)
{
    setSourceModel(&directories);
    // A mark or a check result that changes can hide or show its directory.
    setDynamicSortFilter(true);
}

void CDirectoryFilterProxy::SetFilter(CDirectoryFilter filter, bool hideFoundDead)
{
    m_filter = std::move(filter);
    m_hideFoundDead = hideFoundDead;
    invalidateFilter();
}

std::optional<size_t> CDirectoryFilterProxy::DirectoryAt(int row) const
{
    const QModelIndex source = mapToSource(index(row, 0));
    if (!source.isValid())
        return std::nullopt;
    return static_cast<size_t>(source.row());
}

int CDirectoryFilterProxy::RowOf(size_t directory) const
{
    if (directory >= m_directories.DirectoryCount())
        return -1;
    return mapFromSource(m_directories.index(static_cast<int>(directory))).row();
}

bool CDirectoryFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto directory = static_cast<size_t>(sourceRow);
    if (m_hideFoundDead && m_directories.IsFoundDead(directory))
        return false;
    return !m_filter.IsActive() || m_filter.Accepts(m_directories.DirectoryName(directory),
                                                    m_directories.IsSent(directory));
}
