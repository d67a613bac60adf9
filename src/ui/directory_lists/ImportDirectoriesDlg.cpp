#include "ui/directory_lists/ImportDirectoriesDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString ActionText(const ImportCandidate& candidate)
{
    switch (candidate.action) {
    case ImportAction::Add:
        return CImportDirectoriesDlg::tr("Add");
    case ImportAction::Replace:
        return CImportDirectoriesDlg::tr("Replace yours, which says something else");
    case ImportAction::Leave:
        return CImportDirectoriesDlg::tr("Leave: you have it already");
    case ImportAction::Refuse:
        break;
    }
    return CImportDirectoriesDlg::tr("Cannot be used: %1")
        .arg(QString::fromStdString(candidate.problem));
}

bool CanBeTaken(const ImportCandidate& candidate)
{
    return candidate.action == ImportAction::Add || candidate.action == ImportAction::Replace;
}

} // namespace

CImportDirectoriesDlg::CImportDirectoriesDlg(DirectoryImport import, const QString& fileName,
                                             QWidget* parent)
    : QDialog(parent), m_import(std::move(import))
{
    setWindowTitle(tr("Import Directories"));
    auto* intro = new QLabel(
        tr("What %1 would do to your directories. Ticked directories are imported.").arg(fileName),
        this);
    intro->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("importList"));
    m_list->setAccessibleName(tr("Directories in the list"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Directory"), tr("Import")});
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (const ImportCandidate& candidate : m_import.candidates)
        AddRow(candidate);
    connect(m_list, &QTreeWidget::itemChanged, this, &CImportDirectoriesDlg::OnItemChanged);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("importSummary"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_importButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_importButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(640, 400);
    ShowSummary();
}

void CImportDirectoriesDlg::AddRow(const ImportCandidate& candidate)
{
    auto* item = new QTreeWidgetItem(
        m_list, {QString::fromStdString(candidate.record.name), ActionText(candidate)});
    if (CanBeTaken(candidate)) {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, candidate.accepted ? Qt::Checked : Qt::Unchecked);
    } else {
        item->setFlags(Qt::ItemIsSelectable);
    }
    item->setToolTip(1, QString::fromStdString(candidate.record.submitUrl));
}

void CImportDirectoriesDlg::OnItemChanged(QTreeWidgetItem* item)
{
    const int row = m_list->indexOfTopLevelItem(item);
    if (row < 0)
        return;
    m_import.candidates[static_cast<size_t>(row)].accepted = item->checkState(0) == Qt::Checked;
    ShowSummary();
}

void CImportDirectoriesDlg::ShowSummary()
{
    size_t adds = 0;
    size_t replaces = 0;
    for (const ImportCandidate& candidate : m_import.candidates) {
        if (candidate.accepted && candidate.action == ImportAction::Add)
            ++adds;
        if (candidate.accepted && candidate.action == ImportAction::Replace)
            ++replaces;
    }
    // Each count in a text of its own, so that each carries its own grammatical number.
    m_summary->setText(
        //: The four parts below: "Adds 3", "replaces 1 of your directories", "2 you have
        //: already", "0 cannot be used".
        tr("%1 and %2; %3, %4.")
            .arg(tr("Adds %n", nullptr, static_cast<int>(adds)),
                 tr("replaces %n of your directories", nullptr, static_cast<int>(replaces)),
                 tr("%n you have already", nullptr,
                    static_cast<int>(m_import.Count(ImportAction::Leave))),
                 tr("%n cannot be used", nullptr,
                    static_cast<int>(m_import.Count(ImportAction::Refuse)))));
    m_importButton->setEnabled(adds + replaces > 0);
}
