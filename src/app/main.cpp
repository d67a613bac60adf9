#include "app/CommandLine.h"
#include "app/DescribePageCommand.h"
#include "app/DirectoryCheckCommand.h"
#include "app/DirectoryListCommand.h"
#include "app/FeedCheckCommand.h"
#include "app/InstanceLock.h"
#include "app/MailCheckCommand.h"
#include "app/ReportCommand.h"
#include "app/TerminationSignals.h"
#include "common/DataFolderResolver.h"
#include "ui/about/ResourceScheme.h"
#include "ui/language/InterfaceLanguage.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/settings/ProgramSettings.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

int PrintAndExit(const CommandLineRequest& request)
{
    std::fputs(request.output.toLocal8Bit().constData(), stdout);
    std::fputs(request.error.toLocal8Bit().constData(), stderr);
    return request.exitCode;
}

// Says so on the standard error as well: where no screen shows the box (a headless start),
// nobody could read or dismiss it, so it is shown only where it can be seen.
void TellAlreadyRunning()
{
    const QString message =
        QApplication::translate("main", "Kestrine is already running. Switch to its window, or "
                                        "close it before you start Kestrine again.");
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
        QGuiApplication::platformName() == QLatin1String("minimal"))
        return;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kestrine"), message);
    box.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // Both must be settled before any application object exists: the browser engine learns
    // its URL schemes once, and shares its OpenGL contexts with the widgets.
    RegisterResourceScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    // The command line speaks the desktop's language; the window, the one of the settings.
    CInterfaceLanguage language;
    CommandLineRequest request;
    {
        // Qt's parser words its own mistakes ("Unknown option") through the catalogues of an
        // application object. One without a display holds them while the line is read, so that
        // --help and a mistake need no screen.
        QCoreApplication reading(argc, argv);
        language.Load(CInterfaceLanguage::Choose({}, CInterfaceLanguage::DesktopPreferences()));
        CCommandLine commandLine;
        request = commandLine.Parse(CCommandLine::Arguments(argc, argv));
    }
    if (request.action == CommandLineRequest::Action::Exit)
        return PrintAndExit(request);
    // The feed check needs no window, nor a display to open one on.
    if (request.action == CommandLineRequest::Action::CheckFeed)
        return RunFeedCheck(request.feedTarget, request.json, std::cout);
    if (request.action == CommandLineRequest::Action::ExportReport)
        return ExportReportAndExit(request.reportFile, request.dataFolder);
    if (request.action == CommandLineRequest::Action::CheckDirectories)
        return RunDirectoryCheck({request.json, request.dataFolder, request.databaseFile},
                                 std::cout, std::cerr);
    if (request.action == CommandLineRequest::Action::CheckMail)
        return RunMailCheck({request.json, request.dataFolder}, std::cout, std::cerr);
    if (request.action == CommandLineRequest::Action::ImportDirectories)
        return ImportDirectoriesAndExit(request.directoryListFile, request.dataFolder,
                                        request.replaceDirectories, std::cout, std::cerr);
    if (request.action == CommandLineRequest::Action::ExportDirectories)
        return ExportDirectoriesAndExit(request.directoryListFile, request.dataFolder, std::cout,
                                        std::cerr);
    const bool describePage = request.action == CommandLineRequest::Action::DescribePage;
    // The command for scripts shows no window: it runs on any machine, with a display or not.
    if (describePage && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    language.Load(language.Language());
    if (describePage)
        return CDescribePageCommand::Run(request.pageAddress, request.json, request.pageCategory,
                                         request.pageSubcategory);
    // Caught before the data folder is made, so that from then on a kill still saves.
    CTerminationSignals termination;

    const DataFolder dataFolder =
        CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(request.dataFolder));
    // Taken before the window reads sv.dat or clears the temporaries of an interrupted save,
    // which could belong to the copy already running. A folder without a name has nothing to
    // guard: nothing is saved there.
    CInstanceLock lock(QString::fromStdString(dataFolder.path));
    if (!dataFolder.path.empty() && lock.TryAcquire() == CInstanceLock::Result::HeldByAnother) {
        TellAlreadyRunning();
        return EXIT_FAILURE;
    }

    const SubmitterEnvironment environment = SubmitterEnvironment::Default(dataFolder);
    language.Load(CInterfaceLanguage::Choose(environment.UpdateSettings().InterfaceLanguage(),
                                             CInterfaceLanguage::DesktopPreferences()));
    CSubmitterDlg window(environment);
    termination.CloseOnRequest(window);
    window.show();
    // The program ends when its one window closes.
    return application.exec();
}
