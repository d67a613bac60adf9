#include "ui/main_window/StartupReads.h"

#include "directory_db/DirectoryDatabase.h"
#include "directory_db/UntrustedXml.h"

#include <QFontDatabase>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QFuture<DatabaseRead> StartDatabaseRead(const std::string& path, const std::string& userPath)
{
    // libxml2 sets itself up on this thread before any worker parses.
    InitUntrustedXml();
    return QtConcurrent::run(&CDirectoryDatabase::ReadFile, path, userPath);
}

} // namespace

CStartupReads::CStartupReads(const std::string& databasePath, const std::string& userPath,
                             QObject* parent)
    : QObject(parent), m_database(StartDatabaseRead(databasePath, userPath)),
      m_fonts(QtConcurrent::run([] { QFontDatabase::families(); }))
{
    connect(&m_watcher, &QFutureWatcher<DatabaseRead>::finished, this, &CStartupReads::Deliver);
}

CStartupReads::~CStartupReads()
{
    m_fonts.waitForFinished();
}

void CStartupReads::DeliverWhenRead()
{
    // The engine needs this thread's event loop to load the start page, so the list waits for
    // the read instead of the thread.
    m_watcher.setFuture(m_database);
}

void CStartupReads::Await()
{
    if (m_delivered)
        return;
    m_database.waitForFinished();
    Deliver();
}

void CStartupReads::Deliver()
{
    if (m_delivered)
        return;
    m_delivered = true;
    const DatabaseRead read = m_database.result();
    m_database = {};
    emit databaseRead(read);
}
