#pragma once

#include "common/DataFolder.h"
#include "common/MessagePresenter.h"
#include "history/HistoryEvent.h"
#include "history/HistoryRecorder.h"

#include <QObject>
#include <memory>
#include <string>

class CCurrentProfile;
class CHistoryDlg;
class QMenu;
class QMenuBar;
class QUrl;
class QWidget;

// The submission history and what comes of it: the events recorded as the user goes, the
// History window (View > History), marks set by hand, and the report (File > Export Report).
class CHistoryCommands final : public QObject
{
    Q_OBJECT

public:
    // The history is kept in the data folder unless the folder has a problem, which the user
    // has been told about already. `window` owns the dialogs.
    CHistoryCommands(QWidget& window, DataFolder dataFolder, CCurrentProfile& profile,
                     MessagePresenter& presenter);
    ~CHistoryCommands() override;

    // File > Export Report… (ahead of what follows in `fileMenu`) and the View menu.
    void AddCommands(QMenuBar& menuBar, QMenu& fileMenu);
    // An event of the current profile; nothing while no profile is current.
    void Record(HistoryEventKind kind, const std::string& directory, const QUrl& page,
                int fieldsSet = 0, int fieldsTotal = 0);
    // An event of `profile`, current or not: a confirmation mail answers the profile whose
    // submission it confirms.
    void RecordFor(const std::string& profile, HistoryEventKind kind, const std::string& directory,
                   const QUrl& page);
    // Marks the directory sent or not sent for the current profile, saves sv.dat at once.
    void SetSentByHand(const std::string& directory, bool sent);

signals:
    // The user asked the History window to open the directory's page.
    void directoryRequested(const std::string& directory);
    // Marks changed by hand: the list shows them anew.
    void marksChanged();

private:
    void OnHistoryFailure(CHistoryRecorder::Failure failure, const std::string& error);
    void OnViewHistory();
    void OnExportReport();
    void ExportReportTo(const QString& path);
    std::string HistoryPath() const;

    QWidget& m_window;
    DataFolder m_dataFolder;
    CCurrentProfile& m_profile;
    MessagePresenter& m_presenter;
    std::unique_ptr<CHistoryRecorder> m_recorder;
    CHistoryDlg* m_historyDlg = nullptr;
};
