#pragma once

#include "history/HistoryEvent.h"

#include <QAbstractTableModel>
#include <vector>

// The history's events as table rows, in the order given (the store gives newest first).
class CHistoryTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        kTime,
        kProfile,
        kDirectory,
        kEvent,
        kFields,
        kAddress,
        kColumnCount
    };

    explicit CHistoryTableModel(QObject* parent = nullptr);

    void SetEvents(std::vector<HistoryEvent> events);
    const HistoryEvent& Event(int row) const { return m_events.at(static_cast<size_t>(row)); }
    const std::vector<HistoryEvent>& Events() const { return m_events; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A name as the table shows it: UTF-8, or Latin-1 when the bytes are not UTF-8, as in the
    // exported report.
    static QString NameText(const std::string& bytes);

private:
    std::vector<HistoryEvent> m_events;
};
