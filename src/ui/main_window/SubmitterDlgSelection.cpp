#include "page_filling/DirectoryListEntry.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <vector>

void CSubmitterDlg::OnSelchangeDirectoryList()
{
    if (!m_hasProfile) {
        m_presenter.ShowMessage("Please create a profile first!", "Error",
                                MessageIcon::Exclamation);
        return;
    }
    const int row = SelectedDirectoryRow();
    if (row < 0)
        return;

    m_currentDirectory = DirectoryNameFromEntry(m_directoryList->item(row)->text().toStdString());
    // The page may depend on the profile's category; the database reports its own failures
    // and the browser is sent wherever it answers.
    const std::string url = m_database.GetDirectorySubmitPage(
        m_currentDirectory, m_currentProfile.cat, m_currentProfile.subcat);
    m_browser->Navigate(QString::fromStdString(url));
    RecordHistory(HistoryEventKind::Opened, m_currentDirectory, QUrl(QString::fromStdString(url)));
    m_fillPending = true;
    m_submitted = false;
}

void CSubmitterDlg::OnSelchangeProfileCombo()
{
    if (m_profileCombo->currentIndex() < 0 && m_hasProfile)
        return;

    const std::string name = m_profileCombo->currentText().toStdString();
    // Picking a profile while none is current makes it current: otherwise the only way out of
    // that state would be the Profile Manager, although a profile is right there to pick.
    if (m_profileManager.Profiles().GetProfile(name, m_currentProfile))
        m_hasProfile = true;

    const int row = SelectedDirectoryRow();
    RebuildDirectoryList(name);
    {
        const QSignalBlocker blocker(m_directoryList);
        m_directoryList->setCurrentRow(row);
    }
    if (m_hasProfile)
        OnSelchangeDirectoryList();
}

void CSubmitterDlg::RebuildDirectoryList(const std::string& markingProfileName)
{
    std::vector<std::string> names;
    m_database.GetDirectoryNames(names);

    QStringList entries;
    entries.reserve(static_cast<qsizetype>(names.size()));
    const CProfileStore& store = m_profileManager.Profiles();
    for (const std::string& name : names) {
        SentMarker marker = SentMarker::None;
        if (m_hasProfile)
            marker =
                store.IsSent(markingProfileName, name) ? SentMarker::Sent : SentMarker::NotSent;
        entries.append(QString::fromStdString(MakeDirectoryListEntry(name, marker)));
    }

    const QSignalBlocker blocker(m_directoryList);
    m_directoryList->clear();
    m_directoryList->addItems(entries);
    MarkUserDirectories();
}

int CSubmitterDlg::SelectedDirectoryRow() const
{
    const QList<QListWidgetItem*> selected = m_directoryList->selectedItems();
    return selected.isEmpty() ? -1 : m_directoryList->row(selected.front());
}

void CSubmitterDlg::FillProfileCombo()
{
    std::vector<std::string> names;
    m_profileManager.Profiles().GetProfileNames(names);

    QStringList entries;
    entries.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        entries.append(QString::fromStdString(name));
    // A sorted selector, as the user expects to find a name; equal names keep store order.
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });

    const QSignalBlocker blocker(m_profileCombo);
    m_profileCombo->clear();
    m_profileCombo->addItems(entries);
    m_profileCombo->setCurrentIndex(-1);
}

void CSubmitterDlg::SelectProfileByName(const std::string& name)
{
    const QSignalBlocker blocker(m_profileCombo);
    m_profileCombo->setCurrentIndex(m_profileCombo->findText(
        QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive));
}
