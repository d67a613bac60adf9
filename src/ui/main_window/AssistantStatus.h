#pragma once

#include "page_filling/FillReport.h"

#include <QObject>
#include <QString>
#include <optional>

class QLabel;
class QStatusBar;

// The submission assistant's part of the status bar, a line per concern: what the fill of the
// page shown achieved (or why Next unsent found nothing), and how many directories the current
// profile has sent to, with the results still being read in the background. What a user must
// hear is announced to screen readers from the status bar, as a live region does on the web.
class CAssistantStatus final : public QObject
{
    Q_OBJECT

public:
    explicit CAssistantStatus(QStatusBar& statusBar);

    // None when the page shown has no fill of the program's.
    void ShowFillReport(const std::optional<FillReport>& report);
    void ShowStatus(const StatusMessage& message);
    void ShowProgress(const QString& progress);
    void ShowPendingResults(int pending);
    // Says `text` to screen readers: a fill's report, a directory marked sent, the end of a
    // check or an update.
    void Announce(const QString& text);

private:
    QStatusBar& m_statusBar;
    QLabel* m_fillStatus = nullptr;
    QLabel* m_progressStatus = nullptr;
    QString m_progress;
    int m_pendingResults = 0;
};
