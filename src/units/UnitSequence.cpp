// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/UnitSequence.h"

#include "units/SimulatedUnits.h"
#include "units/WriteMark.h"
#include "units/WriteWatcher.h"

namespace tarvik {

QString FollowedFileOf(const QString& unitPath, const SimulatedUnits* simulated) {
    if (simulated != nullptr) return simulated->FileOf(unitPath);
    return MarkFileOf(unitPath);
}

UnitSequence::UnitSequence(SimulatedUnits* simulated, WriteWatcher* watcher)
    : simulated_(simulated), watcher_(watcher) {}

UnitSequence::~UnitSequence() {
    // Ended without End(): nothing is saved or marked, the lock just goes.
    lock_.Release();
}

UnitSequence::Start UnitSequence::Begin(const QString& unitPath, int waitMs) {
    lock_.Release();
    unitPath_ = unitPath;
    error_.clear();
    running_ = false;
    const QString lockFile = simulated_ != nullptr ? simulated_->FileOf(unitPath) : unitPath;
    if (!lockFile.isEmpty()) {
        switch (lock_.Take(lockFile, waitMs)) {
        case UnitLock::Outcome::Taken:
            break;
        case UnitLock::Outcome::Busy:
            return Start::Busy;
        case UnitLock::Outcome::Unavailable:
            // A node we may not open cannot be opened by the exchange either: that says why. A
            // simulated unit's file that went is a unit file that cannot be read.
            if (simulated_ == nullptr) break;
            error_ = QStringLiteral("%1: %2").arg(lockFile, lock_.ErrorText());
            return Start::Failed;
        }
    }
    // Whatever another program saved before we got the lock is what the unit holds now.
    if (simulated_ != nullptr && !simulated_->Reload(unitPath, error_)) {
        lock_.Release();
        return Start::Failed;
    }
    running_ = true;
    return Start::Ready;
}

bool UnitSequence::End(bool wrote) {
    if (!running_) return true;
    running_ = false;
    bool ok = true;
    if (simulated_ != nullptr) {
        ok = simulated_->SaveUnit(unitPath_, error_) == Saved::Yes;
    } else if (wrote) {
        ok = MarkWritten(unitPath_, error_);
    }
    if (watcher_ != nullptr) watcher_->Acknowledge(FollowedFileOf(unitPath_, simulated_));
    lock_.Release();
    return ok;
}

}  // namespace tarvik
