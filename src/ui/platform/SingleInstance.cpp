#include "ui/platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace korvan {

TSingleInstance::TSingleInstance(const QString& lockPath) : Lock(lockPath)
{
    // Only a dead owner makes the marker stale, never its age: the program
    // runs for hours.
    Lock.setStaleLockTime(0);
}

bool TSingleInstance::TryAcquire()
{
    // Only a marker held by another copy keeps this one from starting; one that
    // cannot be made at all (no such folder, no rights) must not end the
    // program silently.
    return Lock.tryLock(0) || Lock.error() != QLockFile::LockFailedError;
}

void TSingleInstance::Release()
{
    Lock.unlock();
}

QString TSingleInstance::DefaultLockPath()
{
    // The runtime folder is the user's own, so each user of a machine runs a
    // trainer of their own. The temporary folder is shared: the name says whose.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return QDir(QDir::tempPath())
            .filePath(QStringLiteral("korvanrunning-%1.lock").arg(getuid()));
    return QDir(folder).filePath(QStringLiteral("korvanrunning.lock"));
}

} // namespace korvan
