#include "app/InstanceLock.h"

#include <QDir>

CInstanceLock::CInstanceLock(const QString& dataFolder)
    : m_lock(QDir(dataFolder).filePath(LockFileName()))
{
    // The program runs for hours: a lock must never count as stale for its age, only because
    // the process it names has gone.
    m_lock.setStaleLockTime(0);
}

QString CInstanceLock::LockFileName()
{
    return QStringLiteral("kestrine.lock");
}

CInstanceLock::Result CInstanceLock::TryAcquire()
{
    if (m_lock.tryLock(0))
        return Result::Acquired;
    return m_lock.error() == QLockFile::LockFailedError ? Result::HeldByAnother
                                                        : Result::Unavailable;
}
