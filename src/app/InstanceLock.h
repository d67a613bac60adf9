#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program away from a data folder while one runs there: each copy
// writes sv.dat whole when it closes, so two would overwrite each other's sent marks. The lock
// lasts as long as this object.
class CInstanceLock final
{
public:
    enum class Result
    {
        Acquired,
        HeldByAnother, // another running copy uses the folder
        Unavailable,   // the folder takes no lock file (missing, read-only); nothing to guard
    };

    // `dataFolder` holds sv.dat; the lock file lies beside it.
    explicit CInstanceLock(const QString& dataFolder);

    // Takes the folder without waiting. A lock left by a copy that crashed names a process that
    // no longer runs, and is taken over.
    Result TryAcquire();

    static QString LockFileName();

private:
    QLockFile m_lock;
};
