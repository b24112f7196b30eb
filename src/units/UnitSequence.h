// SPDX-License-Identifier: GPL-3.0-or-later
// One sequence of exchanges with one unit (a read, a write, a reset, a restore), as every program
// runs it: the unit's lock first; for a unit kept in a file, the file's settings taken again inside
// the lock and saved back before it is let go; after a write, the unit's mark.
#pragma once

#include <QString>

#include "units/UnitLock.h"

namespace tarvik {

class SimulatedUnits;
class WriteWatcher;

// The file that changes when some program writes to the unit at `unitPath`: a simulated unit's own
// file, or the unit's mark file. Empty when there is none (the built-in simulated unit).
QString FollowedFileOf(const QString& unitPath, const SimulatedUnits* simulated);

class UnitSequence {
public:
    enum class Start {
        Ready,   // the lock is held (or the unit cannot be locked, and its opening will say why)
        Busy,    // another program held the unit for the whole wait: Holder()
        Failed,  // a simulated unit's file could not be read: ErrorText()
    };

    // `simulated`: the simulated units when the program runs on them, else nullptr. `watcher` (may
    // be nullptr) is told of this program's own writes, before the lock is let go.
    explicit UnitSequence(SimulatedUnits* simulated = nullptr, WriteWatcher* watcher = nullptr);
    ~UnitSequence();
    UnitSequence(const UnitSequence&) = delete;
    UnitSequence& operator=(const UnitSequence&) = delete;

    Start Begin(const QString& unitPath, int waitMs = UNIT_LOCK_WAIT_MS);
    // Ends the sequence: saves a simulated unit's file when it changed, marks the unit when `wrote`,
    // and lets the lock go. False with ErrorText() when the save or the mark failed.
    bool End(bool wrote);
    bool Running() const { return running_; }

    const LockHolder& Holder() const { return lock_.Holder(); }
    const QString& ErrorText() const { return error_; }

private:
    SimulatedUnits* simulated_;
    WriteWatcher* watcher_;
    UnitLock lock_;
    QString unitPath_;
    QString error_;
    bool running_ = false;
};

}  // namespace tarvik
