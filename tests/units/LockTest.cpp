// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "units/UnitLock.h"

namespace tarvik {
namespace {

TEST(LockHolder, TheHolderIsTheFlockOnThatFileNotAWaiterOrAnotherFile) {
    const QByteArray locks =
        "1: POSIX  ADVISORY  WRITE 111 00:1a:77 0 EOF\n"
        "2: FLOCK  ADVISORY  WRITE 222 00:1a:78 0 EOF\n"
        "3: -> FLOCK  ADVISORY  WRITE 333 00:1a:77 0 EOF\n"
        "4: FLOCK  ADVISORY  WRITE 444 00:1a:77 0 EOF\n";
    EXPECT_EQ(FlockHolderPid(locks, makedev(0, 0x1a), 77), 444);
    EXPECT_EQ(FlockHolderPid(locks, makedev(0, 0x1b), 77), std::nullopt);
    EXPECT_EQ(FlockHolderPid("garbage\n5: FLOCK\n", makedev(0, 0x1a), 77), std::nullopt);
}

// The lock held by another process names it; once that process is killed, the lock is free.
TEST(UnitLock, ABusyLockNamesItsHolderAndAKilledHolderFreesIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("unit.json");
    QFile(path).open(QIODevice::WriteOnly);
    const QByteArray native = QFile::encodeName(path);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls in the child.
        const int fd = open(native.constData(), O_RDONLY);
        if (fd < 0 || flock(fd, LOCK_EX) != 0) _exit(1);
        (void)!write(ready[1], "x", 1);
        for (;;) pause();
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);

    UnitLock lock;
    EXPECT_EQ(lock.Take(path, 40), UnitLock::Outcome::Busy);
    EXPECT_EQ(lock.Holder().pid, child);
    EXPECT_EQ(lock.Holder().name, "test_units");

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(lock.Take(path, 40), UnitLock::Outcome::Taken);
    close(ready[0]);
    close(ready[1]);
}

TEST(UnitLock, AMissingFileIsUnavailable) {
    UnitLock lock;
    EXPECT_EQ(lock.Take("/nonexistent/unit.json", 10), UnitLock::Outcome::Unavailable);
    EXPECT_EQ(lock.ErrorText(), "No such file or directory");
}

}  // namespace
}  // namespace tarvik
