// SPDX-License-Identifier: GPL-3.0-or-later
// What a unit file cannot make the simulated unit do: refuse to be opened, go away mid-write, or store
// something other than it was sent. Run in process on a simulated unit behind the session.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <functional>
#include <iostream>
#include <sstream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "model/DeviceState.h"
#include "sim/SimulatedUnit.h"
#include "storage/UnitFile.h"
#include "units/UnitLock.h"

namespace tarvik::test {
namespace {

class StreamCapture {
public:
    explicit StreamCapture(std::ostream& stream) : stream_(stream), old_(stream.rdbuf(buffer_.rdbuf())) {}
    ~StreamCapture() { stream_.rdbuf(old_); }
    std::string Text() const { return buffer_.str(); }

private:
    std::ostream& stream_;
    std::ostringstream buffer_;
    std::streambuf* old_;
};

struct Ran { int exit; std::string out, err; };
Ran RunSession(std::unique_ptr<HidBackend> unit, const std::function<int(cli::UnitSession&)>& action,
               const cli::CliRequest& request = {}) {
    cli::UnitSession session;
    session.PrepareWith(request, std::move(unit));
    StreamCapture out(std::cout);
    StreamCapture err(std::cerr);
    const int exit = action(session);
    return {exit, out.Text(), err.Text()};
}

// Two units on one bus: "unit-a" (the built-in three pedals) and "unit-b" (five pedals, firmware
// 2.4.7), one simulated unit answering as whichever it was opened as. When the second goes, unit-a
// has firmware 3.0.0 and unit-b is pulled out while unit-a is being read.
class TwoUnits : public SimulatedUnit {
public:
    explicit TwoUnits(bool secondGoes = false) : secondGoes_(secondGoes) {}
    QStringList Enumerate() override { return gone_ ? QStringList{"unit-a"} : QStringList{"unit-a", "unit-b"}; }
    OpenResult Open(const QString& path) override {
        if (IsOpen()) return OpenResult::Failed;  // a unit is closed before the next is taken
        if (path != "unit-a" && path != "unit-b") return OpenResult::NoUnit;
        Image() = DefaultUnitImage();
        if (path == "unit-b") {
            Image().firmware = {2, 4, 7};
            Image().pedals.resize(5);
        } else if (secondGoes_) {
            gone_ = true;
            Image().firmware = {3, 0, 0};
        }
        path_ = path;
        return SimulatedUnit::Open("sim:0");
    }
    QString OpenPath() const override { return IsOpen() ? path_ : QString(); }

private:
    QString path_;
    bool secondGoes_;
    bool gone_ = false;
};

TEST(CliSession, ListReadsEveryUnitAndDeviceAimsAtOne) {
    const Ran list = RunSession(std::make_unique<TwoUnits>(), cli::RunList);
    EXPECT_EQ(list.exit, cli::EXIT_OK);
    EXPECT_EQ(list.out, "unit-a\tfirmware 2.1.0\t3 pedals\nunit-b\tfirmware 2.4.7\t5 pedals\n");
    const Ran attach = RunSession(std::make_unique<TwoUnits>(), [](cli::UnitSession& s) { return s.Attach(); });
    EXPECT_EQ(attach.exit, cli::EXIT_USAGE);
    EXPECT_EQ(attach.err, "tarvikctl: 2 Tarvik units found; choose one with --device: unit-a, unit-b\n");
    cli::CliRequest request;
    request.device = "unit-b";  // not the first
    const Ran read = RunSession(std::make_unique<TwoUnits>(), [](cli::UnitSession& s) {
        return s.Attach() == cli::EXIT_OK && s.Read() == cli::EXIT_OK ? State().NumberOfPedals : -1;
    }, request);
    EXPECT_EQ(read.exit, 5);
    // A unit gone before its turn is given nothing of the unit before.
    const Ran gone = RunSession(std::make_unique<TwoUnits>(true), cli::RunList);
    EXPECT_EQ(gone.exit, cli::EXIT_UNIT);
    EXPECT_EQ(gone.out, "unit-a\tfirmware 3.0.0 (not supported)\nunit-b\tnot readable\n");
}

TEST(CliSession, AUnitInUseByAnotherProgramIsNamed) {
    QTemporaryDir dir;
    const QString file = dir.filePath("unit.json");
    QString error;
    ASSERT_TRUE(WriteUnitFile(file, DefaultUnitImage(), error));
    UnitLock other;
    ASSERT_EQ(other.Take(file, 0), UnitLock::Outcome::Taken);
    cli::CliRequest request;
    request.simulate = true;
    request.simulateFiles = {file};
    cli::UnitSession session;
    session.SetLockWaitMs(20);
    ASSERT_EQ(session.Prepare(request), cli::EXIT_OK);
    StreamCapture err(std::cerr);
    EXPECT_EQ(session.Attach(), cli::EXIT_UNIT);
    EXPECT_EQ(err.Text(), "tarvikctl: the Tarvik unit at " + file.toStdString() + " is in use by test_cli (process " +
                              std::to_string(QCoreApplication::applicationPid()) +
                              "); waited 0.02 s, nothing was done. Try again when it has finished\n");
}

TEST(CliSession, APermissionProblemPointsToTheUdevRule) {
    auto unit = std::make_unique<SimulatedUnit>();
    unit->SetOpenResult(OpenResult::PermissionDenied);
    const Ran r = RunSession(std::move(unit), [](cli::UnitSession& s) { return s.Attach(); });
    EXPECT_EQ(r.exit, cli::EXIT_UNIT);
    EXPECT_TRUE(r.err.starts_with("tarvikctl: the Tarvik unit at sim:0 is there, but you may not open it "
                                  "(permission denied). ")) << r.err;
    EXPECT_EQ(r.err.find("no Tarvik unit found"), std::string::npos);
}

TEST(CliSession, AUnitGoneDuringTheWriteFailsTheSet) {
    auto owned = std::make_unique<SimulatedUnit>();
    owned->SetDropOffOnCommand(SET_OUTPUT_MODE_AND_DATA);
    cli::CliRequest request;
    request.command = "set";
    request.args = QStringList{"0", "click", "right"};
    const Ran r = RunSession(std::move(owned), [&](cli::UnitSession& s) { return cli::RunSet(s, request); }, request);
    EXPECT_EQ(r.exit, cli::EXIT_UNIT);
    EXPECT_NE(r.err.find("tarvikctl: writing pedal 0 failed"), std::string::npos) << r.err;
}

// Pedal 0 is meant to hold ctrl+a, but nothing was sent: the unit still has its left click.
TEST(CliSession, AReadBackThatDiffersFromTheWriteIsReported) {
    const Ran r = RunSession(std::make_unique<SimulatedUnit>(), [](cli::UnitSession& s) {
        if (s.Attach() != cli::EXIT_OK || s.Read() != cli::EXIT_OK) return -1;
        return s.VerifyWritten({cli::WrittenPedal{0, 0, {0x01, 0x04}}, cli::RecordOf(1)});
    });
    EXPECT_EQ(r.exit, cli::EXIT_UNIT);
    EXPECT_EQ(r.err,
              "tarvikctl: pedal 0 (中央ペダル): the unit reads back mode 1, common 01 00 00 00 00 00 00 00 00 00 00 "
              "00 00, but mode 0, common 01 04 00 00 00 00 00 00 00 00 00 00 00 was written\n");
}

}  // namespace
}  // namespace tarvik::test
