#pragma once

// The marker that keeps a second copy of the program from starting: a lock
// file in the user's runtime folder, so each user has one. The lock file names
// its owner's process, so a copy that died without removing it does not keep
// later starts out.

#include <QLockFile>
#include <QString>

namespace korvan {

class TSingleInstance
{
public:
    explicit TSingleInstance(const QString& lockPath = DefaultLockPath());
    // Removes the marker if this object holds it.
    ~TSingleInstance() = default;
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // True when no other running copy holds the marker; it is then held until
    // Release or destruction. Also true, with nothing held, when the marker
    // cannot be made. Never waits.
    bool TryAcquire();
    void Release();

    // "korvanrunning.lock" in the user's runtime folder, or
    // "korvanrunning-UID.lock" in the temporary folder when there is none.
    static QString DefaultLockPath();

private:
    QLockFile Lock;
};

} // namespace korvan
