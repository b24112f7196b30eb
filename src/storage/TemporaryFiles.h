// SPDX-License-Identifier: GPL-3.0-or-later
// The temporary files a save writes beside its target before the rename: named so that one left
// by a process that no longer runs can be told from one being written, and removed when a signal
// ends the program in the middle of a save.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <csignal>
#include <cstddef>

namespace tarvik {

// "DIR/.BASE.tmp-PID-RANDOM" for this process.
QByteArray TemporaryName(const QByteArray& dir, const QByteArray& base, quint64 random);

// Removes from `dir` the temporary files for BASE that processes no longer running left behind,
// where they are regular files of this user.
void RemoveStaleTemporaries(const QByteArray& dir, const QByteArray& base);

// While it lives, SIGINT, SIGTERM and SIGHUP remove `temp` before they end the program as they
// would have. Signals the program ignores or handles itself are left alone. One at a time.
class TemporaryFileGuard {
public:
    explicit TemporaryFileGuard(const QByteArray& temp);
    ~TemporaryFileGuard();
    TemporaryFileGuard(const TemporaryFileGuard&) = delete;
    TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;

private:
    static constexpr std::size_t kSignals = 3;
    struct sigaction old_[kSignals]{};
    bool installed_[kSignals]{};
};

}  // namespace tarvik
