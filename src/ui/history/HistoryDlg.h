#pragma once

#include <QByteArray>
#include <QDialog>
#include <optional>
#include <set>
#include <string>

class CHistoryFilterModel;
class CHistoryTableModel;
class QComboBox;
class QLabel;
class QModelIndex;
class QTableView;

// View > History: every recorded event, newest first, narrowed to a profile and a directory.
// A double-click asks the main window to open the event's directory. The file is read as
// ReadHistoryFile reads it: never created, and with no path (no data folder) nothing is read.
class CHistoryDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CHistoryDlg(std::string historyPath, QWidget* parent = nullptr);

    // Reads the file again: the window shows what was written up to now.
    void Reload();

signals:
    // The directory's name as the bytes dirdata.xml holds.
    void directoryActivated(const QByteArray& directory);

private:
    static void FillFilter(QComboBox& combo, const std::set<std::string>& names,
                           const QString& everything);
    static std::optional<std::string> ChosenName(const QComboBox& combo);
    void OnFilterChanged();
    void OnDoubleClicked(const QModelIndex& index);

    std::string m_historyPath;
    CHistoryTableModel* m_events = nullptr;
    CHistoryFilterModel* m_filter = nullptr;
    QComboBox* m_profileFilter = nullptr;
    QComboBox* m_directoryFilter = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_problem = nullptr;
};
