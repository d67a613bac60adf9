#include "ui/settings/WorkAheadDlg.h"

#include "ui/settings/ProgramSettings.h"
#include "ui/settings/SettingsProblem.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

CWorkAheadDlg::CWorkAheadDlg(CProgramSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Work Ahead"));
    const CProgramSettings::WorkAhead workAhead = m_settings.TabsWorkAhead();
    auto* explanation = new QLabel(
        tr("While you work on one directory, Kestrine loads and fills the next unsent ones in "
           "tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes "
           "memory. 0 turns working ahead off."),
        this);
    explanation->setWordWrap(true);
    m_readyTabs = new QSpinBox(this);
    m_readyTabs->setObjectName(QStringLiteral("readyTabs"));
    m_readyTabs->setRange(0, CProgramSettings::kMostReadyTabs);
    m_readyTabs->setValue(workAhead.readyTabs);
    m_keepFinishedTabs = new QCheckBox(tr("&Keep finished tabs open"), this);
    m_keepFinishedTabs->setObjectName(QStringLiteral("keepFinishedTabs"));
    m_keepFinishedTabs->setToolTip(
        tr("A tab whose result page has been read closes by itself once you have left it, "
           "unless this is on."));
    m_keepFinishedTabs->setChecked(workAhead.keepFinishedTabs);

    auto* fields = new QFormLayout;
    fields->addRow(tr("&Directories kept ready:"), m_readyTabs);
    fields->addRow(m_keepFinishedTabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CWorkAheadDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void CWorkAheadDlg::accept()
{
    if (SettingsKept(*this, m_settings.SetTabsWorkAhead(
                                {m_readyTabs->value(), m_keepFinishedTabs->isChecked()})))
        QDialog::accept();
}
