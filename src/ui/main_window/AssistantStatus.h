#pragma once

#include "page_filling/FillReport.h"

#include <QObject>

class QLabel;
class QStatusBar;

// The submission assistant's part of the status bar: what the last fill achieved (or why Next
// unsent found nothing), and how many directories the current profile has sent to.
class CAssistantStatus final : public QObject
{
    Q_OBJECT

public:
    explicit CAssistantStatus(QStatusBar& statusBar);

    void ShowFillReport(const FillReport& report);
    void ShowStatus(const StatusMessage& message);
    void ShowProgress(const QString& progress);

private:
    QStatusBar& m_statusBar;
    QLabel* m_fillStatus = nullptr;
    QLabel* m_progressStatus = nullptr;
};
