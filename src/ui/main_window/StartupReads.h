#pragma once

#include "directory_db/DatabaseRead.h"

#include <QFutureWatcher>
#include <QObject>
#include <string>

// What the window's start leaves to worker threads while the browser engine starts: parsing a
// large dirdata.xml takes about as long as the engine takes to start, and the first control
// with text waits for the font database, which reads the system's font configuration.
class CStartupReads final : public QObject
{
    Q_OBJECT

public:
    // Starts both reads at once; the database's with the user's own directories in `userPath`.
    CStartupReads(const std::string& databasePath, const std::string& userPath, QObject* parent);
    ~CStartupReads() override;

    // From now on the read is delivered once it is done, by the event loop.
    void DeliverWhenRead();
    // Delivers the read now, waiting for it if it is still going on, so that it cannot later
    // replace a database that an update or a change of the user's directories has loaded.
    void Await();
    bool IsDelivered() const { return m_delivered; }

signals:
    void databaseRead(const DatabaseRead& read);

private:
    void Deliver();

    QFuture<DatabaseRead> m_database;
    QFutureWatcher<DatabaseRead> m_watcher;
    QFuture<void> m_fonts;
    bool m_delivered = false;
};
