// Starts the real main window on a prepared data folder and prints "ready" and its resident
// size in kB once the directory list is filled and the start page has loaded.
//   kestrine_startup_probe <data folder> <vendor host:port>
#include "ui/about/ResourceScheme.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QApplication>
#include <QListView>
#include <cstdio>
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
    window.show();

    // Ready once the start page has loaded and the list is filled, in whichever order.
    auto* list = window.findChild<QListView*>(QStringLiteral("directoryList"));
    auto* browser = window.findChild<CBrowserCtrl*>();
    if (!list || !browser)
        return 1;
    bool pageLoaded = false;
    const auto reportWhenReady = [&] {
        if (!pageLoaded || !window.IsDatabaseLoaded())
            return;
        if (list->model()->rowCount() == 0) {
            application.exit(1);
            return;
        }
        std::printf("ready %ld\n", ResidentKilobytes());
        std::fflush(stdout);
        application.quit();
    };
    QObject::connect(browser, &QWebEngineView::loadFinished, &application, [&] {
        pageLoaded = true;
        reportWhenReady();
    });
    QObject::connect(&window, &CSubmitterDlg::databaseLoaded, &application, reportWhenReady);
    return application.exec();
}
