#include "history/HistoryRecorder.h"
#include "history/ReportExport.h"
#include "history/UtcTime.h"
#include "page_filling/DirectoryListEntry.h"
#include "ui/directory_list/DirectoryListPanel.h"
#include "ui/history/HistoryDlg.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

void CSubmitterDlg::StartHistory()
{
    // Where profiles cannot be saved the history cannot be kept either, and the user has been
    // told about the folder already.
    if (m_environment.dataFolder.problem.empty()) {
        // The recorder reports from its own thread; the message is shown on the window's.
        m_history =
            std::make_unique<CHistoryRecorder>(HistoryPath(), [this](const std::string& error) {
                QMetaObject::invokeMethod(
                    this, [this, error] { OnHistoryOff(error); }, Qt::QueuedConnection);
            });
    }
}

void CSubmitterDlg::AddHistoryCommands(QMenu* fileMenu)
{
    QAction* exportReport =
        fileMenu->addAction(tr("Export Report\u2026"), this, &CSubmitterDlg::OnExportReport);
    exportReport->setObjectName(QStringLiteral("exportReport"));
    fileMenu->addSeparator();
    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* history = view->addAction(tr("&History"), QKeySequence(Qt::CTRL | Qt::Key_H), this,
                                       &CSubmitterDlg::OnViewHistory);
    history->setObjectName(QStringLiteral("viewHistory"));
}

std::string CSubmitterDlg::HistoryPath() const
{
    // Without a data folder there is no history, rather than one in whatever folder is current.
    if (m_environment.dataFolder.path.empty())
        return {};
    return m_environment.dataFolder.HistoryFile();
}

void CSubmitterDlg::RecordHistory(HistoryEventKind kind, const std::string& directory,
                                  const QUrl& page, int fieldsSet, int fieldsTotal)
{
    if (!m_profile->HasProfile() || !m_history)
        return;
    m_history->Record({SystemUtcMilliseconds(), m_profile->Record().name, directory, kind,
                       fieldsSet, fieldsTotal, page.toEncoded().toStdString()});
}

void CSubmitterDlg::OnHistoryOff(const std::string& error)
{
    m_presenter.ShowMessage(
        "Kestrine cannot keep the submission history in history.sqlite: " + error +
            ". It carries on without it; sent marks are kept in sv.dat "
            "as before.",
        "Error", MessageIcon::Exclamation);
}

void CSubmitterDlg::OnViewHistory()
{
    if (!m_historyDlg) {
        m_historyDlg = new CHistoryDlg(HistoryPath(), this);
        m_historyDlg->setObjectName(QStringLiteral("historyWindow"));
        connect(m_historyDlg, &CHistoryDlg::directoryActivated, this,
                &CSubmitterDlg::OpenDirectoryFromHistory);
    } else {
        m_historyDlg->Reload();
    }
    m_historyDlg->show();
    m_historyDlg->raise();
    m_historyDlg->activateWindow();
}

void CSubmitterDlg::OpenDirectoryFromHistory(const QByteArray& directory)
{
    const std::string name = directory.toStdString();
    if (m_directoryPanel->SelectDirectory(name)) {
        // As if the user picked it in the list: the page opens and fills.
        if (m_directoryPanel->SelectedDirectory())
            OnSelchangeDirectoryList();
        activateWindow();
        return;
    }
    m_presenter.ShowMessage("The directory \"" + name +
                                "\" is no longer in the directory database.",
                            "Error", MessageIcon::Exclamation);
}

void CSubmitterDlg::SetSentByHand(const std::string& directory, bool sent)
{
    CProfileStore& store = m_profileManager.Profiles();
    const bool changed = sent ? store.MarkSent(m_profile->Record().name, directory)
                              : store.UnmarkSent(m_profile->Record().name, directory);
    if (!changed)
        return;
    // Saved at once, like a mark the submission check makes.
    m_profile->SaveStateFileOrWarn();
    RecordHistory(sent ? HistoryEventKind::MarkedByHand : HistoryEventKind::Unmarked, directory,
                  {});
    const std::optional<std::string> selected = m_directoryPanel->SelectedDirectory();
    MarkDirectoryList(m_profile->Record().name);
    m_directoryPanel->SelectDirectory(selected.value_or(std::string()));
}

void CSubmitterDlg::OnExportReport()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Report"), QDir::home().filePath(QStringLiteral("kestrine-report.csv")),
        tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        ExportReportTo(path);
}

void CSubmitterDlg::ExportReportTo(const QString& path)
{
    ProfileRecord current;
    const bool hasCurrent = m_profile->HasProfile() && m_profileManager.Profiles().GetProfile(
                                                           m_profile->Record().name, current);
    const ReportExportOutcome outcome =
        ExportReport(path.toStdString(),
                     {m_environment.dataFolder.databaseFile, UserDirectoriesPath(), HistoryPath()},
                     m_profileManager.Profiles(), hasCurrent ? &current : nullptr);
    if (!outcome.written.ok) {
        m_presenter.ShowMessage("Kestrine could not write the report: " + outcome.written.error +
                                    ".",
                                "Error", MessageIcon::Exclamation);
    } else if (!outcome.historyError.empty()) {
        m_presenter.ShowMessage("The report was written without the history, which cannot be "
                                "read: " +
                                    outcome.historyError +
                                    ". Its statuses come from sv.dat alone and it has no dates.",
                                "Error", MessageIcon::Exclamation);
    }
}
