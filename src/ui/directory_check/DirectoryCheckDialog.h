#pragma once

#include "directory_check/DirectoryCheckRun.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// How a check of the directories goes: N of M with a bar, the statuses found so far, and
// Cancel; a cancelled check offers Resume. It shows what the controller tells it and leaves
// the decisions to it through its signals.
class CDirectoryCheckDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit CDirectoryCheckDialog(QWidget* parent = nullptr);

    void ShowStarted();
    void ShowProgress(const DirectoryCheckProgress& progress);
    // `skipped` directories were left out as checked recently; `problem` says what went wrong,
    // empty when nothing did.
    void ShowFinished(size_t skipped, const QString& problem);
    void ShowCancelled();

    QLabel* StatusLabel() const { return m_status; }
    QLabel* CountsLabel() const { return m_counts; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* ResumeButton() const { return m_resume; }

signals:
    void cancelRequested();
    void resumeRequested();

public slots:
    // Closing a running check's window cancels the check.
    void reject() override;

private:
    void SetRunning(bool running, bool resumable = false);

    DirectoryCheckProgress m_progress;
    bool m_running = false;
    QLabel* m_status = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_counts = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_resume = nullptr;
    QPushButton* m_close = nullptr;
};
