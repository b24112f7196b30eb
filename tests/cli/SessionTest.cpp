// What a unit file cannot make the simulated unit do: refuse to be opened, or store something other
// than it was sent. Run in process on a simulated unit behind the session.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "device/DeviceState.h"
#include "sim/SimulatedUnit.h"

namespace tarvik::test {
namespace {

class StderrCapture {
public:
    StderrCapture() : old_(std::cerr.rdbuf(buffer_.rdbuf())) {}
    ~StderrCapture() { std::cerr.rdbuf(old_); }
    std::string Text() const { return buffer_.str(); }

private:
    std::ostringstream buffer_;
    std::streambuf* old_;
};

TEST(CliSession, APermissionProblemPointsToTheUdevRule) {
    auto unit = std::make_unique<SimulatedUnit>();
    unit->SetOpenResult(OpenResult::PermissionDenied);
    cli::UnitSession session;
    session.PrepareWith(cli::CliRequest{}, std::move(unit));
    StderrCapture err;
    EXPECT_EQ(session.Attach(), cli::EXIT_UNIT);
    EXPECT_NE(err.Text().find("tarvikctl: the Tarvik unit at sim:0 is there, but you may not open it (permission "
                              "denied). Install the udev rule 70-tarvik.rules"),
              std::string::npos)
        << err.Text();
    EXPECT_EQ(err.Text().find("no Tarvik unit found"), std::string::npos);
}

TEST(CliSession, AReadBackThatDiffersFromTheWriteIsReported) {
    cli::UnitSession session;
    session.PrepareWith(cli::CliRequest{}, std::make_unique<SimulatedUnit>());
    ASSERT_EQ(session.Attach(), cli::EXIT_OK);
    ASSERT_EQ(session.Read(), cli::EXIT_OK);

    // Pedal 0 is meant to hold ctrl+a, but nothing was sent: the unit still has its left click.
    cli::WrittenPedal meant = cli::RecordOf(0);
    meant.mode = 0;
    meant.common[0] = 0x01;
    meant.common[1] = 0x04;
    StderrCapture err;
    EXPECT_EQ(session.VerifyWritten({meant, cli::RecordOf(1)}), cli::EXIT_UNIT);
    EXPECT_EQ(err.Text(),
              "tarvikctl: pedal 0 (中央ペダル): the unit reads back mode 1, common 01 00 00 00 00 00 00 00 00 00 00 "
              "00 00, but mode 0, common 01 04 00 00 00 00 00 00 00 00 00 00 00 was written\n");
}

}  // namespace
}  // namespace tarvik::test
