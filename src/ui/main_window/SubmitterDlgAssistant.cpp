#include "page_filling/DirectoryFilter.h"
#include "page_filling/FillReport.h"
#include "page_filling/NextUnsent.h"
#include "page_filling/SubmissionProgress.h"
#include "ui/main_window/DirectoryFilterProxy.h"
#include "ui/main_window/DirectoryListModel.h"
#include "ui/main_window/DirectoryListView.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStatusBar>

namespace {

// Dark enough to read on a light status bar, plainly not the normal text colour.
constexpr QColor kWarningColour(176, 0, 32);

} // namespace

void CSubmitterDlg::CreateAssistantControls(QWidget* client)
{
    m_nextUnsentButton = new QPushButton(tr("Next unsent"), client);
    m_nextUnsentButton->setObjectName(QStringLiteral("nextUnsentButton"));
    m_searchBox = new QLineEdit(client);
    m_searchBox->setObjectName(QStringLiteral("directorySearch"));
    m_searchBox->setPlaceholderText(tr("Search directories"));
    m_searchBox->setClearButtonEnabled(true);
    m_unsentOnlyBox = new QCheckBox(tr("Unsent only"), client);
    m_unsentOnlyBox->setObjectName(QStringLiteral("unsentOnly"));
    m_hideUnreachableBox = new QCheckBox(tr("Hide unreachable"), client);
    m_hideUnreachableBox->setObjectName(QStringLiteral("hideUnreachable"));

    m_fillStatus = new QLabel(this);
    m_fillStatus->setObjectName(QStringLiteral("fillStatus"));
    m_progressStatus = new QLabel(this);
    m_progressStatus->setObjectName(QStringLiteral("progressStatus"));
    statusBar()->addWidget(m_fillStatus, 1);
    statusBar()->addPermanentWidget(m_progressStatus);

    connect(m_nextUnsentButton, &QPushButton::clicked, this, &CSubmitterDlg::OnNextUnsent);
    connect(m_searchBox, &QLineEdit::textChanged, this, &CSubmitterDlg::OnFilterChanged);
    connect(m_unsentOnlyBox, &QCheckBox::toggled, this, &CSubmitterDlg::OnFilterChanged);
    connect(m_hideUnreachableBox, &QCheckBox::toggled, this, &CSubmitterDlg::OnFilterChanged);
}

void CSubmitterDlg::OnNextUnsent()
{
    if (!m_hasProfile) {
        m_presenter.ShowMessage("Please create a profile first!", "Error",
                                MessageIcon::Exclamation);
        return;
    }
    const auto shown = [this](size_t directory) {
        return m_directoryFilter->RowOf(directory) >= 0;
    };
    // A directory the last check found gone would only waste the user's time.
    const auto worthOpening = [&](size_t directory) {
        return shown(directory) && !m_directoryModel->IsFoundDead(directory);
    };
    const std::vector<uint8_t>& sent = m_directoryModel->SentFlags();
    const std::optional<size_t> next = NextUnsent(sent, SelectedDirectory(), worthOpening);
    if (!next) {
        const bool deadLeft = NextUnsent(sent, std::nullopt, shown).has_value();
        ShowStatus(
            {DescribeNothingUnsent(m_markingProfile, m_directoryFilter->IsFiltering(), deadLeft),
             false});
        return;
    }
    SelectDirectory(next);
    OnSelchangeDirectoryList();
}

void CSubmitterDlg::OnFilterChanged()
{
    // The selection stays with its directory, and goes only when the filter hides it; the view
    // would otherwise move it to a neighbour. Neither is a pick of another directory.
    const std::optional<size_t> selected = SelectedDirectory();
    {
        const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
        m_directoryFilter->SetFilter(
            CDirectoryFilter(m_searchBox->text().toStdString(), m_unsentOnlyBox->isChecked()),
            m_hideUnreachableBox->isChecked());
    }
    SelectDirectory(selected);
}

void CSubmitterDlg::ShowProgress()
{
    m_progressStatus->setText(
        m_hasProfile ? QString::fromStdString(DescribeProgress(m_directoryModel->SentCount(),
                                                               m_directoryModel->DirectoryCount(),
                                                               m_markingProfile))
                     : QString());
}

void CSubmitterDlg::ShowFillReport(const FillReport& report)
{
    ShowStatus(DescribeFill(report));
}

void CSubmitterDlg::ShowStatus(const StatusMessage& message)
{
    QPalette palette = statusBar()->palette();
    if (message.warning)
        palette.setColor(QPalette::WindowText, kWarningColour);
    m_fillStatus->setPalette(palette);
    m_fillStatus->setText(QString::fromStdString(message.text));
}
