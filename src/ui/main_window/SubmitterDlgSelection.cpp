#include "page_filling/SentFlags.h"
#include "ui/main_window/DirectoryFilterProxy.h"
#include "ui/main_window/DirectoryListModel.h"
#include "ui/main_window/DirectoryListView.h"
#include "ui/main_window/SubmissionSession.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/profiles/ProfileSelector.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <utility>
#include <vector>

void CSubmitterDlg::OnSelchangeDirectoryList()
{
    if (!m_profile->HasProfile()) {
        m_presenter.ShowMessage("Please create a profile first!", "Error",
                                MessageIcon::Exclamation);
        return;
    }
    const std::optional<size_t> directory = SelectedDirectory();
    if (!directory)
        return;

    // The row's own name: the entry's text cut at " [" would confuse "Feeds [EN]" with
    // "Feeds [DE]".
    m_session->OpenDirectory(m_directoryModel->DirectoryName(*directory));
}

void CSubmitterDlg::OnSelchangeProfileCombo()
{
    if (m_profileCombo->currentIndex() < 0 && m_profile->HasProfile())
        return;

    // The stored bytes, not the text shown: a name that is not UTF-8 (an old Latin-1 sv.dat)
    // shows with replacement characters that no profile is called by.
    const std::string name = m_profileCombo->ChosenName();
    m_profile->Pick(name);

    // Only the markers change, so the selected entry stays where it is.
    MarkDirectoryList(name);
    if (m_profile->HasProfile())
        OnSelchangeDirectoryList();
}

void CSubmitterDlg::RebuildDirectoryList(const std::string& markingProfileName)
{
    {
        const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
        m_directoryModel->SetDirectories(m_database.DirectoryNames());
    }
    MarkDirectoryList(markingProfileName);
}

void CSubmitterDlg::MarkDirectoryList(const std::string& markingProfileName)
{
    m_markingProfile = markingProfileName;
    std::vector<uint8_t> sent;
    if (const auto names = m_database.DirectoryNames(); names && m_profile->HasProfile())
        sent = SentFlags(*names, m_profileManager.Profiles().SentSetsOf(markingProfileName));
    {
        // Under "unsent only" a mark can hide the selected entry; that is no pick either.
        const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
        m_directoryModel->SetMarks(m_profile->HasProfile(), std::move(sent));
    }
    ShowProgress();
}

std::optional<size_t> CSubmitterDlg::SelectedDirectory() const
{
    const QModelIndexList selected = m_directoryList->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return m_directoryFilter->DirectoryAt(selected.front().row());
}

void CSubmitterDlg::SelectDirectory(std::optional<size_t> directory)
{
    const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
    const int row = directory ? m_directoryFilter->RowOf(*directory) : -1;
    if (row < 0) {
        m_directoryList->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex entry = m_directoryFilter->index(row, 0);
    m_directoryList->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    m_directoryList->scrollTo(entry);
}
