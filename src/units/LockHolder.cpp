// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/LockHolder.h"

#include <QFile>
#include <QList>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace tarvik {

namespace {

QByteArray ReadProcFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    // Files under /proc report a size of 0: read until the end.
    QByteArray text;
    while (text.size() < maxBytes) {
        const QByteArray chunk = file.read(4096);
        if (chunk.isEmpty()) break;
        text += chunk;
    }
    return text;
}

}  // namespace

std::optional<qint64> FlockHolderPid(const QByteArray& locksText, quint64 device, quint64 inode) {
    // "1: FLOCK  ADVISORY  WRITE 4711 00:1a:123456 0 EOF": device numbers in hex, the inode in decimal.
    for (const QByteArray& line : locksText.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields.at(1) != "FLOCK") continue;
        const QList<QByteArray> id = fields.at(5).split(':');
        if (id.size() != 3) continue;
        bool okMajor = false, okMinor = false, okInode = false, okPid = false;
        const uint major = id.at(0).toUInt(&okMajor, 16);
        const uint minor = id.at(1).toUInt(&okMinor, 16);
        const quint64 ino = id.at(2).toULongLong(&okInode, 10);
        const qint64 pid = fields.at(4).toLongLong(&okPid, 10);
        if (!okMajor || !okMinor || !okInode || !okPid || pid <= 0) continue;
        if (makedev(major, minor) == device && ino == inode) return pid;
    }
    return std::nullopt;
}

std::optional<LockHolder> FindLockHolder(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0) return std::nullopt;
    const std::optional<qint64> pid =
        FlockHolderPid(ReadProcFile(QStringLiteral("/proc/locks"), 1 << 20), st.st_dev, st.st_ino);
    if (!pid) return std::nullopt;
    LockHolder holder;
    holder.pid = *pid;
    holder.name = QString::fromUtf8(ReadProcFile(QStringLiteral("/proc/%1/comm").arg(*pid), 256).trimmed());
    return holder;
}

}  // namespace tarvik
