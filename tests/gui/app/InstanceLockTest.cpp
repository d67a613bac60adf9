#include "app/InstanceLock.h"

#include "support/FileBytes.h"
#include "support/OfflineEngine.h"
#include "support/TemporaryFolder.h"
#include "support/WaitUntil.h"

#include <QProcess>
#include <QTest>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr int kProcessTimeoutMs = 60000;

// A lock file as QLockFile writes it, naming a process that has ended, as a crash leaves it.
void WriteLockOfEndedProcess(const std::string& path)
{
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    QVERIFY(ended.waitForStarted(kProcessTimeoutMs));
    const qint64 pid = ended.processId();
    QVERIFY(ended.waitForFinished(kProcessTimeoutMs));
    WriteWholeFile(path, std::to_string(pid) + "\nkestrine\n" +
                             QSysInfo::machineHostName().toStdString() + "\n");
}

// The process id written in the lock file, or 0.
qint64 LockHolder(const std::string& path)
{
    if (!std::filesystem::exists(path))
        return 0;
    return QByteArray::fromStdString(ReadWholeFile(path)).split('\n').value(0).toLongLong();
}

} // namespace

class InstanceLockTest : public QObject
{
    Q_OBJECT

private slots:
    void takesAFreeOrStaleFolderAndRefusesAHeldOne();
    void aMissingFolderGuardsNothing();
    void aSecondProgramLeavesTheFirstOnesFolderAlone();

private:
    std::unique_ptr<QProcess> StartProgram(const TemporaryFolder& folder);
};

void InstanceLockTest::takesAFreeOrStaleFolderAndRefusesAHeldOne()
{
    TemporaryFolder folder;
    QVERIFY(folder.IsValid());
    const QString path = QString::fromStdString(folder.Path());
    const std::string lockPath = folder.File(CInstanceLock::LockFileName().toStdString());

    WriteLockOfEndedProcess(lockPath);
    {
        CInstanceLock first(path);
        QCOMPARE(first.TryAcquire(), CInstanceLock::Result::Acquired);
        QCOMPARE(LockHolder(lockPath), QCoreApplication::applicationPid());
        CInstanceLock second(path);
        QCOMPARE(second.TryAcquire(), CInstanceLock::Result::HeldByAnother);
    }
    // Released with its holder.
    QVERIFY(!std::filesystem::exists(lockPath));
    CInstanceLock again(path);
    QCOMPARE(again.TryAcquire(), CInstanceLock::Result::Acquired);
}

void InstanceLockTest::aMissingFolderGuardsNothing()
{
    TemporaryFolder folder;
    CInstanceLock lock(QString::fromStdString(folder.File("no such folder")));
    QCOMPARE(lock.TryAcquire(), CInstanceLock::Result::Unavailable);
}

std::unique_ptr<QProcess> InstanceLockTest::StartProgram(const TemporaryFolder& folder)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(QStringLiteral(KESTRINE_EXECUTABLE));
    process->setArguments({QStringLiteral("--data-dir"), QString::fromStdString(folder.Path())});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    KeepEngineOffline(environment);
    process->setProcessEnvironment(environment);
    process->start();
    return process;
}

void InstanceLockTest::aSecondProgramLeavesTheFirstOnesFolderAlone()
{
    TemporaryFolder folder;
    QVERIFY(folder.IsValid());
    const std::string state = "Blog\r\n1\r\nBlog\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                              "1\r\nAlpha\r\n";
    WriteWholeFile(folder.File("sv.dat"), state);
    WriteWholeFile(folder.File("dirdata.xml"),
                   "<?xml version=\"1.0\"?>\n<r><directory name=\"Alpha\" "
                   "submiturl=\"http://127.0.0.1:9/\" onsubmit=\"Thanks\"/></r>\n");
    // A crash of an earlier copy left its lock behind: the first start takes it over.
    const std::string lockPath = folder.File(CInstanceLock::LockFileName().toStdString());
    WriteLockOfEndedProcess(lockPath);

    const std::unique_ptr<QProcess> first = StartProgram(folder);
    QVERIFY2(first->waitForStarted(kProcessTimeoutMs), qPrintable(first->errorString()));
    QVERIFY(
        WaitUntil([&] { return LockHolder(lockPath) == first->processId(); }, kProcessTimeoutMs));
    struct stat before
    {
    };
    QCOMPARE(stat(folder.File("sv.dat").c_str(), &before), 0);

    const std::unique_ptr<QProcess> second = StartProgram(folder);
    QVERIFY(second->waitForFinished(kProcessTimeoutMs));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), EXIT_FAILURE);
    const QString said = QString::fromLocal8Bit(second->readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("Kestrine is already running.")), qPrintable(said));

    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(LockHolder(lockPath), first->processId());
    struct stat after
    {
    };
    QCOMPARE(stat(folder.File("sv.dat").c_str(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    QCOMPARE(ReadWholeFile(folder.File("sv.dat")), state);

    first->kill();
    QVERIFY(first->waitForFinished(kProcessTimeoutMs));
}

QTEST_MAIN(InstanceLockTest)
#include "InstanceLockTest.moc"
