#pragma once

#include <QDialog>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

class QLabel;
class QPushButton;

// Asks the user to wait while a new directory database is downloaded on a worker thread and
// put in place. The dialog ends with the download's result: kUpdateSucceeded, kUpdateFailed,
// kUpdateCancelled, or kUpdateInternalError when nothing could be attempted. It stays painted
// and shows how much has arrived; Cancel (or Escape) stops the transfer and keeps the old
// database.
class CUpdateDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit CUpdateDialog(QWidget* parent = nullptr);
    ~CUpdateDialog() override;

    // Set by the caller before the dialog runs; the worker reads copies of them.
    std::string m_url;
    std::string m_destination;

public slots:
    // Stops the download; the dialog ends as soon as the worker has let go of the transfer.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnTimer();
    bool StartWorker();
    // Worker side: asks the window to show the new count, unless it has not shown the last one.
    void PostProgress(uint64_t bytesReceived);
    void OnProgress();
    void OnFinished(int result);

    QLabel* m_progressLabel = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_timerStarted = false;
    std::thread m_worker;
    std::atomic<uint64_t> m_bytesReceived{0};
    std::atomic<bool> m_progressPosted{false};
    std::atomic<bool> m_cancel{false};
};
