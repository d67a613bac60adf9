// Starts the real main window on a prepared data folder and prints, with its resident size in
// kB, "usable" once the window is mapped, the directory list filled and the start page
// requested, then "ready" once the start page has loaded as well.
//   kestrine_startup_probe <data folder> <vendor host:port>
#include "ui/about/ResourceScheme.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QApplication>
#include <QListView>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <fstream>
#include <unistd.h>

namespace {

long ResidentKilobytes()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Report(const char* moment)
{
    std::printf("%s %ld\n", moment, ResidentKilobytes());
    std::fflush(stdout);
}

// Calls `changed` whenever the window it watches is exposed.
class ExposureWatcher final : public QObject
{
public:
    ExposureWatcher(QWindow* window, std::function<void()> changed)
        : QObject(window), m_changed(std::move(changed))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool result = QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Expose)
            m_changed();
        return result;
    }

private:
    std::function<void()> m_changed;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    RegisterResourceScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);

    SubmitterEnvironment environment = SubmitterEnvironment::Default(DataFolder::At(argv[1]));
    environment.vendorHost = argv[2];
    CSubmitterDlg window(environment);
    auto* list = window.findChild<QListView*>(QStringLiteral("directoryList"));
    auto* browser = window.findChild<CBrowserCtrl*>();
    if (!list || !browser)
        return 1;

    bool pageRequested = false;
    bool pageLoaded = false;
    bool usableReported = false;
    const auto reportProgress = [&] {
        const QWindow* handle = window.windowHandle();
        if (!handle || !handle->isExposed() || !window.IsDatabaseLoaded() || !pageRequested)
            return;
        if (list->model()->rowCount() == 0) {
            application.exit(1);
            return;
        }
        if (!usableReported) {
            usableReported = true;
            Report("usable");
        }
        if (pageLoaded) {
            Report("ready");
            application.quit();
        }
    };
    QObject::connect(browser, &QWebEngineView::loadStarted, &application, [&] {
        pageRequested = true;
        reportProgress();
    });
    QObject::connect(browser, &QWebEngineView::loadFinished, &application, [&] {
        pageLoaded = true;
        reportProgress();
    });
    QObject::connect(&window, &CSubmitterDlg::databaseLoaded, &application, reportProgress);
    window.winId(); // the native window exists before it is shown, so that its exposure is seen
    new ExposureWatcher(window.windowHandle(), reportProgress);
    window.show();
    return application.exec();
}
