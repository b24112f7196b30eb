// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SafeFile.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/NativeName.h"
#include "storage/TemporaryFiles.h"

namespace tarvik {

namespace {

QString Reason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

QString NotRegular(mode_t mode) { return QString::fromLatin1(KindOf(mode)) + QStringLiteral(", not a regular file"); }

// The text of the symbolic link at `native`, as a name.
QString LinkText(const QByteArray& native) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(native.constData(), buffer, sizeof buffer);
    return n < 0 ? QString() : NameFromNative(QByteArray(buffer, static_cast<qsizetype>(n)));
}

// What a write goes to: the path itself, or the regular file a symbolic link there points to.
struct Target {
    QByteArray path;  // as given
    QByteArray file;  // what is written
    bool exists = false;
    struct stat st{};  // of `file`, when it exists
    FileIdentity seen;
};

// Empty when `path` may be written; otherwise why not (the reason only). `target.seen` is filled in
// as far as the look got.
QString Resolve(const QString& path, Existing existing, Target& target) {
    const QByteArray native = NativeName(path);
    target.path = native;
    target.file = native;
    struct stat st{};
    if (::lstat(native.constData(), &st) != 0) {
        if (errno == ENOENT) return {};
        return Reason(errno);
    }
    target.seen.exists = true;
    target.seen.link = S_ISLNK(st.st_mode);
    if (existing == Existing::Keep) return QStringLiteral("it exists already");
    target.exists = true;
    if (S_ISLNK(st.st_mode)) {
        char* real = ::realpath(native.constData(), nullptr);
        if (real == nullptr) {
            if (errno == ENOENT) {
                return QStringLiteral("a symbolic link to %1, which does not exist").arg(LinkText(native));
            }
            return QStringLiteral("a symbolic link that cannot be followed: %1").arg(Reason(errno));
        }
        target.file = QByteArray(real);
        std::free(real);
        if (::stat(target.file.constData(), &st) != 0) return Reason(errno);
        if (!S_ISREG(st.st_mode)) {
            return QStringLiteral("a symbolic link to %1, which is %2")
                .arg(NameFromNative(target.file), NotRegular(st.st_mode));
        }
    } else if (!S_ISREG(st.st_mode)) {
        return NotRegular(st.st_mode);
    }
    target.st = st;
    target.seen.device = st.st_dev;
    target.seen.inode = st.st_ino;
    // Only a file the user may write himself; root, who may write anything, only where the owner
    // may. The replacement keeps the owner, which only root can give a file that is not his own.
    const uid_t me = ::geteuid();
    const bool mayWrite = me == 0 ? (st.st_mode & S_IWUSR) != 0
                                  : ::faccessat(AT_FDCWD, target.file.constData(), W_OK, AT_EACCESS) == 0;
    if (!mayWrite || (me != 0 && st.st_uid != me)) return Reason(EACCES);
    return {};
}

// Empty when what the path names now is `expected`; otherwise how it differs.
QString Changed(const Target& now, const FileIdentity& expected) {
    if (now.seen.link && !expected.link) {
        return QStringLiteral("it is now a symbolic link to %1, not the file that was there at the start")
            .arg(LinkText(now.path));
    }
    if (now.seen.exists != expected.exists || now.seen.link != expected.link ||
        (expected.exists && (now.seen.device != expected.device || now.seen.inode != expected.inode))) {
        return QStringLiteral("it is no longer the file that was there at the start");
    }
    return {};
}

QString Outcome(const Target& target) {
    return target.exists ? QStringLiteral("the file is unchanged") : QStringLiteral("nothing was written");
}

bool WriteAll(int fd, const QByteArray& data) {
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {  // no progress and no reason: do not spin
            errno = EIO;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Renames without replacing whatever appeared at `to` meanwhile.
int RenameNoReplace(const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
#endif
    // File systems without it: a hard link fails the same way when the name is taken.
    if (::link(from, to) != 0) return -1;
    ::unlink(from);
    return 0;
}

// The directory entry of the rename reaches the disk too. Best effort: some file systems cannot
// sync a directory, and the data is whole either way.
void SyncDirectory(const QByteArray& dir) {
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

QString Message(const QString& path, const QString& why, const Target& target) {
    return QStringLiteral("%1: cannot write (%2); %3").arg(path, why, Outcome(target));
}

}  // namespace

QString WriteRefusal(const QString& path, Existing existing, FileIdentity* seen) {
    Target target;
    const QString why = Resolve(path, existing, target);
    if (seen != nullptr) *seen = target.seen;
    return why.isEmpty() ? QString() : Message(path, why, target);
}

Saved SaveFile(const QString& path, const QByteArray& data, Existing existing, const FileIdentity* expected,
               QString& error) {
    Target target;
    QString why = Resolve(path, existing, target);
    // A path that changed says so; a link that appeared says so over any other reason, since
    // what it points to is what the other reason is about.
    if (expected != nullptr && (why.isEmpty() || target.seen.link != expected->link)) {
        if (const QString changed = Changed(target, *expected); !changed.isEmpty()) why = changed;
    }
    if (!why.isEmpty()) {
        error = Message(path, why, target);
        return Saved::Refused;
    }
    auto fail = [&](const QString& reason, Saved saved = Saved::Failed) {
        error = Message(path, reason, target);
        return saved;
    };

    const qsizetype slash = target.file.lastIndexOf('/');
    const QByteArray dir = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.file.left(slash);
    // Hidden, beside the target (a rename works only within one file system), and short enough
    // for any name the target has.
    const QByteArray base = target.file.mid(slash + 1).left(128);
    RemoveStaleTemporaries(dir, base);
    QByteArray temp;
    std::unique_ptr<TemporaryFileGuard> guard;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 64; ++attempt) {
        temp = TemporaryName(dir, base, QRandomGenerator::global()->generate64());
        guard.reset();
        guard = std::make_unique<TemporaryFileGuard>(temp);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            // The folder is what refused: say which.
            const int err = errno;
            return fail(QStringLiteral("no file can be made in the folder %1: %2").arg(NameFromNative(dir), Reason(err)),
                        err == EACCES || err == EPERM || err == EROFS ? Saved::Refused : Saved::Failed);
        }
    }
    if (fd < 0) return fail(Reason(EEXIST));

    auto abandon = [&](int err, Saved saved = Saved::Failed) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.constData());
        return fail(Reason(err), saved);
    };
    if (target.exists) {
        // The replacement keeps the permissions and the owner of the old file.
        if (::fchmod(fd, target.st.st_mode & 07777) != 0) return abandon(errno);
        if ((target.st.st_uid != ::geteuid() || target.st.st_gid != ::getegid()) &&
            ::fchown(fd, target.st.st_uid, target.st.st_gid) != 0) {
            return abandon(EACCES, Saved::Refused);
        }
    }
    // Every byte written and on the disk before the name moves; a full disk or a file-size limit
    // shows up here, while the old file is still in place.
    if (!WriteAll(fd, data)) return abandon(errno);
    if (::fsync(fd) != 0) return abandon(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return abandon(errno);

    // The last look before the rename: the path still names the file it named at the start.
    if (expected != nullptr) {
        Target now;
        const QString whyNow = Resolve(path, existing, now);
        const QString changed = Changed(now, *expected);
        if (!changed.isEmpty() || !whyNow.isEmpty()) {
            ::unlink(temp.constData());
            error = Message(path, changed.isEmpty() ? whyNow : changed, target);
            return Saved::Refused;
        }
    }
    const int renamed = existing == Existing::Replace ? ::rename(temp.constData(), target.file.constData())
                                                       : RenameNoReplace(temp.constData(), target.file.constData());
    if (renamed != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        return err == EEXIST ? fail(QStringLiteral("it exists already"), Saved::Refused) : fail(Reason(err));
    }
    guard.reset();
    SyncDirectory(dir);
    return Saved::Yes;
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, Existing existing, QString& error) {
    return SaveFile(path, data, existing, nullptr, error) == Saved::Yes;
}

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& data, QString& error, FileIdentity* identity) {
    auto fail = [&](const QString& why) {
        error = QStringLiteral("%1: cannot read (%2)").arg(path, why);
        return false;
    };
    const QByteArray native = NativeName(path);
    struct stat link{};
    const bool isLink = ::lstat(native.constData(), &link) == 0 && S_ISLNK(link.st_mode);
    struct stat before{};
    if (::stat(native.constData(), &before) != 0) return fail(Reason(errno));
    // Opening a FIFO waits for a writer, and opening a device may do anything: neither is opened.
    if (!S_ISREG(before.st_mode)) return fail(NotRegular(before.st_mode));
    const QString tooLarge = QStringLiteral("larger than %1 bytes").arg(maxBytes);
    if (before.st_size > maxBytes) return fail(tooLarge);

    // Non-blocking, in case something else took the name since the look above.
    const int fd = ::open(native.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(Reason(errno));
    struct stat opened{};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != before.st_dev ||
        opened.st_ino != before.st_ino) {
        ::close(fd);
        return fail(QStringLiteral("it changed while it was opened"));
    }
    // Room for what the file held at the look, and one byte to notice a file that grew too large.
    QByteArray bytes;
    bytes.resize(std::min<qint64>(before.st_size, maxBytes) + 1);
    qint64 used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes) break;
            bytes.resize(maxBytes + 1);
        }
        const ssize_t n = ::read(fd, bytes.data() + used, static_cast<size_t>(bytes.size() - used));
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return fail(Reason(err));
        }
        if (n == 0) break;
        used += n;
    }
    ::close(fd);
    if (used > maxBytes) return fail(tooLarge);
    bytes.truncate(used);
    data = bytes;
    if (identity != nullptr) *identity = {true, isLink, opened.st_dev, opened.st_ino};
    return true;
}

}  // namespace tarvik
