#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

#include "ui/platform/SingleInstance.h"

using namespace korvan;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondMarkerFailsWhileTheFirstHolds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("korvanrunning.lock"));
        TSingleInstance first(path);
        TSingleInstance second(path);
        QVERIFY(first.TryAcquire());
        QVERIFY(!second.TryAcquire());
        first.Release();
        QVERIFY(!QFile::exists(path));
        QVERIFY(second.TryAcquire());
    }

    void aMarkerThatCannotBeMadeDoesNotKeepTheProgramOut()
    {
        TSingleInstance marker(QStringLiteral("/nonexistent/korvan/korvanrunning.lock"));
        QVERIFY(marker.TryAcquire());
    }

    void markerRemovedWhenDestroyed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("korvanrunning.lock"));
        {
            TSingleInstance first(path);
            QVERIFY(first.TryAcquire());
            QVERIFY(QFile::exists(path));
        }
        QVERIFY(!QFile::exists(path));
    }

    // A copy that died left its marker behind: the next start takes it over.
    void staleMarkerOfADeadProcessIsTakenOver()
    {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0)
            _exit(0);
        QCOMPARE(waitpid(child, nullptr, 0), child);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("korvanrunning.lock"));
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(child) + '\n' +
                    QCoreApplication::applicationName().toUtf8() + '\n' +
                    QSysInfo::machineHostName().toUtf8() + '\n');
        stale.close();

        TSingleInstance next(path);
        QVERIFY(next.TryAcquire());
    }

    // A live owner's marker is never stale, however old.
    void oldMarkerOfALiveProcessHolds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("korvanrunning.lock"));
        TSingleInstance first(path);
        QVERIFY(first.TryAcquire());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
        file.close();
        TSingleInstance second(path);
        QVERIFY(!second.TryAcquire());
    }

    void defaultPathIsInAWritableFolder()
    {
        const QString path = TSingleInstance::DefaultLockPath();
        QVERIFY(path.endsWith(QStringLiteral("/korvanrunning.lock")));
        QVERIFY(QFileInfo(QFileInfo(path).path()).isWritable());
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
