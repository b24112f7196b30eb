// What a unit file cannot make the simulated unit do: refuse to be opened, or store something other
// than it was sent. Run in process on a simulated unit behind the session.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
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

class StdoutCapture {
public:
    StdoutCapture() : old_(std::cout.rdbuf(buffer_.rdbuf())) {}
    ~StdoutCapture() { std::cout.rdbuf(old_); }
    std::string Text() const { return buffer_.str(); }

private:
    std::ostringstream buffer_;
    std::streambuf* old_;
};

// Two simulated units on one bus, listed as "unit-a" and "unit-b".
class TwoUnits : public HidBackend {
public:
    TwoUnits() {
        UnitImage b = DefaultUnitImage();
        b.firmware = {2, 4, 7};
        b.pedals.resize(5);
        units_[1] = std::make_unique<SimulatedUnit>(b);
        for (auto& unit : units_) {
            connect(unit.get(), &HidBackend::inputReport, this, [this, u = unit.get()](const QByteArray& r) {
                if (u == open_) emit inputReport(r);
            });
            connect(unit.get(), &HidBackend::writeDone, this, [this, u = unit.get()](bool ok) {
                if (u == open_) emit writeDone(ok);
            });
        }
    }
    QStringList Enumerate() override { return {"unit-a", "unit-b"}; }
    OpenResult Open(const QString& path) override {
        Close();
        const int i = path == "unit-a" ? 0 : path == "unit-b" ? 1 : -1;
        if (i < 0) return OpenResult::NoUnit;
        const OpenResult r = units_[i]->Open("sim:0");
        if (r == OpenResult::Opened) {
            open_ = units_[i].get();
            openPath_ = path;
        }
        return r;
    }
    void Close() override {
        if (open_ != nullptr) open_->Close();
        open_ = nullptr;
        openPath_.clear();
    }
    bool IsOpen() const override { return open_ != nullptr; }
    QString OpenPath() const override { return openPath_; }
    void Write(const QByteArray& report) override {
        if (open_ != nullptr) open_->Write(report);
        else emit writeDone(false);
    }

private:
    std::unique_ptr<SimulatedUnit> units_[2]{std::make_unique<SimulatedUnit>(), nullptr};
    SimulatedUnit* open_ = nullptr;
    QString openPath_;
};

TEST(CliSession, ListReadsEveryUnitAndDeviceAimsAtOne) {
    {
        cli::UnitSession session;
        session.PrepareWith(cli::CliRequest{}, std::make_unique<TwoUnits>());
        StdoutCapture out;
        EXPECT_EQ(cli::RunList(session), cli::EXIT_OK);
        EXPECT_EQ(out.Text(), "unit-a\tfirmware 2.1.0\t3 pedals\nunit-b\tfirmware 2.4.7\t5 pedals\n");
    }
    const struct {
        const char* device;
        int pedals;
    } cases[] = {{"", 3}, {"unit-a", 3}, {"unit-b", 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        cli::CliRequest request;
        request.device = c.device;
        cli::UnitSession session;
        session.PrepareWith(request, std::make_unique<TwoUnits>());
        ASSERT_EQ(session.Attach(), cli::EXIT_OK);
        ASSERT_EQ(session.Read(), cli::EXIT_OK);
        EXPECT_EQ(State().NumberOfPedals, c.pedals);
    }
}

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
