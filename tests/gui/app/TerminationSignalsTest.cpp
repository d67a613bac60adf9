#include "app/TerminationSignals.h"

#include "support/WaitUntil.h"

#include <QSignalSpy>
#include <QTest>
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
};

QTEST_GUILESS_MAIN(TerminationSignalsTest)

#include "TerminationSignalsTest.moc"
