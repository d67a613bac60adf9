#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the event loop, so that a session ending
// or a kill closes the window the normal way, which saves the profiles, instead of ending the
// process on the spot and losing the marks made since the last save.
class CTerminationSignals final : public QObject
{
    Q_OBJECT

public:
    // Needs the application object. One instance per process.
    explicit CTerminationSignals(QObject* parent = nullptr);
    ~CTerminationSignals() override;

    // Each request closes `window` the normal way; once it has closed, every event loop ends,
    // so that the process ends even while one of the window's modal dialogs is open.
    void CloseOnRequest(QWidget& window);

signals:
    void terminationRequested();

private:
    void OnSignalArrived();

    QSocketNotifier* m_notifier = nullptr;
};
