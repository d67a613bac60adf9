#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

// Runs the event loop until `predicate` holds; false when `timeoutMs` pass first.
//
// QTest::qWaitFor, and the QTRY_ macros built on it, handle one round of events and then sleep
// 10 ms. The browser engine runs its browser side on this thread and posts each next step of
// its work as a new event, so there every step waits out a sleep: a local page loads in about
// 1.5 s instead of 20 ms, and a script's answer takes 250 ms instead of 1 ms. This loop blocks
// only while no event is pending; wait with it wherever the engine has work to do.
template <typename Predicate> [[nodiscard]] bool WaitUntil(Predicate predicate, int timeoutMs)
{
    // Wakes the loop for conditions that other threads change (a local server's requests) and
    // for the deadline.
    constexpr int kWakeEveryMs = 5;

    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake;
    wake.start(kWakeEveryMs);
    while (!predicate()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// The one way a GUI test function waits for a condition: the loop above, then the usual Qt Test
// check, so that a timeout fails the test with the expression and its values. QTest::qWait and
// the QTRY_ macros are not used in these tests for the reason given above; only
// QTest::qWaitForWindowExposed and qWaitForWindowActive are, as they wait on the window system.
#define WAIT_VERIFY(expression, timeoutMs)                                                         \
    do {                                                                                           \
        const bool held = WaitUntil([&] { return static_cast<bool>(expression); }, timeoutMs);     \
        QVERIFY2(held, "timed out waiting for: " #expression);                                     \
    } while (false)

#define WAIT_COMPARE(actual, expected, timeoutMs)                                                  \
    do {                                                                                           \
        (void)WaitUntil([&] { return (actual) == (expected); }, timeoutMs);                        \
        QCOMPARE(actual, expected);                                                                \
    } while (false)
