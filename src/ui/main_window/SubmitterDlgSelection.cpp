#include "page_filling/DirectoryListEntry.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <utility>
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
    // The page may depend on the profile's category; the database reports its own failures.
    const std::string url = m_database.GetDirectorySubmitPage(
        m_currentDirectory, m_currentProfile.cat, m_currentProfile.subcat);
    const bool opening = m_browser->Navigate(QString::fromStdString(url));
    if (!opening && !url.empty()) {
        m_presenter.ShowMessage("The submission page of \"" + m_currentDirectory +
                                    "\" cannot be opened: \"" + url + "\" is not a web address.",
                                "Error", MessageIcon::Exclamation);
    }
    // Without a new page the one shown stays, ready for the Fill button; a fill armed now
    // would fall on whatever page loads next.
    m_fillPending = opening;
    if (opening)
        RecordHistory(HistoryEventKind::Opened, m_currentDirectory,
                      QUrl(QString::fromStdString(url)));
    m_submitted = false;
}

void CSubmitterDlg::OnSelchangeProfileCombo()
{
    if (m_profileCombo->currentIndex() < 0 && m_hasProfile)
        return;

    // The stored bytes, not the text shown: a name that is not UTF-8 (an old Latin-1 sv.dat)
    // shows with replacement characters that no profile is called by.
    const std::string name = m_profileCombo->currentData().toByteArray().toStdString();
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

    // Each entry shows its name and carries the name's bytes.
    std::vector<std::pair<QString, QByteArray>> entries;
    entries.reserve(names.size());
    for (const std::string& name : names)
        entries.emplace_back(QString::fromStdString(name), QByteArray::fromStdString(name));
    // A sorted selector, as the user expects to find a name; equal names keep store order.
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });

    const QSignalBlocker blocker(m_profileCombo);
    m_profileCombo->clear();
    for (const auto& [text, name] : entries)
        m_profileCombo->addItem(text, name);
    m_profileCombo->setCurrentIndex(-1);
}

void CSubmitterDlg::SelectProfileByName(const std::string& name)
{
    const QSignalBlocker blocker(m_profileCombo);
    m_profileCombo->setCurrentIndex(m_profileCombo->findData(QByteArray::fromStdString(name)));
}
