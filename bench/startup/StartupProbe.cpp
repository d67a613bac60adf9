// Starts the real main window on a prepared data folder and prints "ready" once the
// directory list is filled and the start page has loaded.
//   kestrine_startup_probe <data folder> <vendor host:port>
#include "ui/about/ResourceScheme.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QApplication>
#include <QListWidget>
#include <cstdio>

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

    auto* list = window.findChild<QListWidget*>();
    auto* browser = window.findChild<CBrowserCtrl*>();
    if (!list || !browser || list->count() == 0)
        return 1;
    QObject::connect(browser, &QWebEngineView::loadFinished, &application, [&] {
        std::printf("ready\n");
        std::fflush(stdout);
        application.quit();
    });
    return application.exec();
}
