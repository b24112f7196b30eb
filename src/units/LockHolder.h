// SPDX-License-Identifier: GPL-3.0-or-later
// Who holds the lock on a file: the kernel lists every flock in /proc/locks by device and inode,
// with the process that took it, so no file of our own has to say so (and none can go stale).
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace tarvik {

struct LockHolder {
    qint64 pid = 0;
    QString name;  // the process's command name, empty when it could not be read
};

// The process holding a FLOCK on the file of device `device` (st_dev) and inode `inode`, found in
// `locksText` (the text of /proc/locks). Waiters ("->" lines) are not holders.
std::optional<qint64> FlockHolderPid(const QByteArray& locksText, quint64 device, quint64 inode);

// The holder of a flock on the open file `fd`, from /proc/locks and /proc/PID/comm.
std::optional<LockHolder> FindLockHolder(int fd);

}  // namespace tarvik
