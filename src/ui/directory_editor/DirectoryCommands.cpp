#include "ui/directory_editor/DirectoryCommands.h"

#include "common/AtomicFileWriter.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectoryName.h"
#include "directory_db/UserDirectoryFile.h"
#include "page_filling/LearnedDirectory.h"
#include "page_filling/SubmissionCheck.h"
#include "profiles/ProfileStore.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageDescriber.h"
#include "ui/browser/PlainTextInput.h"
#include "ui/directory_editor/DirectoryEditorDlg.h"
#include "ui/directory_editor/YesNoQuestion.h"
#include "ui/directory_panel/DirectoryListPanel.h"
#include "ui/profiles/CurrentProfile.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

namespace {

constexpr int kStatusMilliseconds = 15000;

QString Quoted(const std::string& name)
{
    return QLatin1Char('"') + QString::fromStdString(name) + QLatin1Char('"');
}

} // namespace

CDirectoryCommands::CDirectoryCommands(QMainWindow& window, ShownBrowser browser,
                                       CDirectoryDatabase& database, CDirectoryListPanel& panel,
                                       CCurrentProfile& profile, DataFolder dataFolder,
                                       MessagePresenter& presenter,
                                       std::function<void()> awaitDatabase)
    : QObject(&window), m_window(window), m_browser(std::move(browser)), m_database(database),
      m_panel(panel), m_profile(profile), m_dataFolder(std::move(dataFolder)),
      m_presenter(presenter), m_awaitDatabase(std::move(awaitDatabase))
{}

QMenu* CDirectoryCommands::AddMenus()
{
    QMenu* go = m_window.menuBar()->addMenu(tr("&Go"));
    QAction* open = go->addAction(tr("Open &Address…"), this, &CDirectoryCommands::OnOpenAddress);
    open->setShortcut(QKeySequence(tr("Ctrl+L")));
    QAction* back = go->addAction(tr("&Back"), this, [this] { m_browser().back(); });
    back->setShortcut(QKeySequence::Back);
    QAction* forward = go->addAction(tr("&Forward"), this, [this] { m_browser().forward(); });
    forward->setShortcut(QKeySequence::Forward);
    go->addSeparator();
    QAction* nextUnsent =
        go->addAction(tr("&Next unsent"), &m_panel, &CDirectoryListPanel::OnNextUnsent);
    nextUnsent->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* find =
        go->addAction(tr("Find &directory"), &m_panel, &CDirectoryListPanel::FocusSearch);
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    QMenu* directory = m_window.menuBar()->addMenu(tr("&Directory"));
    m_addThisPage =
        directory->addAction(tr("&Add This Page…"), this, &CDirectoryCommands::OnAddThisPage);
    directory->addAction(tr("&Edit…"), this, &CDirectoryCommands::OnEditDirectory);
    directory->addAction(tr("&Remove"), this, &CDirectoryCommands::OnRemoveDirectory);
    directory->addAction(tr("&Copy to My Directories"), this, &CDirectoryCommands::OnCopyDirectory);
    return directory;
}

void CDirectoryCommands::OnOpenAddress()
{
    bool ok = false;
    const QString text = QInputDialog::getText(&m_window, tr("Open Address"), tr("Address:"),
                                               QLineEdit::Normal, m_browser().url().toString(), &ok)
                             .trimmed();
    if (!ok || text.isEmpty())
        return;
    // As a link would: the page opens, and the directory chosen in the list stays chosen. The
    // page is the user's, not the directory's: a fill still pending is not for it.
    emit addressOpening();
    m_browser().Navigate(QUrl::fromUserInput(text).toString());
}

void CDirectoryCommands::WarnUnreadableFile()
{
    m_presenter.ShowMessage(tr("Kestrine cannot read your own directories in %1, so the list shows "
                               "only those of the directory database. Kestrine leaves the file as "
                               "it is: correct it or move it away, then start Kestrine again.")
                                .arg(QString::fromStdString(m_dataFolder.UserDirectoriesFile()))
                                .toStdString(),
                            "Kestrine", MessageIcon::Exclamation);
}

void CDirectoryCommands::OnAddThisPage()
{
    AddThisPage({});
}

void CDirectoryCommands::AddThisPage(const std::string& fixing)
{
    const std::string caption = tr("Add Directory").toStdString();
    if (m_browser().GetReadyState() != CBrowserCtrl::kReadyStateComplete) {
        m_presenter.ShowMessage(
            tr("Please wait until the page has loaded, then add it again.").toStdString(), caption,
            MessageIcon::None);
        return;
    }
    CPageDescriber(*m_browser().GetDocument())
        .Describe(this, [this, caption, fixing](const PageDescription& page) {
            if (page.fields.empty()) {
                m_presenter.ShowMessage(tr("This page has no form fields to fill. Open the "
                                           "directory's submission page and try again.")
                                            .toStdString(),
                                        caption, MessageIcon::Exclamation);
                return;
            }
            LearnProposal proposal = ProposeLearning(page);
            if (!fixing.empty())
                proposal.name = fixing;
            CDirectoryEditorDlg dialog(proposal, page.address, m_presenter, &m_window);
            if (dialog.exec() != QDialog::Accepted)
                return;
            SaveUserDirectory(dialog.Record(), fixing);
        });
}

void CDirectoryCommands::OnEditDirectory()
{
    const std::string name = SelectedName();
    const std::string caption = tr("Edit Directory").toStdString();
    if (name.empty()) {
        m_presenter.ShowMessage(
            tr("Please choose the directory to edit in the list first.").toStdString(), caption,
            MessageIcon::None);
        return;
    }
    if (!m_database.IsUserDirectory(name)) {
        m_presenter.ShowMessage(tr("%1 comes with the directory database. Choose Directory > "
                                   "Copy to My Directories to make it your own, then edit it.")
                                    .arg(Quoted(name))
                                    .toStdString(),
                                caption, MessageIcon::None);
        return;
    }
    const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(name);
    if (!record)
        return;
    CDirectoryEditorDlg dialog(*record, m_presenter, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        SaveUserDirectory(dialog.Record(), name);
}

void CDirectoryCommands::OnRemoveDirectory()
{
    const std::string name = SelectedName();
    const std::string caption = tr("Remove Directory").toStdString();
    if (name.empty() || !m_database.IsUserDirectory(name)) {
        m_presenter.ShowMessage(tr("Please choose one of your own directories in the list first. "
                                   "Directories of the directory database cannot be removed.")
                                    .toStdString(),
                                caption, MessageIcon::None);
        return;
    }
    if (!AskYesNo(&m_window, tr("Remove %1 from your directories?").arg(Quoted(name)).toStdString(),
                  caption))
        return;
    if (ChangeUserDirectories([&name](CUserDirectoryFile& file) { file.Remove(name); }))
        ShowStatus(tr("Removed %1 from your directories.").arg(Quoted(name)));
}

void CDirectoryCommands::OnCopyDirectory()
{
    const std::string name = SelectedName();
    const std::string caption = tr("Copy to My Directories").toStdString();
    if (name.empty() || m_database.IsUserDirectory(name)) {
        m_presenter.ShowMessage(
            tr("Please choose a directory of the directory database in the list first.")
                .toStdString(),
            caption, MessageIcon::None);
        return;
    }
    const std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(name);
    if (record && ChangeUserDirectories([&record](CUserDirectoryFile& file) { file.Put(*record); }))
        ShowStatus(tr("%1 is now one of your directories: Directory > Edit… "
                      "changes it, updates of the database leave it alone.")
                       .arg(Quoted(name)));
}

void CDirectoryCommands::SaveUserDirectory(DirectoryRecord record, const std::string& replacing)
{
    m_awaitDatabase();
    // A name that stays the same, or only changes its case or spaces, replaces the directory
    // being edited without asking.
    if (DirectoryNameKey(record.name) != DirectoryNameKey(replacing)) {
        std::vector<std::string> names;
        m_database.GetDirectoryNames(names);
        // A name that looks like another directory's names that directory: saved under its
        // name, it takes its place instead of standing beside it, looking the same.
        if (const std::optional<std::string> taken = FindLookAlike(names, record.name)) {
            const std::string question =
                (m_database.IsUserDirectory(*taken)
                     ? tr("You already have a directory named %1. Replace it?")
                     : tr("The directory database has a directory named %1. Yours will take its "
                          "place in the list. Go on?"))
                    .arg(Quoted(*taken))
                    .toStdString();
            if (!AskYesNo(&m_window, question, m_window.windowTitle().toStdString()))
                return;
            record.name = *taken;
        }
    }
    if (!ChangeUserDirectories([&](CUserDirectoryFile& file) { file.Put(record, replacing); }))
        return;
    // Renamed, the directory keeps its sent marks, so it is not offered for a second
    // submission; a vendor's directory of the old name, which it had hidden, keeps them too.
    if (!replacing.empty() && replacing != record.name &&
        m_profile.Store().CarrySentMarks(replacing, record.name, m_panel.HasDirectory(replacing))) {
        m_profile.SaveStateFileOrWarn();
        emit marksChanged();
    }
    // The page shown is the directory's page: filling and submission tracking now follow the
    // new rules.
    emit directorySaved(record.name);
    m_panel.SelectDirectory(record.name);
    ShowStatus(tr("Saved %1 to your directories.").arg(Quoted(record.name)));
}

bool CDirectoryCommands::ChangeUserDirectories(
    const std::function<void(CUserDirectoryFile&)>& change)
{
    if (!m_dataFolder.problem.empty()) {
        m_presenter.ShowMessage(tr("Kestrine cannot save your directories: %1.")
                                    .arg(QString::fromStdString(m_dataFolder.problem))
                                    .toStdString(),
                                tr("Error").toStdString(), MessageIcon::Exclamation);
        return false;
    }
    CUserDirectoryFile file(m_dataFolder.UserDirectoriesFile());
    if (!file.Load()) {
        m_presenter.ShowMessage(file.Error(), tr("Error").toStdString(), MessageIcon::Exclamation);
        return false;
    }
    change(file);
    CAtomicFileWriter writer;
    const WriteOutcome outcome = file.Save(writer);
    if (!outcome.ok) {
        m_presenter.ShowMessage(tr("Kestrine could not save your directories to mydirs.xml: %1.")
                                    .arg(QString::fromStdString(outcome.error))
                                    .toStdString(),
                                tr("Error").toStdString(), MessageIcon::Exclamation);
        return false;
    }
    m_awaitDatabase();
    const std::string selected = SelectedName();
    m_database.ReloadUserFile(m_dataFolder.UserDirectoriesFile());
    emit directoriesChanged();
    m_panel.SelectDirectory(selected);
    return true;
}

void CDirectoryCommands::LearnConfirmation(const std::string& directory, const std::string& profile,
                                           const std::string& html)
{
    CPageDescriber(*m_browser().GetDocument())
        .ReadGreeting(this, [this, directory, profile, html](const std::string& greeting) {
            // Proposed only as it stands in the page's source, where later checks look for it.
            std::string proposal = TextAsHtmlSource(greeting);
            if (!IsSubmissionConfirmed(html, proposal))
                proposal.clear();
            const std::optional<QString> answer = AskForPlainText(
                &m_window, tr("Confirmation text"),
                tr("Kestrine does not know yet how \"%1\" confirms a submission.\n"
                   "If this page confirms yours, keep or change the text below: Kestrine "
                   "will look for it after later submissions and marks the directory sent "
                   "now.")
                    .arg(QString::fromStdString(directory)),
                QString::fromStdString(proposal));
            const QString text = answer.value_or(QString()).trimmed();
            if (text.isEmpty())
                return;
            std::optional<DirectoryRecord> record = m_database.GetDirectoryRecord(directory);
            if (!record)
                return;
            record->confirmation = text.toStdString();
            if (ChangeUserDirectories([&record, &directory](CUserDirectoryFile& file) {
                    file.Put(*record, directory);
                }))
                emit confirmed(profile, directory);
        });
}

std::string CDirectoryCommands::SelectedName() const
{
    return m_panel.SelectedDirectory().value_or(std::string());
}

void CDirectoryCommands::ShowStatus(const QString& text)
{
    m_window.statusBar()->showMessage(text, kStatusMilliseconds);
}
