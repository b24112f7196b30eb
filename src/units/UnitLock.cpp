// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/UnitLock.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/NativeName.h"

namespace tarvik {

namespace {

// How often a busy lock is tried again: short against the 5 s wait, long enough to cost nothing.
constexpr int RETRY_MS = 20;

bool SameFile(int fd, const QByteArray& path) {
    struct stat opened {};
    struct stat named {};
    return fstat(fd, &opened) == 0 && stat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

UnitLock::~UnitLock() { Release(); }

UnitLock::UnitLock(UnitLock&& other) noexcept { *this = std::move(other); }

UnitLock& UnitLock::operator=(UnitLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        holder_ = std::move(other.holder_);
        error_ = std::move(other.error_);
    }
    return *this;
}

void UnitLock::Release() {
    if (fd_ < 0) return;
    // Closing the only descriptor of the open file drops its flock.
    ::close(fd_);
    fd_ = -1;
}

UnitLock::Outcome UnitLock::Take(const QString& path, int waitMs) {
    Release();
    path_ = path;
    holder_ = {};
    error_.clear();
    const QByteArray native = NativeName(path);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        // O_NONBLOCK: a FIFO put where the file was must not hang us before the lock is tried.
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return Outcome::Unavailable;
        }
        bool retry = false;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (SameFile(fd, native)) {
                fd_ = fd;
                return Outcome::Taken;
            }
            retry = true;  // replaced while we took it: lock the new file
        } else if (errno == EWOULDBLOCK || errno == EINTR) {
            if (const std::optional<LockHolder> holder = FindLockHolder(fd)) holder_ = *holder;
        } else {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return Outcome::Unavailable;
        }
        ::close(fd);
        const qint64 left = waitMs - clock.elapsed();
        if (!retry) {
            if (left <= 0) return Outcome::Busy;
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, RETRY_MS)));
        }
    }
}

}  // namespace tarvik
