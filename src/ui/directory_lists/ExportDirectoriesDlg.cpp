#include "ui/directory_lists/ExportDirectoriesDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CExportDirectoriesDlg::CExportDirectoriesDlg(std::vector<DirectoryRecord> directories,
                                             QWidget* parent)
    : QDialog(parent), m_directories(std::move(directories))
{
    setWindowTitle(tr("Export My Directories"));
    auto* intro =
        new QLabel(tr("Your directories to write to a list that others can import:"), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("exportList"));
    m_list->setAccessibleName(tr("Your directories"));
    for (const DirectoryRecord& directory : m_directories) {
        auto* item = new QListWidgetItem(QString::fromStdString(directory.name), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_exportButton = buttons->addButton(tr("&Export…"), QDialogButtonBox::AcceptRole);
    m_exportButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemChanged, this,
            [this] { m_exportButton->setEnabled(!Chosen().empty()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

std::vector<DirectoryRecord> CExportDirectoriesDlg::Chosen() const
{
    std::vector<DirectoryRecord> chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            chosen.push_back(m_directories[static_cast<size_t>(row)]);
    }
    return chosen;
}
