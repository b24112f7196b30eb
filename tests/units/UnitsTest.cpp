// SPDX-License-Identifier: GPL-3.0-or-later
// What lets several programs share units: the lock and who holds it, the marks a write leaves and
// their follower, simulated units kept in files, and snapshots written back.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "device/HID_PnP.h"
#include "device/UnitFlows.h"
#include "model/ProtocolConstants.h"
#include "sim/SimulatedUnit.h"
#include "storage/UnitFile.h"
#include "support/Builders.h"
#include "units/Snapshot.h"
#include "units/SimulatedUnits.h"
#include "units/UnitLock.h"
#include "units/UnitSequence.h"
#include "units/WriteMark.h"
#include "units/WriteWatcher.h"

namespace tarvik {
namespace {

using test::Pedal;
using test::Unit;

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
    EXPECT_EQ(std::pair(lock.Holder().pid, lock.Holder().name), std::pair(qint64{child}, QString("test_units")));

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(lock.Take(path, 40), UnitLock::Outcome::Taken);
    close(ready[0]);
    close(ready[1]);
    UnitLock missing;
    EXPECT_EQ(missing.Take("/nonexistent/unit.json", 10), UnitLock::Outcome::Unavailable);
    EXPECT_EQ(missing.ErrorText(), "No such file or directory");
}

// Long enough for a notification to arrive on a loaded machine; the waits end at the signal.
constexpr int NOTICE_MS = 2000;

TEST(WriteWatcher, AMarkOfAnotherWriteIsNoticedAndOurOwnIsNot) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString mark = MarkFileOf("/dev/hidraw7");
    EXPECT_EQ(mark, runtime.filePath("tarvik/hidraw7"));

    WriteWatcher watcher;
    watcher.Follow(mark);  // before the first mark exists
    QSignalSpy changed(&watcher, &WriteWatcher::changed);
    QString error;
    ASSERT_TRUE(MarkWritten("/dev/hidraw7", error)) << error.toStdString();
    ASSERT_TRUE(changed.wait(NOTICE_MS));
    EXPECT_EQ(changed.takeFirst().at(0).toString(), mark);
    EXPECT_EQ(QFileInfo(runtime.filePath("tarvik")).permissions() & 0x0077, 0);

    ASSERT_TRUE(MarkWritten("/dev/hidraw7", error));
    watcher.Acknowledge(mark);
    EXPECT_FALSE(changed.wait(200));
    qunsetenv("XDG_RUNTIME_DIR");
}

// What another program saved is taken inside the lock; what this one wrote is saved before it goes.
TEST(UnitSequence, AUnitFileIsTakenAgainAtTheStartAndSavedAtTheEnd) {
    QTemporaryDir dir;
    const QString first = dir.filePath("a.json"), second = dir.filePath("b.json");
    QString error;
    ASSERT_TRUE(WriteUnitFile(first, Unit({Pedal(1, {4})}), error));
    ASSERT_TRUE(WriteUnitFile(second, Unit({Pedal(1, {5}), Pedal(1, {6})}), error));

    SimulatedUnits units;
    ASSERT_TRUE(units.AddUnit(first).outcome == UnitFileRead::Read);
    ASSERT_TRUE(units.AddUnit(second).outcome == UnitFileRead::Read);
    EXPECT_EQ(units.Enumerate(), QStringList({first, second}));

    ASSERT_TRUE(WriteUnitFile(second, Unit({Pedal(1, {7}), Pedal(1, {6})}), error));  // another program
    WriteWatcher watcher;
    watcher.Follow(second);
    QSignalSpy changed(&watcher, &WriteWatcher::changed);
    UnitSequence sequence(&units, &watcher);
    ASSERT_EQ(sequence.Begin(second, 10), UnitSequence::Start::Ready);
    EXPECT_EQ(units.Unit(1).Image().pedals[0].common[0], 7);
    units.Unit(1).Image().pedals[1].common[0] = 8;  // what a write of ours leaves in the unit
    ASSERT_TRUE(sequence.End(true)) << sequence.ErrorText().toStdString();
    EXPECT_FALSE(changed.wait(200));

    UnitImage saved;
    ASSERT_TRUE(ReadUnitFile(second, saved, error));
    EXPECT_EQ(std::pair(int(saved.pedals[0].common[0]), int(saved.pedals[1].common[0])), std::pair(7, 8));
    UnitImage untouched;
    ASSERT_TRUE(ReadUnitFile(first, untouched, error));
    EXPECT_EQ(untouched.pedals[0].common[0], 4);
}

// Two chords: the second lives in the additional data.
const PedalImage kChords = Pedal(9, {0x2c, 0x0a, 0x10, 0x03, 0, 0, 2, 4, 5});

DeviceState StateOf(const UnitImage& unit) {
    DeviceState state;
    state.NumberOfPedals = static_cast<int>(unit.pedals.size());
    for (std::size_t p = 0; p < unit.pedals.size(); ++p) {
        state.OutputMode[p] = unit.pedals[p].mode;
        state.CommonData[p] = unit.pedals[p].common;
        state.AdditionalData[p] = unit.pedals[p].additional;
    }
    return state;
}

TEST(Snapshot, ThePlanSortsPedalsIntoToWriteUnwritableAndUnchanged) {
    const DeviceState unit = StateOf(Unit({Pedal(1, {4}), Pedal(1, {5}), Pedal(1, {6}), kChords}));
    const RestorePlan plan = PlanRestore(Unit({Pedal(1, {4}), kChords, Pedal(0, {0x28}), kChords}), unit);
    EXPECT_EQ(std::tie(plan.toWrite, plan.unwritable, plan.unchanged),
              std::tuple(std::vector{2}, std::vector{1}, std::vector{0, 3}));
    EXPECT_EQ(PedalsNoCommandRebuilds(unit), std::vector<int>({3}));

    const RestorePlan other = PlanRestore(Unit({Pedal(1, {4})}), unit);
    EXPECT_TRUE(!other.CountMatches() && other.toWrite.empty());
}

TEST(Snapshot, OnlyTheDifferingPedalsAreWrittenAndReadBack) {
    SimulatedUnit sim(Unit({Pedal(1, {4}), Pedal(1, {5}), Pedal(1, {6})}));
    DeviceState state;
    HID_PnP link(sim, state);
    UnitFlowListener listener;
    ASSERT_EQ(ReadUnit(link, state, listener), ReadOutcome::Done);
    const UnitImage snapshot = Unit({Pedal(1, {4}), Pedal(0, {0x28}), Pedal(1, {6})});
    sim.ClearTranscript();

    const RestoreOutcome outcome = WriteRestore(link, state, snapshot, PlanRestore(snapshot, state));
    EXPECT_EQ(std::pair(outcome.result, outcome.written), std::pair(RestoreOutcome::Done, std::vector{1}));
    EXPECT_EQ(sim.CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
    EXPECT_EQ(std::pair(int(sim.Image().pedals[1].mode), int(sim.Image().pedals[1].common[0])), std::pair(0, 0x28));
}

}  // namespace
}  // namespace tarvik
