#include "common/AtomicFileWriter.h"
#include "directory_db/UserDirectoryFile.h"
#include "page_filling/LearnedDirectory.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageDescriber.h"
#include "ui/directory_check/DirectoryCheckController.h"
#include "ui/directory_editor/DirectoryEditorDlg.h"
#include "ui/main_window/DirectoryListModel.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <algorithm>

namespace {

constexpr int kStatusMilliseconds = 15000;

std::string Quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

} // namespace

void CSubmitterDlg::CreateDirectoryMenus()
{
    QMenu* go = menuBar()->addMenu(tr("&Go"));
    QAction* open = go->addAction(tr("Open &Address…"), this, &CSubmitterDlg::OnOpenAddress);
    open->setShortcut(QKeySequence(tr("Ctrl+L")));
    QAction* back = go->addAction(tr("&Back"), m_browser, &QWebEngineView::back);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = go->addAction(tr("&Forward"), m_browser, &QWebEngineView::forward);
    forward->setShortcut(QKeySequence::Forward);
    go->addSeparator();
    QAction* nextUnsent = go->addAction(tr("&Next unsent"), this, &CSubmitterDlg::OnNextUnsent);
    nextUnsent->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* find = go->addAction(tr("&Find directory"), this, [this] {
        m_searchBox->setFocus(Qt::ShortcutFocusReason);
        m_searchBox->selectAll();
    });
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    QMenu* directory = menuBar()->addMenu(tr("&Directory"));
    directory->addAction(tr("&Add This Page…"), this, &CSubmitterDlg::OnAddThisPage);
    directory->addAction(tr("&Edit…"), this, &CSubmitterDlg::OnEditDirectory);
    directory->addAction(tr("&Remove"), this, &CSubmitterDlg::OnRemoveDirectory);
    directory->addAction(tr("&Copy to My Directories"), this, &CSubmitterDlg::OnCopyDirectory);
    directory->addSeparator();
    directory->addAction(tr("Check &Directories\u2026"), this, [this] {
        m_directoryCheck->CheckDirectories(m_currentProfile.cat, m_currentProfile.subcat);
    });
    directory->addAction(tr("Re&pair\u2026"), this,
                         [this] { m_directoryCheck->Repair(SelectedDirectoryName()); });
}

void CSubmitterDlg::OnOpenAddress()
{
    bool ok = false;
    const QString text = QInputDialog::getText(this, tr("Open Address"), tr("Address:"),
                                               QLineEdit::Normal, m_browser->url().toString(), &ok)
                             .trimmed();
    if (!ok || text.isEmpty())
        return;
    // As a link would: the page opens, and the directory chosen in the list stays chosen.
    m_browser->Navigate(QUrl::fromUserInput(text).toString());
}

std::string CSubmitterDlg::UserDirectoriesPath() const
{
    // Without a data folder there is no file, rather than one in whatever folder is current.
    if (m_environment.dataFolder.path.empty())
        return {};
    return m_environment.dataFolder.UserDirectoriesFile();
}

void CSubmitterDlg::OnAddThisPage()
{
    AddThisPage({});
}

void CSubmitterDlg::AddThisPage(const std::string& fixing)
{
    const std::string caption = tr("Add Directory").toStdString();
    if (m_browser->GetReadyState() != CBrowserCtrl::kReadyStateComplete) {
        m_presenter.ShowMessage("Please wait until the page has loaded, then add it again.",
                                caption, MessageIcon::None);
        return;
    }
    CPageDescriber(*m_browser->GetDocument())
        .Describe(this, [this, caption, fixing](const PageDescription& page) {
            if (page.fields.empty()) {
                m_presenter.ShowMessage("This page has no form fields to fill. Open the "
                                        "directory's submission page and try again.",
                                        caption, MessageIcon::Exclamation);
                return;
            }
            LearnProposal proposal = ProposeLearning(page);
            if (!fixing.empty())
                proposal.name = fixing;
            CDirectoryEditorDlg dialog(proposal, page.address, m_presenter, this);
            if (dialog.exec() != QDialog::Accepted)
                return;
            SaveUserDirectory(dialog.Record(), fixing);
        });
}

void CSubmitterDlg::OnEditDirectory()
{
    const std::string name = SelectedDirectoryName();
    const std::string caption = tr("Edit Directory").toStdString();
    if (name.empty()) {
        m_presenter.ShowMessage("Please choose the directory to edit in the list first.", caption,
                                MessageIcon::None);
        return;
    }
    if (!m_database.IsUserDirectory(name)) {
        m_presenter.ShowMessage(Quoted(name) +
                                    " comes with the directory database. Choose Directory > "
                                    "Copy to My Directories to make it your own, then edit it.",
                                caption, MessageIcon::None);
        return;
    }
    const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(name);
    if (!record)
        return;
    CDirectoryEditorDlg dialog(*record, m_presenter, this);
    if (dialog.exec() == QDialog::Accepted)
        SaveUserDirectory(dialog.Record(), name);
}

void CSubmitterDlg::OnRemoveDirectory()
{
    const std::string name = SelectedDirectoryName();
    const std::string caption = tr("Remove Directory").toStdString();
    if (name.empty() || !m_database.IsUserDirectory(name)) {
        m_presenter.ShowMessage("Please choose one of your own directories in the list first. "
                                "Directories of the directory database cannot be removed.",
                                caption, MessageIcon::None);
        return;
    }
    if (!AskYesNo("Remove " + Quoted(name) + " from your directories?", caption))
        return;
    if (ChangeUserDirectories([&name](CUserDirectoryFile& file) { file.Remove(name); }))
        statusBar()->showMessage(
            tr("Removed %1 from your directories.").arg(QString::fromStdString(Quoted(name))),
            kStatusMilliseconds);
}

void CSubmitterDlg::OnCopyDirectory()
{
    const std::string name = SelectedDirectoryName();
    const std::string caption = tr("Copy to My Directories").toStdString();
    if (name.empty() || m_database.IsUserDirectory(name)) {
        m_presenter.ShowMessage("Please choose a directory of the directory database in the "
                                "list first.",
                                caption, MessageIcon::None);
        return;
    }
    const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(name);
    if (record && ChangeUserDirectories([&record](CUserDirectoryFile& file) { file.Put(*record); }))
        statusBar()->showMessage(tr("%1 is now one of your directories: Directory > Edit… "
                                    "changes it, updates of the database leave it alone.")
                                     .arg(QString::fromStdString(Quoted(name))),
                                 kStatusMilliseconds);
}

void CSubmitterDlg::SaveUserDirectory(const DirectoryRecord& record, const std::string& replacing)
{
    AwaitStartupDatabase();
    // A name that stays the same replaces the directory being edited without asking.
    if (record.name != replacing) {
        std::vector<std::string> names;
        m_database.GetDirectoryNames(names);
        const bool taken = std::find(names.begin(), names.end(), record.name) != names.end();
        const std::string question =
            m_database.IsUserDirectory(record.name)
                ? "You already have a directory named " + Quoted(record.name) + ". Replace it?"
                : "The directory database has a directory named " + Quoted(record.name) +
                      ". Yours will take its place in the list. Go on?";
        if (taken && !AskYesNo(question, windowTitle().toStdString()))
            return;
    }
    if (!ChangeUserDirectories([&](CUserDirectoryFile& file) { file.Put(record, replacing); }))
        return;
    // Renamed, the directory keeps its sent marks, so it is not offered for a second
    // submission; a vendor's directory of the old name, which it had hidden, keeps them too.
    if (!replacing.empty() && replacing != record.name &&
        m_profileManager.Profiles().CarrySentMarks(
            replacing, record.name, m_directoryModel->FindDirectory(replacing).has_value())) {
        SaveStateFileOrWarn();
        MarkDirectoryList(m_currentProfile.name);
    }
    // The page shown is the directory's page: filling and submission tracking now follow the
    // new rules.
    m_currentDirectory = record.name;
    SelectDirectoryEntry(record.name);
    emit userDirectorySaved(record.name);
    statusBar()->showMessage(
        tr("Saved %1 to your directories.").arg(QString::fromStdString(Quoted(record.name))),
        kStatusMilliseconds);
}

bool CSubmitterDlg::ChangeUserDirectories(const std::function<void(CUserDirectoryFile&)>& change)
{
    if (!m_environment.dataFolder.problem.empty()) {
        m_presenter.ShowMessage(
            "Kestrine cannot save your directories: " + m_environment.dataFolder.problem + ".",
            "Error", MessageIcon::Exclamation);
        return false;
    }
    CUserDirectoryFile file(UserDirectoriesPath());
    if (!file.Load()) {
        m_presenter.ShowMessage(file.Error(), "Error", MessageIcon::Exclamation);
        return false;
    }
    change(file);
    CAtomicFileWriter writer;
    const WriteOutcome outcome = file.Save(writer);
    if (!outcome.ok) {
        m_presenter.ShowMessage(
            "Kestrine could not save your directories to mydirs.xml: " + outcome.error + ".",
            "Error", MessageIcon::Exclamation);
        return false;
    }
    AwaitStartupDatabase();
    const std::string selected = SelectedDirectoryName();
    m_database.ReloadUserFile(UserDirectoriesPath());
    RebuildDirectoryList(m_currentProfile.name);
    SelectDirectoryEntry(selected);
    return true;
}

std::string CSubmitterDlg::SelectedDirectoryName() const
{
    const std::optional<size_t> directory = SelectedDirectory();
    return directory ? m_directoryModel->DirectoryName(*directory) : std::string();
}

void CSubmitterDlg::SelectDirectoryEntry(const std::string& directory)
{
    SelectDirectory(m_directoryModel->FindDirectory(directory));
}

bool CSubmitterDlg::AskYesNo(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
