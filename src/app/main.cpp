#include "ui/about/ResourceScheme.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Both must be settled before the application object exists: the browser engine learns
    // its URL schemes once, and shares its OpenGL contexts with the widgets.
    RegisterResourceScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);

    CSubmitterDlg window;
    window.show();
    // The program ends when its one window closes.
    return application.exec();
}
