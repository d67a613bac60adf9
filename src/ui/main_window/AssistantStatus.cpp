#include "ui/main_window/AssistantStatus.h"

#include <QAccessible>
#include <QLabel>
#include <QStatusBar>
#include <QStringList>

namespace {

// Dark enough to read on a light status bar, plainly not the normal text colour.
constexpr QColor kWarningColour(176, 0, 32);

} // namespace

CAssistantStatus::CAssistantStatus(QStatusBar& statusBar)
    : QObject(&statusBar), m_statusBar(statusBar)
{
    // Both quote what the database and the profile say: field and profile names, never markup.
    m_fillStatus = new QLabel(&statusBar);
    m_fillStatus->setObjectName(QStringLiteral("fillStatus"));
    m_fillStatus->setTextFormat(Qt::PlainText);
    m_progressStatus = new QLabel(&statusBar);
    m_progressStatus->setObjectName(QStringLiteral("progressStatus"));
    m_progressStatus->setTextFormat(Qt::PlainText);
    statusBar.addWidget(m_fillStatus, 1);
    statusBar.addPermanentWidget(m_progressStatus);
    statusBar.setAccessibleName(tr("Status"));
}

void CAssistantStatus::ShowFillReport(const std::optional<FillReport>& report)
{
    ShowStatus(report ? DescribeFill(*report) : StatusMessage());
    if (report)
        Announce(m_fillStatus->text());
}

void CAssistantStatus::Announce(const QString& text)
{
    // Qt has no announcement of its own here: the status bar's description carries the words,
    // and an alert on it has them read out even while the keyboard is in the page.
    m_statusBar.setAccessibleDescription(text);
    QAccessibleEvent changed(&m_statusBar, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(&m_statusBar, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void CAssistantStatus::ShowStatus(const StatusMessage& message)
{
    QPalette palette = m_statusBar.palette();
    if (message.warning)
        palette.setColor(QPalette::WindowText, kWarningColour);
    m_fillStatus->setPalette(palette);
    m_fillStatus->setText(QString::fromStdString(message.text));
}

void CAssistantStatus::ShowProgress(const QString& progress)
{
    m_progress = progress;
    ShowPendingResults(m_pendingResults);
}

void CAssistantStatus::ShowPendingResults(int pending)
{
    m_pendingResults = pending;
    QStringList parts;
    if (!m_progress.isEmpty())
        parts.append(m_progress);
    if (pending > 0)
        parts.append(pending == 1 ? tr("%n result pending", nullptr, pending)
                                  : tr("%n results pending", nullptr, pending));
    m_progressStatus->setText(parts.join(QStringLiteral(" \u00b7 ")));
}
