#include "ui/main_window/SubmitterDlg.h"

#include "common/BuildConfig.h"
#include "directory_db/UntrustedXml.h"
#include "history/HistoryRecorder.h"
#include "profiles/StateFile.h"
#include "ui/about/HelpPages.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageEvents.h"
#include "ui/directory_lists/DirectoryListCommands.h"
#include "ui/directory_check/DirectoryCheckController.h"
#include "ui/main_window/DirectoryEntryDelegate.h"
#include "ui/main_window/DirectoryFilterProxy.h"
#include "ui/main_window/DirectoryListModel.h"
#include "ui/main_window/DirectoryListView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The window was drawn in dialog units of an 8 pt "MS Shell Dlg", whose character cell is
// about 6 × 13 pixels: a horizontal unit is a quarter of its width, a vertical one an eighth of
// its height.
constexpr QSize kInitialClientSize(618 * 6 / 4, 397 * 13 / 8);

// Where the list begins, under the Fill and Next unsent buttons and the filter.
constexpr int kListTop = 142;

// Below this the layout would give the browser or the list a negative size.
constexpr QSize kMinimumClientSize(260, kListTop + 15);

constexpr int kTimerPeriodMs = 100;

QFuture<DatabaseRead> StartDatabaseRead(const std::string& path, const std::string& userPath)
{
    // libxml2 sets itself up on this thread before any worker parses.
    InitUntrustedXml();
    return QtConcurrent::run(&CDirectoryDatabase::ReadFile, path, userPath);
}

// The first control with text waits for the font database, which reads the system's font
// configuration; a worker fills it meanwhile, while this thread starts the browser engine.
QFuture<void> StartFontDatabase()
{
    return QtConcurrent::run([] { QFontDatabase::families(); });
}

} // namespace

// The icon lives in the program's resources, which a static library holds: the linker keeps
// them only when something refers to them. (Q_INIT_RESOURCE cannot be used in a namespace.)
static void InitIconResource()
{
    Q_INIT_RESOURCE(kestrine);
}

SubmitterEnvironment SubmitterEnvironment::Default(DataFolder dataFolder)
{
    return {.dataFolder = std::move(dataFolder),
            .vendorHost = kestrine::kVendorHost,
            .clock = SystemMilliseconds};
}

CSubmitterDlg::CSubmitterDlg(SubmitterEnvironment environment, QWidget* parent)
    : QMainWindow(parent), m_environment(std::move(environment)),
      m_startupDatabase(
          StartDatabaseRead(m_environment.dataFolder.databaseFile, UserDirectoriesPath())),
      m_fontDatabase(StartFontDatabase()), m_windowBoxes(this), m_unownedBoxes(nullptr),
      m_presenter(m_environment.windowMessages ? *m_environment.windowMessages : m_windowBoxes),
      m_databasePresenter(m_environment.databaseMessages ? *m_environment.databaseMessages
                                                         : m_unownedBoxes),
      m_database(m_databasePresenter)
{
    InitIconResource();
    m_icon = QIcon(QStringLiteral(":/icons/kestrine.svg"));
    setWindowTitle(tr("Kestrine V1.0"));
    setWindowIcon(m_icon);
    CreateControls();
    CreateMenu();
    StartHistory();
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    resize(kInitialClientSize + QSize(0, menuHeight + statusBar()->sizeHint().height()));
    OnInitDialog();
}

CSubmitterDlg::~CSubmitterDlg()
{
    m_fontDatabase.waitForFinished();
}

void CSubmitterDlg::CreateControls()
{
    auto* client = new QWidget(this);
    client->setMinimumSize(kMinimumClientSize);
    setCentralWidget(client);

    // Created in tab order. The object names let tests and accessibility tools find them.
    m_browser = new CBrowserCtrl(client);
    m_browser->setObjectName(QStringLiteral("browser"));
    // The start page does not depend on anything else of the window, and loads while the rest
    // is built and the database is read.
    InstallSubmitEventSink();
    m_helpPages = new CHelpPages(
        *m_browser, m_environment.vendorHost, [this] { return StartState(); }, this);
    m_helpPages->Show(CHelpPages::Page::Start);
    connect(this, &CSubmitterDlg::databaseLoaded, m_helpPages, &CHelpPages::ShowState);
    m_directoryModel = new CDirectoryListModel(this);
    m_directoryModel->SetUserDirectoryTest(
        [this](const std::string& name) { return m_database.IsUserDirectory(name); });
    m_directoryFilter = new CDirectoryFilterProxy(*m_directoryModel, this);
    m_directoryList = new CDirectoryListView(client);
    m_directoryList->setObjectName(QStringLiteral("directoryList"));
    m_directoryList->setModel(m_directoryFilter);
    m_directoryList->setItemDelegate(new CDirectoryEntryDelegate(m_directoryList));
    m_profileCombo = new QComboBox(client);
    m_profileCombo->setObjectName(QStringLiteral("profileCombo"));
    m_profileLabel = new QLabel(tr("Profile:"), client);
    m_profileLabel->setObjectName(QStringLiteral("profileLabel"));
    m_fillButton = new QPushButton(tr("&Fill current page"), client);
    m_fillButton->setObjectName(QStringLiteral("fillButton"));
    CreateAssistantControls(client);
    m_directoryCheck = new CDirectoryCheckController(
        {m_environment.dataFolder.databaseFile, UserDirectoriesPath(),
         m_environment.dataFolder.problem.empty() ? HistoryPath() : std::string()},
        *m_browser, m_presenter, this);
    connect(m_directoryCheck, &CDirectoryCheckController::resultsArrived, m_directoryModel,
            &CDirectoryListModel::MergeCheckResults);
    connect(m_directoryCheck, &CDirectoryCheckController::addThisPageRequested, this,
            &CSubmitterDlg::AddThisPage);
    connect(this, &CSubmitterDlg::userDirectorySaved, m_directoryCheck,
            &CDirectoryCheckController::CheckAgain);
    m_directoryCheck->LoadResults();

    // Programmatic changes of the selection go through SelectDirectory, and the selector's are
    // blocked, so the handlers see only the user's choices.
    connect(m_directoryList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] {
                if (!m_changingSelection)
                    OnSelchangeDirectoryList();
            });
    connect(m_profileCombo, &QComboBox::currentIndexChanged, this,
            &CSubmitterDlg::OnSelchangeProfileCombo);
    connect(m_fillButton, &QPushButton::clicked, this, &CSubmitterDlg::OnFill);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("submissionTimer"));
    connect(m_timer, &QTimer::timeout, this, &CSubmitterDlg::OnTimer);
    connect(m_browser->PageEvents(), &CPageEvents::pageReady, this, &CSubmitterDlg::OnPageReady);
    connect(m_browser->PageEvents(), &CPageEvents::fillReported, this,
            &CSubmitterDlg::ShowFillReport);
    connect(&m_startupDatabaseWatcher, &QFutureWatcher<DatabaseRead>::finished, this,
            &CSubmitterDlg::OnDatabaseRead);
    client->installEventFilter(this);
}

void CSubmitterDlg::CreateMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    auto* directoryLists = new CDirectoryListCommands(
        [this]() -> const CDirectoryDatabase& {
            AwaitStartupDatabase();
            return m_database;
        },
        [this](const auto& change) { return ChangeUserDirectories(change); }, m_presenter, this);
    directoryLists->AddTo(file);
    AddHistoryCommands(file);
    file->addAction(tr("E&xit"), this, &CSubmitterDlg::OnExit);

    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    settings->addAction(tr("Manage Profiles"), this, &CSubmitterDlg::OnManageProfiles);
    settings->addAction(tr("Update RSS Directory Database"), this,
                        &CSubmitterDlg::OnUpdateDatabase);
    settings->addAction(tr("Database Source…"), this, &CSubmitterDlg::OnDatabaseSource);
    settings->addAction(tr("Check Feed"), this, &CSubmitterDlg::OnCheckFeed);

    CreateDirectoryMenus();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("User Guide"), this, &CSubmitterDlg::OnUserGuide);
    help->addAction(tr("Support"), this, &CSubmitterDlg::OnSupport);
    help->addAction(tr("&About Kestrine"), this, &CSubmitterDlg::OnAbout);
}

void CSubmitterDlg::OnInitDialog()
{
    std::string rememberedName;
    if (!m_environment.dataFolder.path.empty())
        state_file::Load(StateFilePath(), rememberedName, m_profileManager.Profiles());
    m_markingProfile = rememberedName;
    if (!rememberedName.empty()) {
        // Current even when no stored profile carries the name: every entry then shows
        // " [not sent]" until the user picks or manages a profile.
        m_profileManager.Profiles().GetProfile(rememberedName, m_currentProfile);
        m_hasProfile = true;
    }

    FillProfileCombo();
    if (m_hasProfile)
        SelectProfileByName(rememberedName);

    // The engine needs this thread's event loop to load the start page, so the list waits for
    // the database's read instead of the thread.
    m_startupDatabaseWatcher.setFuture(m_startupDatabase);
    m_timer->start(kTimerPeriodMs);

    if (!m_environment.dataFolder.problem.empty())
        QTimer::singleShot(0, this, &CSubmitterDlg::WarnAboutDataFolder);
}

void CSubmitterDlg::WarnAboutDataFolder()
{
    m_presenter.ShowMessage(
        "Kestrine cannot save your profiles: " + m_environment.dataFolder.problem +
            ". You can go on working, but changes to your profiles and the "
            "directories marked as sent will be lost when Kestrine closes.",
        "Kestrine", MessageIcon::Exclamation);
}

void CSubmitterDlg::OnDatabaseRead()
{
    if (m_databaseLoaded)
        return;
    m_database.Adopt(m_startupDatabase.result());
    m_startupDatabase = {};
    // Marked for the profile that is current now, which the user may have picked meanwhile.
    RebuildDirectoryList(m_markingProfile);
    m_databaseLoaded = true;
    emit databaseLoaded();
}

void CSubmitterDlg::AwaitStartupDatabase()
{
    if (m_databaseLoaded)
        return;
    m_startupDatabase.waitForFinished();
    OnDatabaseRead();
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
    // The right-hand column keeps to the right edge; the browser takes the rest. Next unsent
    // sits under the Fill button and the filter above the list, which starts below them.
    m_directoryList->setGeometry(cx - 235, kListTop, 220, cy - kListTop - 15);
    // At least the old 35 × 15, and as much as its text takes in the font in use: a fixed
    // size cut off the colon.
    const QSize label = m_profileLabel->sizeHint().expandedTo(QSize(35, 15));
    m_profileLabel->setGeometry(cx - 230, 14, label.width(), label.height());
    m_fillButton->setGeometry(cx - 190, 40, 140, 22);
    m_profileCombo->setGeometry(cx - 180, 11, 150, 20);
    m_browser->setGeometry(10, 10, cx - 260, cy - 25);
    m_nextUnsentButton->setGeometry(cx - 190, 66, 140, 22);
    m_searchBox->setGeometry(cx - 235, 94, 220, 22);
    m_unsentOnlyBox->setGeometry(cx - 235, 120, 100, 18);
    m_hideUnreachableBox->setGeometry(cx - 130, 120, 115, 18);
}

void CSubmitterDlg::closeEvent(QCloseEvent* event)
{
    // Also before File > Exit: a mark that arrives is saved at once, as every mark is.
    WaitForPageReads();
    if (m_exitWithoutSaving || SaveStateFileOrWarn())
        event->accept();
    else
        event->ignore();
}

void CSubmitterDlg::OnExit()
{
    m_exitWithoutSaving = true;
    close();
}

WriteOutcome CSubmitterDlg::SaveStateFile()
{
    // The copy's name, not the selector's text: that is the profile the window works with.
    const std::string currentName = m_hasProfile ? m_currentProfile.name : std::string();
    return state_file::Save(StateFilePath(), currentName, m_profileManager.Profiles());
}

bool CSubmitterDlg::SaveStateFileOrWarn()
{
    // The user heard at start why nothing can be saved, and nothing is written anywhere else.
    if (!m_environment.dataFolder.problem.empty())
        return true;
    const WriteOutcome outcome = SaveStateFile();
    if (!outcome.ok) {
        m_presenter.ShowMessage(
            "Kestrine could not save your profiles to sv.dat: " + outcome.error +
                ". Fix the problem and close the window again, or choose "
                "File > Exit to quit without saving.",
            "Error", MessageIcon::Exclamation);
    }
    return outcome.ok;
}

std::string CSubmitterDlg::StateFilePath() const
{
    return m_environment.dataFolder.StateFile();
}

QString CSubmitterDlg::VendorUrl(const char* path) const
{
    return QString::fromStdString("http://" + m_environment.vendorHost + path);
}
