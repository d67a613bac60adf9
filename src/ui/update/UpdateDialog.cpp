#include "ui/update/UpdateDialog.h"

#include "update/DatabaseDownloader.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kStartDelayMs = 50;

} // namespace

CUpdateDialog::CUpdateDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("Update RSS directory database"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Please wait while the RSS directory database is updated"), this));
    m_progressLabel = new QLabel(this);
    layout->addWidget(m_progressLabel);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_cancelButton = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &CUpdateDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CUpdateDialog::~CUpdateDialog()
{
    // Only reached early if the application quits under a running download; the worker still
    // touches this object until it ends.
    if (m_worker.joinable())
        m_worker.join();
}

void CUpdateDialog::reject()
{
    // The worker (or OnTimer, when it has not started yet) ends the dialog.
    m_cancel = true;
    m_cancelButton->setEnabled(false);
}

void CUpdateDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_timerStarted)
        return;
    m_timerStarted = true;
    // Should the dialog ever be hidden before the download reports, that must not pass for
    // success (exec() has just set the result to 0).
    setResult(kUpdateInternalError);
    // The window gets painted before any work starts.
    QTimer::singleShot(kStartDelayMs, this, &CUpdateDialog::OnTimer);
}

void CUpdateDialog::OnTimer()
{
    if (m_cancel)
        done(kUpdateCancelled);
    else if (m_url.empty() || m_destination.empty() || !StartWorker())
        done(kUpdateInternalError);
}

bool CUpdateDialog::StartWorker()
{
    try {
        m_worker = std::thread([this, url = m_url, destination = m_destination] {
            CDatabaseDownloader downloader;
            downloader.SetProgressCallback([this](uint64_t bytes) { PostProgress(bytes); });
            // The database's own folder is the user's, unlike the shared temporary folder.
            const std::string folder = std::filesystem::path(destination).parent_path().string();
            const int result = downloader.Download(url, destination, folder, &m_cancel);
            QMetaObject::invokeMethod(
                this, [this, result] { OnFinished(result); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void CUpdateDialog::PostProgress(uint64_t bytesReceived)
{
    m_bytesReceived = bytesReceived;
    if (!m_progressPosted.exchange(true))
        QMetaObject::invokeMethod(
            this, [this] { OnProgress(); }, Qt::QueuedConnection);
}

void CUpdateDialog::OnProgress()
{
    m_progressPosted = false;
    // The download stops far below what an int holds (DownloadLimits::ForUpdate).
    const auto bytes = static_cast<int>(m_bytesReceived.load());
    m_progressLabel->setText(tr("%Ln bytes received", nullptr, bytes));
}

void CUpdateDialog::OnFinished(int result)
{
    m_worker.join();
    done(result);
}
