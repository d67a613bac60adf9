#include "ui/directory_check/DirectoryCheckDialog.h"

#include "ui/directory_check/DirectoryCheckText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* PlainLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton* Button(const QString& text, QWidget* parent, const char* objectName)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

} // namespace

CDirectoryCheckDialog::CDirectoryCheckDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Check Directories"));
    auto* layout = new QVBoxLayout(this);
    m_status = PlainLabel(this, "checkStatus");
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("checkProgress"));
    m_counts = PlainLabel(this, "checkCounts");
    m_problem = PlainLabel(this, "checkProblem");
    m_problem->setStyleSheet(QStringLiteral("color: #b42318;"));
    layout->addWidget(m_status);
    layout->addWidget(m_bar);
    layout->addWidget(m_counts);
    layout->addWidget(m_problem);

    auto* buttons = new QHBoxLayout;
    m_resume = Button(tr("Resume"), this, "resumeButton");
    m_cancel = Button(tr("Cancel"), this, "cancelButton");
    m_close = Button(tr("Close"), this, "closeButton");
    buttons->addStretch();
    buttons->addWidget(m_resume);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(m_cancel, &QPushButton::clicked, this, &CDirectoryCheckDialog::cancelRequested);
    connect(m_resume, &QPushButton::clicked, this, &CDirectoryCheckDialog::resumeRequested);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    ShowStarted();
}

void CDirectoryCheckDialog::ShowStarted()
{
    m_progress = {};
    m_status->setText(tr("Reading the directories\u2026"));
    m_bar->setRange(0, 0); // busy until the number of directories is known
    m_counts->clear();
    m_problem->clear();
    m_problem->hide();
    SetRunning(true);
}

void CDirectoryCheckDialog::ShowProgress(const DirectoryCheckProgress& progress)
{
    m_progress = progress;
    m_status->setText(tr("Checked %1 of %n directories", nullptr, static_cast<int>(progress.total))
                          .arg(progress.done));
    m_bar->setRange(0, static_cast<int>(progress.total));
    m_bar->setValue(static_cast<int>(progress.done));
    m_counts->setText(DirectoryCheckCounts(progress));
}

void CDirectoryCheckDialog::ShowFinished(size_t skipped, const QString& problem)
{
    const int done = static_cast<int>(m_progress.done);
    QString text = done == 1 ? tr("Checked %n directory.", nullptr, done)
                             : tr("Checked %n directories.", nullptr, done);
    if (skipped != 0)
        text += QLatin1Char(' ') + tr("%n checked in the last 7 days were left out.", nullptr,
                                      static_cast<int>(skipped));
    m_status->setText(text);
    m_bar->setRange(0, 1);
    m_bar->setValue(1);
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    SetRunning(false);
}

void CDirectoryCheckDialog::ShowCancelled()
{
    // Each count in a text of its own, so that each carries its own grammatical number.
    //: %1 is the number of directories checked, %2 how many there are ("12 directories"); the
    //: noun may go with either, as the language wants it.
    m_status->setText(tr("Cancelled after %1 of %2. Resume goes on where the check stopped.")
                          .arg(tr("%n", "the directories checked before the check was cancelled",
                                  static_cast<int>(m_progress.done)),
                               tr("%n directories", "all the directories of the cancelled check",
                                  static_cast<int>(m_progress.total))));
    if (m_bar->maximum() == 0)
        m_bar->setRange(0, 1);
    SetRunning(false, true);
}

void CDirectoryCheckDialog::reject()
{
    if (m_running)
        emit cancelRequested();
    QDialog::reject();
}

void CDirectoryCheckDialog::SetRunning(bool running, bool resumable)
{
    m_running = running;
    m_cancel->setVisible(running);
    m_resume->setVisible(resumable);
    m_close->setVisible(!running);
    (running ? m_cancel : m_close)->setDefault(true);
}
