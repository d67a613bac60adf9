#pragma once

#include "page_filling/DirectoryFilter.h"

#include <QSortFilterProxyModel>
#include <optional>

class CDirectoryListModel;

// The directories the list shows under the search box and the "unsent only" and "hide
// unreachable" toggles, in database order. The view's selection follows the directories through
// every change of the filter, and is lost only when its directory is hidden.
class CDirectoryFilterProxy final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    CDirectoryFilterProxy(CDirectoryListModel& directories, QObject* parent = nullptr);

    // `hideFoundDead` leaves out the directories the last check found dead.
    void SetFilter(CDirectoryFilter filter, bool hideFoundDead = false);
    bool IsFiltering() const { return m_filter.IsActive() || m_hideFoundDead; }

    // The directory shown in `row`, or nullopt for no such row.
    std::optional<size_t> DirectoryAt(int row) const;
    // The row that shows `directory`, or -1 when it is hidden.
    int RowOf(size_t directory) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    CDirectoryListModel& m_directories;
    CDirectoryFilter m_filter;
    bool m_hideFoundDead = false;
};
