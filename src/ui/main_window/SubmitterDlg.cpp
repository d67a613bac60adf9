#include "ui/main_window/SubmitterDlg.h"

#include "common/BuildConfig.h"
#include "history/HistoryEvent.h"
#include "ui/about/HelpPages.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/directory_check/DirectoryCheckController.h"
#include "ui/directory_editor/DirectoryCommands.h"
#include "ui/directory_editor/MeaningFillOffer.h"
#include "ui/directory_lists/DirectoryListCommands.h"
#include "ui/directory_panel/DirectoryListPanel.h"
#include "ui/feed_check/FeedCheckCommands.h"
#include "ui/history/HistoryCommands.h"
#include "ui/language/LanguageDlg.h"
#include "ui/mail/ConfirmationMails.h"
#include "ui/main_window/AssistantStatus.h"
#include "ui/main_window/KeyboardNavigator.h"
#include "ui/main_window/StartupReads.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/profiles/ProfileSelector.h"
#include "ui/settings/ConfirmationMailsDlg.h"
#include "ui/settings/DatabaseSourceDlg.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/tabs/BrowserTabs.h"
#include "ui/tabs/CategoryPicks.h"
#include "ui/tabs/SubmissionSession.h"
#include "ui/tabs/WorkAhead.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>

namespace {

// The window was drawn in dialog units of an 8 pt "MS Shell Dlg", whose character cell is
// about 6 × 13 pixels: a horizontal unit is a quarter of its width, a vertical one an eighth of
// its height.
constexpr QSize kInitialClientSize(618 * 6 / 4, 397 * 13 / 8);

// Where the directory panel begins in the default font: Next unsent under the Fill button, then
// the search box and the filters, and the list, which ends 15 pixels above the bottom. A larger
// font moves them down.
constexpr int kPanelTop = 66;
constexpr int kListTop = 168;

// Below this the layout would give the browser or, in the default font, the list a negative
// size.
constexpr QSize kMinimumClientSize(260, kListTop + 15);

} // namespace

// The icon lives in the program's resources, which a static library holds: the linker keeps
// them only when something refers to them. (Q_INIT_RESOURCE cannot be used in a namespace.)
static void InitIconResource()
{
    Q_INIT_RESOURCE(kestrine);
}

CProgramSettings SubmitterEnvironment::UpdateSettings() const
{
    // Without a choice of the user's, updates come from the build's vendor.
    return CProgramSettings(dataFolder.path,
                            QString::fromStdString("http://" + vendorHost + "/updates/demo.xml"));
}

SubmitterEnvironment SubmitterEnvironment::Default(DataFolder dataFolder)
{
    return {.dataFolder = std::move(dataFolder),
            .vendorHost = kestrine::kVendorHost,
            .clock = SystemMilliseconds};
}

CSubmitterDlg::CSubmitterDlg(SubmitterEnvironment environment, QWidget* parent)
    : QMainWindow(parent), m_environment(std::move(environment)),
      m_startup(new CStartupReads(m_environment.dataFolder.databaseFile,
                                  m_environment.dataFolder.UserDirectoriesFile(), this)),
      m_presenters(this, m_environment.windowMessages, m_environment.databaseMessages),
      m_database(m_presenters.Database())
{
    InitIconResource();
    // The program's name and version, the same in every language.
    setWindowTitle(QStringLiteral("Kestrine V1.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kestrine.svg")));
    m_profile = new CCurrentProfile(m_profileManager.Profiles(), m_environment.dataFolder,
                                    m_presenters.Window(), this);
    m_profile->setObjectName(QStringLiteral("currentProfile"));
    CreateControls();
    CreateMenu();
    ConnectParts();
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    resize(kInitialClientSize + QSize(0, menuHeight + statusBar()->sizeHint().height()));
    OnInitDialog();
}

CSubmitterDlg::~CSubmitterDlg() = default;

void CSubmitterDlg::CreateControls()
{
    auto* client = new QWidget(this);
    client->setMinimumSize(kMinimumClientSize);
    setCentralWidget(client);

    // Where the history cannot be kept, neither can the user's category picks.
    const DataFolder& folder = m_environment.dataFolder;
    m_tabs = new CBrowserTabs(
        {m_database, *m_profile, m_environment.clock, m_presenters.Window(),
         std::make_shared<CCategoryChoiceFile>(
             folder.problem.empty() && !folder.path.empty() ? folder.HistoryFile() : "")},
        client);
    // The start page does not depend on anything else of the window, and loads while the rest
    // is built and the database is read. It shows the user's work once that is known.
    m_helpPages = new CHelpPages(
        CurrentTabBrowser(), m_environment.vendorHost,
        [this] {
            StartPageState state;
            state.profiles = m_profileManager.Profiles().Profiles().size();
            if (m_profile->HasProfile())
                state.currentProfile = m_directoryPanel->MarkingProfile();
            if (IsDatabaseLoaded()) {
                state.directories = m_directoryPanel->DirectoryCount();
                state.sent = m_directoryPanel->SentCount();
            }
            return state;
        },
        this);
    m_helpPages->Show(CHelpPages::Page::Start);
    connect(this, &CSubmitterDlg::databaseLoaded, m_helpPages, &CHelpPages::ShowState);
    // The object names let tests and accessibility tools find them.
    m_directoryPanel = new CDirectoryListPanel(m_presenters.Window(), client);
    m_directoryPanel->SetUserDirectoryTest(
        [this](const std::string& name) { return m_database.IsUserDirectory(name); });
    // Where a pick would open the page, which is where a check found what it found.
    m_directoryPanel->SetAddressLookup([this](const std::string& name) {
        const ProfileRecord& profile = m_profile->Record();
        return m_database.QuietSubmitPage(name, profile.cat, profile.subcat);
    });
    m_workAhead = new CWorkAhead(
        *m_tabs, m_environment.UpdateSettings(),
        [this](const std::string& after, size_t count) {
            return m_directoryPanel->NextUnsentAfter(after, count);
        },
        [this] { return m_profile->HasProfile() && IsDatabaseLoaded(); }, this);
    m_profileCombo = new CProfileSelector(client);
    m_profileCombo->setObjectName(QStringLiteral("profileCombo"));
    m_profileLabel = new QLabel(tr("Profile:"), client);
    m_profileLabel->setObjectName(QStringLiteral("profileLabel"));
    m_profileLabel->setBuddy(m_profileCombo);
    m_fillButton = new QPushButton(tr("Fill current &page"), client);
    m_fillButton->setObjectName(QStringLiteral("fillButton"));
    m_directoryPanel->TabThrough({m_profileCombo, m_fillButton});
    new CKeyboardNavigator(*this, *m_directoryPanel, *m_tabs, *m_profileCombo);
    m_status = new CAssistantStatus(*statusBar());
    // The check keeps its findings beside the history, where the history is kept.
    const bool keepsHistory =
        m_environment.dataFolder.problem.empty() && !m_environment.dataFolder.path.empty();
    m_directoryCheck = new CDirectoryCheckController(
        {m_environment.dataFolder.databaseFile, m_environment.dataFolder.UserDirectoriesFile(),
         keepsHistory ? m_environment.dataFolder.HistoryFile() : std::string()},
        CurrentTabBrowser(), m_presenters.Window(), this);
    client->installEventFilter(this);
}

void CSubmitterDlg::CreateMenu()
{
    m_history =
        new CHistoryCommands(*this, m_environment.dataFolder, *m_profile, m_presenters.Window());
    m_directoryCommands = new CDirectoryCommands(
        *this, CurrentTabBrowser(), m_database, *m_directoryPanel, *m_profile,
        m_environment.dataFolder, m_presenters.Window(), [this] { m_startup->Await(); });
    m_feedCheck = new CFeedCheckCommands(*this, m_profileManager.Profiles(), m_presenters.Window());

    QMenu* file = menuBar()->addMenu(tr("&File"));
    auto* directoryLists = new CDirectoryListCommands(
        [this]() -> const CDirectoryDatabase& {
            m_startup->Await();
            return m_database;
        },
        [this](const auto& change) { return m_directoryCommands->ChangeUserDirectories(change); },
        m_presenters.Window(), this);
    directoryLists->AddTo(file);
    m_history->AddCommands(*menuBar(), *file);
    file->addActions(m_tabs->Commands());
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &CSubmitterDlg::OnExit);

    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    settings->addAction(tr("Manage &Profiles"), this, &CSubmitterDlg::OnManageProfiles);
    QAction* update = settings->addAction(tr("&Update RSS Directory Database"), this,
                                          &CSubmitterDlg::OnUpdateDatabase);
    settings->addAction(tr("Database &Source…"), this, [this] {
        CProgramSettings source = m_environment.UpdateSettings();
        CDatabaseSourceDlg(source, this).exec();
    });
    settings->addAction(tr("Check &Feed"), this, &CSubmitterDlg::OnCheckFeed);
    settings->addAction(tr("&Work Ahead\u2026"), this, [this] { m_workAhead->Configure(this); });
    settings->addAction(tr("&Language\u2026"), this, [this] {
        CProgramSettings chosen = m_environment.UpdateSettings();
        CLanguageDlg(chosen, this).exec();
    });
    settings->addAction(tr("Confirmation &Mails\u2026"), this, [this] {
        CProgramSettings mailbox = m_environment.UpdateSettings();
        if (CConfirmationMailsDlg(mailbox, this).exec() == QDialog::Accepted)
            m_confirmationMails->SettingsChanged();
    });

    QMenu* directory = m_directoryCommands->AddMenus();
    ConnectConfirmationMails(*directory);
    directory->addSeparator();
    directory->addAction(tr("Check &Directories\u2026"), this, [this] {
        m_directoryCheck->CheckDirectories(m_profile->Record().cat, m_profile->Record().subcat);
    });
    directory->addAction(tr("Re&pair\u2026"), this, [this] {
        m_tabs->ShowFreeTab();
        m_directoryCheck->Repair(m_directoryPanel->SelectedDirectory().value_or(std::string()));
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("User &Guide"), this, &CSubmitterDlg::OnUserGuide);
    help->addAction(tr("&Support"), this, &CSubmitterDlg::OnSupport);
    help->addAction(tr("&About Kestrine"), this, &CSubmitterDlg::OnAbout);

    m_directoryPanel->OfferWhenEmpty(
        {m_directoryCommands->AddThisPageAction(), directoryLists->ImportAction(), update});
}

// Who hears whom. Programmatic changes of the list's selection and the selector's are quiet,
// so the handlers see only the user's choices.
void CSubmitterDlg::ConnectParts()
{
    auto* meaningFill = new CMeaningFillOffer(*this, CurrentTabBrowser(), m_database, *m_profile);

    connect(m_directoryPanel, &CDirectoryListPanel::directoryPicked, this,
            &CSubmitterDlg::OnSelchangeDirectoryList);
    connect(m_profileCombo, &QComboBox::currentIndexChanged, this,
            &CSubmitterDlg::OnSelchangeProfileCombo);
    connect(m_fillButton, &QPushButton::clicked, this,
            [this] { m_tabs->CurrentTab()->Session().FillNow(); });
    connect(m_startup, &CStartupReads::databaseRead, this, &CSubmitterDlg::OnDatabaseRead);

    // The assistant's status bar.
    connect(m_directoryPanel, &CDirectoryListPanel::progressChanged, m_status,
            &CAssistantStatus::ShowProgress);
    connect(m_directoryPanel, &CDirectoryListPanel::statusReported, m_status,
            &CAssistantStatus::ShowStatus);
    connect(m_directoryPanel, &CDirectoryListPanel::filterChanged, m_workAhead,
            &CWorkAhead::Replan);
    connect(m_tabs, &CBrowserTabs::fillReportShown, m_status, &CAssistantStatus::ShowFillReport);
    connect(m_tabs, &CBrowserTabs::pendingResultsChanged, m_status,
            &CAssistantStatus::ShowPendingResults);

    // What the tabs' submission sessions report.
    connect(m_tabs, &CBrowserTabs::opened, this,
            [this](const std::string& directory, const QUrl& page) {
                m_history->Record(HistoryEventKind::Opened, directory, page);
            });
    connect(m_tabs, &CBrowserTabs::filled, this,
            [this, meaningFill](const std::string& directory, const QUrl& page,
                                const FillReport& report, int fieldsTotal, bool byButton) {
                m_history->Record(HistoryEventKind::Filled, directory, page, report.fieldsSet,
                                  fieldsTotal);
                if (byButton && report.fieldsSet == 0)
                    meaningFill->Offer(directory);
            });
    connect(m_tabs, &CBrowserTabs::submitted, this,
            [this](const std::string& directory, const QUrl& page) {
                m_history->Record(HistoryEventKind::Submitted, directory, page);
            });
    connect(m_tabs, &CBrowserTabs::confirmationRead, this,
            [this](const std::string& directory, const QUrl& page, bool confirmed) {
                m_history->Record(confirmed ? HistoryEventKind::Confirmed
                                            : HistoryEventKind::NotConfirmed,
                                  directory, page);
            });
    connect(m_tabs, &CBrowserTabs::confirmed, this, &CSubmitterDlg::RecordSent);
    connect(m_tabs, &CBrowserTabs::confirmationUnknown, m_directoryCommands,
            &CDirectoryCommands::LearnConfirmation);
    // The list follows the tab shown, so that Next unsent goes on from its directory.
    connect(m_tabs, &CBrowserTabs::currentTabChanged, this, [this] {
        if (const std::string& directory = m_tabs->CurrentTab()->Directory(); !directory.empty())
            m_directoryPanel->SelectDirectory(directory);
    });

    // The user's directories and the marks set by hand.
    connect(m_directoryCommands, &CDirectoryCommands::addressOpening, m_tabs,
            &CBrowserTabs::ShowFreeTab);
    connect(m_directoryCommands, &CDirectoryCommands::directorySaved, this,
            [this](const std::string& directory) {
                m_tabs->CurrentTab()->Session().SetDirectory(directory);
            });
    connect(m_directoryCommands, &CDirectoryCommands::confirmed, this, &CSubmitterDlg::RecordSent);
    connect(m_directoryCommands, &CDirectoryCommands::directoriesChanged, this,
            [this] { RebuildDirectoryList(m_profile->Record().name); });
    connect(m_directoryCommands, &CDirectoryCommands::marksChanged, this, [this] {
        MarkDirectoryList(m_profile->Record().name);
        m_workAhead->Replan();
    });
    connect(m_directoryPanel, &CDirectoryListPanel::markRequested, m_history,
            &CHistoryCommands::SetSentByHand);
    connect(m_history, &CHistoryCommands::marksChanged, this, [this] {
        const std::optional<std::string> selected = m_directoryPanel->SelectedDirectory();
        MarkDirectoryList(m_profile->Record().name);
        m_directoryPanel->SelectDirectory(selected.value_or(std::string()));
        m_workAhead->Replan();
    });
    connect(m_history, &CHistoryCommands::directoryRequested, this,
            [this](const std::string& directory) {
                if (!m_directoryPanel->SelectDirectory(directory)) {
                    m_presenters.Window().ShowMessage(
                        tr("The directory \"%1\" is no longer in the directory database.")
                            .arg(QString::fromStdString(directory))
                            .toStdString(),
                        tr("Error").toStdString(), MessageIcon::Exclamation);
                    return;
                }
                // As if the user picked it in the list: the page opens and fills.
                if (m_directoryPanel->SelectedDirectory())
                    OnSelchangeDirectoryList();
                activateWindow();
            });
    // The directory check's findings, and the repairs it asks for.
    connect(m_directoryCheck, &CDirectoryCheckController::resultsArrived, m_directoryPanel,
            &CDirectoryListPanel::MergeCheckResults);
    connect(m_directoryPanel, &CDirectoryListPanel::addressesMayHaveChanged, m_directoryCheck,
            &CDirectoryCheckController::AddressesChanged);
    connect(m_directoryCheck, &CDirectoryCheckController::checkEnded, m_status,
            &CAssistantStatus::Announce);
    connect(m_directoryCheck, &CDirectoryCheckController::addThisPageRequested, m_directoryCommands,
            &CDirectoryCommands::AddThisPage);
    connect(m_directoryCommands, &CDirectoryCommands::directorySaved, m_directoryCheck,
            &CDirectoryCheckController::CheckAgain);
    m_directoryCheck->LoadResults();
    connect(m_feedCheck, &CFeedCheckCommands::profileChanged, this,
            [this](const std::string& profileName) {
                m_profile->Refresh(profileName);
                m_profile->SaveStateFileOrWarn();
            });
}

ShownBrowser CSubmitterDlg::CurrentTabBrowser()
{
    return [this]() -> CBrowserCtrl& { return m_tabs->CurrentBrowser(); };
}

bool CSubmitterDlg::IsDatabaseLoaded() const
{
    return m_startup->IsDelivered();
}

bool CSubmitterDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        const QSize client = static_cast<QResizeEvent*>(event)->size();
        OnSize(client.width(), client.height());
    }
    return QMainWindow::eventFilter(watched, event);
}

void CSubmitterDlg::OnSize(int cx, int cy)
{
    // The right-hand column keeps to the right edge; the browser takes the rest. The controls
    // keep the places they were drawn at and grow with a larger font, pushing what lies right
    // of or below them along: every text shows whole.
    const int column = cx - 235;
    const int columnWidth = 220;
    // At least the old 35 × 15, and as much as its text takes in the font in use: a fixed
    // size cut off the colon.
    const QSize label = m_profileLabel->sizeHint().expandedTo(QSize(35, 15));
    m_profileLabel->setGeometry(column + 5, 14, label.width(), label.height());
    const int comboLeft = qMax(column + 55, m_profileLabel->geometry().right() + 6);
    const int comboHeight = qMax(20, m_profileCombo->minimumSizeHint().height());
    m_profileCombo->setGeometry(comboLeft, 11, column + 205 - comboLeft, comboHeight);
    const QSize fill(qMax(140, m_fillButton->sizeHint().width()),
                     qMax(22, m_fillButton->minimumSizeHint().height()));
    const int fillTop = qMax(40, m_profileCombo->geometry().bottom() + 8);
    m_fillButton->setGeometry(qMax(column, qMin(column + 45, column + columnWidth - fill.width())),
                              fillTop, fill.width(), fill.height());
    // The panel holds Next unsent under the Fill button, and the filter above the list.
    const int panelTop = qMax(kPanelTop, m_fillButton->geometry().bottom() + 5);
    m_directoryPanel->setGeometry(column, panelTop, columnWidth, qMax(0, cy - panelTop - 15));
    m_tabs->setGeometry(10, 10, cx - 260, cy - 25);
}

void CSubmitterDlg::closeEvent(QCloseEvent* event)
{
    // Also before File > Exit: a mark that arrives is saved at once, as every mark is.
    m_tabs->WaitForPendingResults();
    if (m_exitWithoutSaving || m_profile->SaveStateFileOrWarn())
        event->accept();
    else
        event->ignore();
}

void CSubmitterDlg::OnExit()
{
    m_exitWithoutSaving = true;
    close();
}
