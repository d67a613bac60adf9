#include "ui/main_window/SubmitterDlg.h"

#include "common/BuildConfig.h"
#include "directory_db/UntrustedXml.h"
#include "history/HistoryRecorder.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageEvents.h"
#include "ui/directory_list/DirectoryListPanel.h"
#include "ui/main_window/AssistantStatus.h"
#include "ui/main_window/SubmissionSession.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/profiles/ProfileSelector.h"

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
constexpr int kPanelTop = 66;
constexpr int kListTop = 122;

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
    m_profile = new CCurrentProfile(m_profileManager.Profiles(), m_environment.dataFolder,
                                    m_presenter, this);
    m_profile->setObjectName(QStringLiteral("currentProfile"));
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
    m_session = new CSubmissionSession(*m_browser, m_database, *m_profile, m_environment.clock,
                                       m_presenter, this);
    m_session->setObjectName(QStringLiteral("submissionSession"));
    m_browser->Navigate(VendorUrl("/updates/"));
    m_directoryPanel = new CDirectoryListPanel(m_presenter, client);
    m_directoryPanel->SetUserDirectoryTest(
        [this](const std::string& name) { return m_database.IsUserDirectory(name); });
    m_profileCombo = new CProfileSelector(client);
    m_profileCombo->setObjectName(QStringLiteral("profileCombo"));
    m_profileLabel = new QLabel(tr("Profile:"), client);
    m_profileLabel->setObjectName(QStringLiteral("profileLabel"));
    m_fillButton = new QPushButton(tr("&Fill current page"), client);
    m_fillButton->setObjectName(QStringLiteral("fillButton"));
    m_status = new CAssistantStatus(*statusBar());

    // Programmatic changes of the list's selection and the selector's are quiet, so the
    // handlers see only the user's choices.
    connect(m_directoryPanel, &CDirectoryListPanel::directoryPicked, this,
            &CSubmitterDlg::OnSelchangeDirectoryList);
    connect(m_profileCombo, &QComboBox::currentIndexChanged, this,
            &CSubmitterDlg::OnSelchangeProfileCombo);
    connect(m_fillButton, &QPushButton::clicked, this, &CSubmitterDlg::OnFill);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("submissionTimer"));
    connect(m_timer, &QTimer::timeout, this, &CSubmitterDlg::OnTimer);
    connect(m_browser->PageEvents(), &CPageEvents::fillReported, m_status,
            &CAssistantStatus::ShowFillReport);
    connect(m_directoryPanel, &CDirectoryListPanel::progressChanged, m_status,
            &CAssistantStatus::ShowProgress);
    connect(m_directoryPanel, &CDirectoryListPanel::statusReported, m_status,
            &CAssistantStatus::ShowStatus);
    connect(m_directoryPanel, &CDirectoryListPanel::markRequested, this,
            &CSubmitterDlg::SetSentByHand);
    ConnectSession();
    connect(&m_startupDatabaseWatcher, &QFutureWatcher<DatabaseRead>::finished, this,
            &CSubmitterDlg::OnDatabaseRead);
    client->installEventFilter(this);
}

void CSubmitterDlg::CreateMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddHistoryCommands(file);
    file->addAction(tr("E&xit"), this, &CSubmitterDlg::OnExit);

    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    settings->addAction(tr("Manage Profiles"), this, &CSubmitterDlg::OnManageProfiles);
    settings->addAction(tr("Update RSS Directory Database"), this,
                        &CSubmitterDlg::OnUpdateDatabase);
    settings->addAction(tr("Check Feed"), this, &CSubmitterDlg::OnCheckFeed);

    CreateDirectoryMenus();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("User Guide"), this, &CSubmitterDlg::OnUserGuide);
    help->addAction(tr("Support"), this, &CSubmitterDlg::OnSupport);
    help->addAction(tr("&About Kestrine"), this, &CSubmitterDlg::OnAbout);
}

void CSubmitterDlg::OnInitDialog()
{
    const std::string rememberedName = m_profile->LoadStateFile();
    m_directoryPanel->SetMarkingProfile(rememberedName);
    m_profileCombo->FillFrom(m_profileManager.Profiles());
    if (m_profile->HasProfile())
        m_profileCombo->SelectByName(rememberedName);

    // The engine needs this thread's event loop to load the start page, so the list waits for
    // the database's read instead of the thread.
    m_startupDatabaseWatcher.setFuture(m_startupDatabase);
    m_timer->start(kTimerPeriodMs);

    QTimer::singleShot(0, m_profile, &CCurrentProfile::WarnIfUnsaveable);
}

void CSubmitterDlg::WarnAboutUserDirectories()
{
    m_presenter.ShowMessage("Kestrine cannot read your own directories in " +
                                UserDirectoriesPath() +
                                ", so the list shows only those of the directory database. "
                                "Kestrine leaves the file as it is: correct it or move it away, "
                                "then start Kestrine again.",
                            "Kestrine", MessageIcon::Exclamation);
}

void CSubmitterDlg::OnDatabaseRead()
{
    if (m_databaseLoaded)
        return;
    DatabaseRead read = m_startupDatabase.result();
    m_startupDatabase = {};
    if (read.userFileUnreadable)
        QTimer::singleShot(0, this, &CSubmitterDlg::WarnAboutUserDirectories);
    m_database.Adopt(std::move(read));
    // Marked for the profile that is current now, which the user may have picked meanwhile.
    RebuildDirectoryList(m_directoryPanel->MarkingProfile());
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
    m_directoryPanel->setGeometry(cx - 235, kPanelTop, 220, cy - kPanelTop - 15);
    // At least the old 35 × 15, and as much as its text takes in the font in use: a fixed
    // size cut off the colon.
    const QSize label = m_profileLabel->sizeHint().expandedTo(QSize(35, 15));
    m_profileLabel->setGeometry(cx - 230, 14, label.width(), label.height());
    m_fillButton->setGeometry(cx - 190, 40, 140, 22);
    m_profileCombo->setGeometry(cx - 180, 11, 150, 20);
    m_browser->setGeometry(10, 10, cx - 260, cy - 25);
}

void CSubmitterDlg::closeEvent(QCloseEvent* event)
{
    // Also before File > Exit: a mark that arrives is saved at once, as every mark is.
    m_session->WaitForPageReads();
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

QString CSubmitterDlg::VendorUrl(const char* path) const
{
    return QString::fromStdString("http://" + m_environment.vendorHost + path);
}

// What the page's submission session reports goes to the status bar, the history, the list's
// marks and the features that take over where the rules end.
void CSubmitterDlg::ConnectSession()
{
    connect(m_session, &CSubmissionSession::opened, this,
            [this](const std::string& directory, const QUrl& page) {
                RecordHistory(HistoryEventKind::Opened, directory, page);
            });
    connect(m_session, &CSubmissionSession::filled, this,
            [this](const std::string& directory, const QUrl& page, const FillReport& report,
                   int fieldsTotal, bool byButton) {
                m_status->ShowFillReport(report);
                RecordHistory(HistoryEventKind::Filled, directory, page, report.fieldsSet,
                              fieldsTotal);
                if (byButton && report.fieldsSet == 0)
                    OfferFillByMeaning();
            });
    connect(m_session, &CSubmissionSession::submitted, this,
            [this](const std::string& directory, const QUrl& page) {
                RecordHistory(HistoryEventKind::Submitted, directory, page);
            });
    connect(m_session, &CSubmissionSession::confirmationRead, this,
            [this](const std::string& directory, const QUrl& page, bool confirmed) {
                RecordHistory(confirmed ? HistoryEventKind::Confirmed
                                        : HistoryEventKind::NotConfirmed,
                              directory, page);
            });
    connect(m_session, &CSubmissionSession::confirmed, this, &CSubmitterDlg::RecordSent);
    connect(m_session, &CSubmissionSession::confirmationUnknown, this,
            &CSubmitterDlg::LearnConfirmation);
}
