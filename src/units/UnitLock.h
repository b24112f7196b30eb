// SPDX-License-Identifier: GPL-3.0-or-later
// The advisory lock that keeps two programs from talking to one unit at once: flock on the unit's
// hidraw node, or on a simulated unit's file. Held for one sequence of exchanges, never while idle;
// the kernel drops it when its holder dies, so nothing ever needs cleaning up.
#pragma once

#include <QString>

#include "units/LockHolder.h"

namespace tarvik {

// How long a program waits for another one's sequence to end before it gives up.
inline constexpr int UNIT_LOCK_WAIT_MS = 5000;

class UnitLock {
public:
    enum class Outcome {
        Taken,        // held until Release() or destruction
        Busy,         // another open file held it for the whole wait; Holder() says who, when known
        Unavailable,  // the file could not be opened (ErrorText() says why); nothing is held
    };

    UnitLock() = default;
    ~UnitLock();
    UnitLock(UnitLock&& other) noexcept;
    UnitLock& operator=(UnitLock&& other) noexcept;
    UnitLock(const UnitLock&) = delete;
    UnitLock& operator=(const UnitLock&) = delete;

    // Locks the file `path` names, waiting up to `waitMs`. The file is opened read-only only for the
    // lock. A file replaced (renamed over) while we waited is locked anew, so that the lock is
    // always on the file the path names now.
    Outcome Take(const QString& path, int waitMs = UNIT_LOCK_WAIT_MS);
    void Release();

    const QString& Path() const { return path_; }
    // After Busy: the process that held the lock last time we looked (pid 0 when unknown).
    const LockHolder& Holder() const { return holder_; }
    // After Unavailable: why the file could not be opened.
    const QString& ErrorText() const { return error_; }

private:
    int fd_ = -1;
    QString path_;
    LockHolder holder_;
    QString error_;
};

}  // namespace tarvik
