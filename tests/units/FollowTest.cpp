// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "sim/SimulatedUnit.h"
#include "storage/UnitFile.h"
#include "support/Builders.h"
#include "units/SimulatedUnits.h"
#include "units/UnitSequence.h"
#include "units/WriteMark.h"
#include "units/WriteWatcher.h"

namespace tarvik {
namespace {

using test::Pedal;
using test::Unit;

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
    const QString first = dir.filePath("a.json");
    const QString second = dir.filePath("b.json");
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
    EXPECT_EQ(saved.pedals[0].common[0], 7);
    EXPECT_EQ(saved.pedals[1].common[0], 8);
    UnitImage untouched;
    ASSERT_TRUE(ReadUnitFile(first, untouched, error));
    EXPECT_EQ(untouched.pedals[0].common[0], 4);
}

}  // namespace
}  // namespace tarvik
