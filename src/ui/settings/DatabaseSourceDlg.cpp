#include "ui/settings/DatabaseSourceDlg.h"

#include "ui/settings/ProgramSettings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDatabaseSourceDlg::CDatabaseSourceDlg(CProgramSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Database Source"));
    auto* explanation = new QLabel(
        tr("Update RSS Directory Database downloads the directory database from this address "
           "(http or https):"),
        this);
    explanation->setWordWrap(true);
    m_address = new QLineEdit(m_settings.DatabaseSource(), this);
    m_address->setObjectName(QStringLiteral("sourceAddress"));
    m_address->setMinimumWidth(m_address->fontMetrics().averageCharWidth() * 60);
    explanation->setBuddy(m_address);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("sourceProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDatabaseSourceDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { m_address->setText(m_settings.DefaultDatabaseSource()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_address);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

void CDatabaseSourceDlg::accept()
{
    const QString problem = m_settings.SetDatabaseSource(m_address->text());
    if (!problem.isEmpty()) {
        m_problem->setText(problem);
        m_problem->show();
        m_address->setFocus();
        return;
    }
    QDialog::accept();
}
