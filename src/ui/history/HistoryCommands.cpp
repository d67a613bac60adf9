#include "ui/history/HistoryCommands.h"

#include "history/HistoryRecorder.h"
#include "history/ReportExport.h"
#include "history/UtcTime.h"
#include "profiles/ProfileStore.h"
#include "ui/history/HistoryDlg.h"
#include "ui/profiles/CurrentProfile.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>
#include <cstdio>

CHistoryCommands::CHistoryCommands(QWidget& window, DataFolder dataFolder, CCurrentProfile& profile,
                                   MessagePresenter& presenter)
    : QObject(&window), m_window(window), m_dataFolder(std::move(dataFolder)), m_profile(profile),
      m_presenter(presenter)
{
    // Where profiles cannot be saved the history cannot be kept either, and the user has been
    // told about the folder already.
    if (!m_dataFolder.problem.empty())
        return;
    // The recorder reports from its own thread; the message is shown on the window's.
    m_recorder = std::make_unique<CHistoryRecorder>(
        HistoryPath(), [this](CHistoryRecorder::Failure failure, const std::string& error) {
            // Said as the window goes, when no message box can be shown any more.
            if (failure == CHistoryRecorder::Failure::EventsLost) {
                std::fprintf(stderr, "Kestrine: %s\n", error.c_str());
                return;
            }
            QMetaObject::invokeMethod(
                this, [this, failure, error] { OnHistoryFailure(failure, error); },
                Qt::QueuedConnection);
        });
}

CHistoryCommands::~CHistoryCommands() = default;

void CHistoryCommands::AddCommands(QMenuBar& menuBar, QMenu& fileMenu)
{
    QAction* exportReport =
        fileMenu.addAction(tr("Export &Report\u2026"), this, &CHistoryCommands::OnExportReport);
    exportReport->setObjectName(QStringLiteral("exportReport"));
    fileMenu.addSeparator();
    QMenu* view = menuBar.addMenu(tr("&View"));
    QAction* history = view->addAction(tr("&History"), QKeySequence(Qt::CTRL | Qt::Key_H), this,
                                       &CHistoryCommands::OnViewHistory);
    history->setObjectName(QStringLiteral("viewHistory"));
}

std::string CHistoryCommands::HistoryPath() const
{
    // Without a data folder there is no history, rather than one in whatever folder is current.
    if (m_dataFolder.path.empty())
        return {};
    return m_dataFolder.HistoryFile();
}

void CHistoryCommands::Record(HistoryEventKind kind, const std::string& directory, const QUrl& page,
                              int fieldsSet, int fieldsTotal)
{
    if (!m_profile.HasProfile() || !m_recorder)
        return;
    m_recorder->Record({SystemUtcMilliseconds(), m_profile.Record().name, directory, kind,
                        fieldsSet, fieldsTotal, page.toEncoded().toStdString()});
}

void CHistoryCommands::RecordFor(const std::string& profile, HistoryEventKind kind,
                                 const std::string& directory, const QUrl& page)
{
    if (m_recorder)
        m_recorder->Record({SystemUtcMilliseconds(), profile, directory, kind, 0, 0,
                            page.toEncoded().toStdString()});
}

void CHistoryCommands::OnHistoryFailure(CHistoryRecorder::Failure failure, const std::string& error)
{
    if (failure == CHistoryRecorder::Failure::EventsHeldUp) {
        m_presenter.ShowMessage(
            tr("Kestrine cannot write the submission history to history.sqlite for now: %1. "
               "Another program keeps the file locked; the events wait and are written as soon "
               "as it is free.")
                .arg(QString::fromStdString(error))
                .toStdString(),
            "Kestrine", MessageIcon::Exclamation);
        return;
    }
    m_presenter.ShowMessage(tr("Kestrine cannot keep the submission history in history.sqlite: "
                               "%1. It carries on without it; sent marks are kept in sv.dat as "
                               "before.")
                                .arg(QString::fromStdString(error))
                                .toStdString(),
                            tr("Error").toStdString(), MessageIcon::Exclamation);
}

void CHistoryCommands::OnViewHistory()
{
    if (!m_historyDlg) {
        m_historyDlg = new CHistoryDlg(HistoryPath(), &m_window);
        m_historyDlg->setObjectName(QStringLiteral("historyWindow"));
        connect(m_historyDlg, &CHistoryDlg::directoryActivated, this,
                [this](const QByteArray& directory) {
                    emit directoryRequested(directory.toStdString());
                });
    } else {
        m_historyDlg->Reload();
    }
    m_historyDlg->show();
    m_historyDlg->raise();
    m_historyDlg->activateWindow();
}

void CHistoryCommands::SetSentByHand(const std::string& directory, bool sent)
{
    CProfileStore& store = m_profile.Store();
    const std::string& profile = m_profile.Record().name;
    const bool changed =
        sent ? store.MarkSent(profile, directory) : store.UnmarkSent(profile, directory);
    if (!changed)
        return;
    // Saved at once, like a mark the submission check makes.
    m_profile.SaveStateFileOrWarn();
    Record(sent ? HistoryEventKind::MarkedByHand : HistoryEventKind::Unmarked, directory, {});
    emit marksChanged();
}

void CHistoryCommands::OnExportReport()
{
    const QString path =
        QFileDialog::getSaveFileName(&m_window, tr("Export Report"),
                                     QDir::home().filePath(QStringLiteral("kestrine-report.csv")),
                                     tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        ExportReportTo(path);
}

void CHistoryCommands::ExportReportTo(const QString& path)
{
    ProfileRecord current;
    const bool hasCurrent =
        m_profile.HasProfile() && m_profile.Store().GetProfile(m_profile.Record().name, current);
    const ReportExportOutcome outcome =
        ExportReport(path.toStdString(),
                     {m_dataFolder.databaseFile, m_dataFolder.UserDirectoriesFile(), HistoryPath()},
                     m_profile.Store(), hasCurrent ? &current : nullptr);
    if (!outcome.written.ok) {
        m_presenter.ShowMessage(tr("Kestrine could not write the report: %1.")
                                    .arg(QString::fromStdString(outcome.written.error))
                                    .toStdString(),
                                tr("Error").toStdString(), MessageIcon::Exclamation);
    } else if (!outcome.historyError.empty()) {
        m_presenter.ShowMessage(tr("The report was written without the history, which cannot be "
                                   "read: %1. Its statuses come from sv.dat alone and it has no "
                                   "dates.")
                                    .arg(QString::fromStdString(outcome.historyError))
                                    .toStdString(),
                                tr("Error").toStdString(), MessageIcon::Exclamation);
    }
}
