#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace korvan {

TSingleInstance::TSingleInstance(const QString& lockPath) : Lock(lockPath)
{
    // Only a dead owner makes the marker stale, never its age: the program
    // runs for hours.
    Lock.setStaleLockTime(0);
}

bool TSingleInstance::TryAcquire()
{
    return Lock.tryLock(0);
}

void TSingleInstance::Release()
{
    Lock.unlock();
}

QString TSingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("korvanrunning.lock"));
}

} // namespace korvan
