#include "ui/history/HistoryDlg.h"

#include "history/HistoryReading.h"
#include "ui/history/HistoryFilterModel.h"
#include "ui/history/HistoryTableModel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

CHistoryDlg::CHistoryDlg(std::string historyPath, QWidget* parent)
    : QDialog(parent), m_historyPath(std::move(historyPath))
{
    setWindowTitle(tr("History"));
    resize(860, 480);
    m_events = new CHistoryTableModel(this);
    m_filter = new CHistoryFilterModel(*m_events, this);

    // The object names let tests and accessibility tools find them.
    m_profileFilter = new QComboBox(this);
    m_profileFilter->setObjectName(QStringLiteral("profileFilter"));
    m_directoryFilter = new QComboBox(this);
    m_directoryFilter->setObjectName(QStringLiteral("directoryFilter"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("historyProblem"));
    m_problem->setTextFormat(Qt::PlainText); // the reason may quote a path
    m_problem->setWordWrap(true);
    m_problem->hide();
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setAccessibleName(tr("Events"));
    m_table->setAccessibleDescription(
        tr("What happened to each directory for each profile, newest first"));
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto* filters = new QFormLayout;
    filters->addRow(tr("&Profile:"), m_profileFilter);
    filters->addRow(tr("&Directory:"), m_directoryFilter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_problem);
    layout->addWidget(m_table);

    connect(m_profileFilter, &QComboBox::currentIndexChanged, this, &CHistoryDlg::OnFilterChanged);
    connect(m_directoryFilter, &QComboBox::currentIndexChanged, this,
            &CHistoryDlg::OnFilterChanged);
    connect(m_table, &QTableView::doubleClicked, this, &CHistoryDlg::OnDoubleClicked);
    Reload();
}

void CHistoryDlg::Reload()
{
    std::vector<HistoryEvent> events;
    const HistoryOutcome outcome = ReadHistoryFile(m_historyPath, HistorySelection::Every, events);
    m_problem->setVisible(!outcome.ok);
    if (!outcome.ok)
        m_problem->setText(
            tr("The history cannot be read: %1.").arg(QString::fromStdString(outcome.error)));

    std::set<std::string> profiles;
    std::set<std::string> directories;
    for (const HistoryEvent& event : events) {
        profiles.insert(event.profile);
        directories.insert(event.directory);
    }
    m_events->SetEvents(std::move(events));
    FillFilter(*m_profileFilter, profiles, tr("All profiles"));
    FillFilter(*m_directoryFilter, directories, tr("All directories"));
    OnFilterChanged();
    m_table->resizeColumnsToContents();
}

void CHistoryDlg::FillFilter(QComboBox& combo, const std::set<std::string>& names,
                             const QString& everything)
{
    // The choice survives a reload as long as its name is still in the history.
    const std::optional<std::string> chosen = ChosenName(combo);
    const QSignalBlocker blocker(&combo);
    combo.clear();
    combo.addItem(everything);
    for (const std::string& name : names) {
        combo.addItem(CHistoryTableModel::NameText(name),
                      QByteArray(name.data(), static_cast<qsizetype>(name.size())));
        if (chosen == name)
            combo.setCurrentIndex(combo.count() - 1);
    }
}

std::optional<std::string> CHistoryDlg::ChosenName(const QComboBox& combo)
{
    const QVariant name = combo.currentData();
    if (!name.isValid())
        return std::nullopt;
    return name.toByteArray().toStdString();
}

void CHistoryDlg::OnFilterChanged()
{
    m_filter->SetProfile(ChosenName(*m_profileFilter));
    m_filter->SetDirectory(ChosenName(*m_directoryFilter));
}

void CHistoryDlg::OnDoubleClicked(const QModelIndex& index)
{
    const std::string& directory = m_events->Event(m_filter->mapToSource(index).row()).directory;
    emit directoryActivated(QByteArray(directory.data(), static_cast<qsizetype>(directory.size())));
}
