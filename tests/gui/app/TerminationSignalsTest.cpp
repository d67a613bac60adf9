#include "app/TerminationSignals.h"

#include "support/WaitUntil.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <csignal>

// A kill, a Ctrl+C or a closed terminal reaches the event loop as one request to close, instead
// of ending the process before it saved.
class TerminationSignalsTest : public QObject
{
    Q_OBJECT

private slots:
    void signalBecomesARequestOnTheEventLoop_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalBecomesARequestOnTheEventLoop()
    {
        QFETCH(int, signal);
        {
            CTerminationSignals termination;
            QSignalSpy requests(&termination, &CTerminationSignals::terminationRequested);

            // Two arrive before the loop runs: the window is asked to close, and it is asked
            // once for what the loop saw together.
            QCOMPARE(std::raise(signal), 0);
            QCOMPARE(std::raise(signal), 0);
            QCOMPARE(requests.count(), 0);
            QVERIFY(WaitUntil([&] { return requests.count() >= 1; }, 5000));
            QCoreApplication::processEvents();
            QCOMPARE(requests.count(), 1);
        }
        // Gone with the object: the signal's own meaning is back.
        struct sigaction action
        {
        };
        QCOMPARE(sigaction(signal, nullptr, &action), 0);
        QVERIFY(action.sa_handler == SIG_DFL);
    }

    void aRequestEndsTheProgramWhileAModalDialogIsOpen_data()
    {
        QTest::addColumn<bool>("owned");
        QTest::newRow("dialog over the window") << true;
        // As the Profile Manager and the database's message boxes are.
        QTest::newRow("dialog of its own") << false;
    }

    // The window closes, saving, and the process ends: a modal dialog's own event loop does
    // not keep it alive.
    void aRequestEndsTheProgramWhileAModalDialogIsOpen()
    {
        QFETCH(bool, owned);
        QWidget window;
        window.show();
        CTerminationSignals termination;
        termination.CloseOnRequest(window);
        bool dialogReturned = false;
        QTimer::singleShot(0, &window, [&] {
            QDialog dialog(owned ? &window : nullptr);
            QTimer::singleShot(0, &dialog, [] { std::raise(SIGTERM); });
            dialog.exec();
            dialogReturned = true;
        });
        // Stands in for the user who would otherwise have to close the dialog.
        bool stillRunning = false;
        QTimer rescue;
        rescue.setSingleShot(true);
        connect(&rescue, &QTimer::timeout, this, [&] {
            stillRunning = true;
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
            QCoreApplication::exit(1);
        });
        rescue.start(10000);

        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!stillRunning);
        QVERIFY(dialogReturned);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TerminationSignalsTest)

#include "TerminationSignalsTest.moc"
