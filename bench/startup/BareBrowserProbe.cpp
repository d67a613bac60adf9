// The baseline for the start-up benchmark: the least a program can do to show the start page
// in a QWebEngineView. Prints "ready" once the page has loaded.
//   kestrine_startup_baseline <start page URL>
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);

    QWebEngineView view;
    view.resize(927, 645);
    view.show();
    QObject::connect(&view, &QWebEngineView::loadFinished, &application, [&] {
        std::printf("ready\n");
        std::fflush(stdout);
        application.quit();
    });
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    return application.exec();
}
