#pragma once

#include <QSortFilterProxyModel>
#include <optional>
#include <string>

class CHistoryTableModel;

// Shows the events of one profile and one directory, or of all; names compare as the bytes
// sv.dat holds, so two names that merely look alike stay apart.
class CHistoryFilterModel final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CHistoryFilterModel(CHistoryTableModel& events, QObject* parent = nullptr);

    // nullopt shows every profile (directory).
    void SetProfile(std::optional<std::string> profile);
    void SetDirectory(std::optional<std::string> directory);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    CHistoryTableModel& m_events;
    std::optional<std::string> m_profile;
    std::optional<std::string> m_directory;
};
