// The flows both programs run: reading a unit, writing a pedal, the factory reset.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "LinkRig.h"
#include "device/Reports.h"
#include "device/UnitFlows.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

using Texts = std::vector<std::string>;

const char* const kResetFailed = "エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。";

struct Recorder : UnitFlowListener {
    Texts events;
    void PedalCountKnown(int count, int reported) override {
        events.push_back("count " + std::to_string(count) + " of " + std::to_string(reported));
    }
    void PedalRecordReady(int pedal) override {
        events.push_back("pedal " + std::to_string(pedal) + " mode " + std::to_string(State().OutputMode[pedal]));
    }
    void ExchangeFailed(ExchangeEnding ending) override {
        events.push_back(ending == ExchangeEnding::TimedOut ? "timed out" : "failed");
    }
};

PedalImage Pedal(std::uint8_t mode, std::uint8_t seed) {
    PedalImage p;
    p.mode = mode;
    for (std::size_t i = 0; i < p.common.size(); ++i) p.common[i] = static_cast<std::uint8_t>(seed + i);
    for (std::size_t i = 0; i < p.additional.size(); ++i) p.additional[i] = static_cast<std::uint8_t>(seed + 2 * i);
    return p;
}

UnitImage Unit(std::vector<PedalImage> pedals, int reportedCount = -1) {
    UnitImage image;
    image.firmware = {2, 3, 4};
    image.pedals = std::move(pedals);
    image.pedalCount = reportedCount;
    return image;
}

TEST(ReadUnit, ReadsEveryPedalAndTheMultiChordOnesBlockByBlock) {
    const std::vector<PedalImage> five = {Pedal(OUTPUT_AT_CHANGE, 1), Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 2),
                                          Pedal(WHEEL_ROTATION, 3), Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 4),
                                          Pedal(0xFF, 5)};
    const std::pair<int, int> cases[] = {{0, 2}, {3, 10}, {5, 17}};  // pedals, exchanges
    for (const auto& [n, exchanges] : cases) {
        SCOPED_TRACE(n);
        const UnitImage image = Unit({five.begin(), five.begin() + n});
        LinkRig rig(image);
        Recorder rec;
        ScriptedPresenter boxes;
        ASSERT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Done);
        EXPECT_EQ(static_cast<int>(rig.Sent().size()), exchanges);
        const auto& s = State();
        EXPECT_EQ(std::tie(s.VersionNumberMajor, s.VersionNumberMinor, s.VersionNumberRevision), std::tuple(2, 3, 4));
        EXPECT_EQ(State().NumberOfPedals, n);
        Texts expected{"count " + std::to_string(n) + " of " + std::to_string(n)};
        for (int p = 0; p < n; ++p) {
            EXPECT_EQ(State().OutputMode[p], five[p].mode) << p;
            EXPECT_EQ(State().CommonData[p], five[p].common) << p;
            const bool multiChord = five[p].mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT;
            EXPECT_EQ(State().AdditionalData[p], multiChord ? five[p].additional : AdditionalRecord{}) << p;
            expected.push_back("pedal " + std::to_string(p) + " mode " + std::to_string(five[p].mode));
        }
        EXPECT_EQ(rec.events, expected);
        EXPECT_TRUE(boxes.All().empty());
    }
}

// Version, count, pedal 0, pedal 1 (multi-chord), its five blocks: each one failing in turn.
TEST(ReadUnit, StopsAtTheFirstFailedExchangeAndStoresNothingOfIt) {
    const UnitImage image = Unit({Pedal(SIMPLE_KEY_OUTPUT, 0x10), Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 0x40)});
    for (int failing = 0; failing < 9; ++failing) {
        SCOPED_TRACE(failing);
        LinkRig rig(image);
        auto& s = State();
        s.VersionNumberMajor = s.OutputMode[0] = s.OutputMode[1] = 0xEE;
        s.NumberOfPedals = 99;
        for (auto& c : s.CommonData) c.fill(0xEE);
        for (auto& a : s.AdditionalData) a.fill(0xEE);
        const DeviceState before = s;
        int sentSoFar = 0;
        QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&] {
            if (sentSoFar++ == failing) rig.unit.SetSilent(true);
        });
        Recorder rec;
        ScriptedPresenter boxes;
        EXPECT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Failed);
        EXPECT_EQ(static_cast<int>(rig.Sent().size()), failing + 1) << "went on after the failure";
        EXPECT_EQ(rec.events.back(), "timed out");
        EXPECT_TRUE(boxes.All().empty()) << "the flow shows nothing itself";
        EXPECT_EQ(s.VersionNumberMajor, failing >= 1 ? 2 : 0xEE);
        EXPECT_EQ(s.NumberOfPedals, failing >= 2 ? 2 : 99);
        EXPECT_EQ(s.CommonData[0], failing >= 3 ? image.pedals[0].common : before.CommonData[0]);
        EXPECT_EQ(std::tie(s.OutputMode[1], s.CommonData[1], s.AdditionalData[1]),
                  std::tie(before.OutputMode[1], before.CommonData[1], before.AdditionalData[1]));
    }
}

// The unit goes away, or another takes its place, while an answer is on its way: the flow stops
// there at once and goes on with neither unit.
TEST(Flows, StopWhenTheUnitGoesAwayOrIsReplaced) {
    for (bool reset : {false, true}) {
        for (bool replaced : {false, true}) {
            SCOPED_TRACE(std::string(reset ? "reset" : "read") + (replaced ? ", replaced" : ", unplugged"));
            LinkRig rig(Unit({Pedal(SIMPLE_CLICK, 1), Pedal(SIMPLE_CLICK, 2), Pedal(SIMPLE_CLICK, 3)}), 3600 * 1000);
            Recorder rec;
            ScriptedPresenter boxes;
            if (reset) {
                ASSERT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Done);
            }
            rig.unit.ClearTranscript();
            rig.unit.SetAnswerDelayMs(5);
            int sentSoFar = 0;
            QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&] {
                if (sentSoFar++ != (reset ? 0 : 3)) return;  // reset: pedal 0; read: pedal 1
                QTimer::singleShot(1, &rig.unit, [&] {
                    rig.unit.Unplug();
                    if (replaced) rig.unit.Plug();
                });
            });
            if (reset) {
                EXPECT_TRUE((FactoryReset(rig.link, State(), rec) != ExchangeEnding::Answered));
                EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);  // only the one in flight
                EXPECT_EQ(rig.unit.CommandCount(SET_PARAMETERS), 0);
                EXPECT_TRUE(boxes.All().empty());
            } else {
                EXPECT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Failed);
                EXPECT_EQ(rig.unit.CommandCount(GET_OUTPUT_MODE_AND_DATA), 2);
            }
            EXPECT_FALSE(rig.watchdogFired);
            EXPECT_EQ(rig.link.HasDevice(), replaced);
            EXPECT_NE(rec.events.back().find("failed") + rec.events.back().find("timed out"), 2 * std::string::npos);
        }
    }
}

TEST(Flows, MoreThanFivePedalsAreBoundedAndNamed) {
    LinkRig rig(Unit({Pedal(0, 1), Pedal(0, 2), Pedal(0, 3), Pedal(0, 4), Pedal(0, 5)}, 200));
    Recorder rec;
    ConsoleCapture console;
    ASSERT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Done);
    EXPECT_EQ(State().NumberOfPedals, 5);
    EXPECT_EQ(rig.unit.CommandCount(GET_OUTPUT_MODE_AND_DATA), 5);
    EXPECT_EQ(rec.events.front(), "count 5 of 200");
    EXPECT_EQ(console.Lines(), Texts{"The Tarvik reports 200 pedals; only the first 5 are read."});

    State().NumberOfPedals = 1000;
    ScriptedPresenter boxes;
    EXPECT_FALSE((FactoryReset(rig.link, State(), rec) != ExchangeEnding::Answered));
    EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 5);
}

TEST(ReadUnit, FirmwareFromMajorVersionThreeIsRefused) {
    const std::tuple<int, ReadOutcome, int> cases[] = {
        {2, ReadOutcome::Done, 5}, {3, ReadOutcome::Unsupported, 1}, {255, ReadOutcome::Unsupported, 1}};
    for (const auto& [major, outcome, exchanges] : cases) {
        LinkRig rig(Firmware(static_cast<std::uint8_t>(major), 255, 255));
        Recorder rec;
        EXPECT_EQ(ReadUnit(rig.link, State(), rec), outcome) << major;
        EXPECT_EQ(static_cast<int>(rig.Sent().size()), exchanges) << major;
        EXPECT_EQ(State().VersionNumberMajor, major);
    }
}

TEST(Flows, WithoutAUnitNothingIsSentAndOnlyTheResetSaysItFailed) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    Recorder rec;
    ScriptedPresenter boxes;
    EXPECT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Failed);
    EXPECT_TRUE((WritePedal(rig.link, State(), State().SelectedPedalNo) != ExchangeEnding::Answered));
    EXPECT_EQ(rec.events, Texts{"failed"});
    EXPECT_TRUE(boxes.All().empty());

    rec.events.clear();
    State().NumberOfPedals = 2;
    EXPECT_TRUE((FactoryReset(rig.link, State(), rec) != ExchangeEnding::Answered));
    EXPECT_EQ(rec.events, (Texts{"pedal 0 mode 1", "failed", "pedal 1 mode 0", "failed", "failed"}));
    EXPECT_TRUE(boxes.All().empty());
    EXPECT_TRUE(rig.unit.Transcript().isEmpty());
}

// A left click for pedal 0: the record, then the parameters over the rest of that report.
TEST(WriteSelectedPedal, SendsTheRecordThenTheParametersAsLaidOut) {
    LinkRig rig;
    State().OutputMode[0] = SIMPLE_CLICK;
    State().CommonData[0] = {0x01, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D};
    ScriptedPresenter boxes;
    EXPECT_FALSE((WritePedal(rig.link, State(), State().SelectedPedalNo) != ExchangeEnding::Answered));
    EXPECT_EQ(rig.Sent(), (std::vector<QByteArray>{Hex("94 00 01 01 22 23 24 25 26 27 28 29 2a 2b 2c 2d"),
                                                   Hex("92 19 14 0f 0f 23 24 25 26 27 28 29 2a 2b 2c 2d")}));
    EXPECT_EQ(rig.unit.Image().pedals[0].mode, SIMPLE_CLICK);
    EXPECT_EQ(rig.unit.Image().pedals[0].common, State().CommonData[0]);
    EXPECT_TRUE(boxes.All().empty());
}

TEST(WriteSelectedPedal, AFailedRecordSendsNoParametersAndAPedalOutsideTheRecordsNothing) {
    LinkRig rig;
    rig.unit.SetSilentCommands({SET_OUTPUT_MODE_AND_DATA});
    ScriptedPresenter boxes;
    State().SelectedPedalNo = 1;
    EXPECT_TRUE((WritePedal(rig.link, State(), State().SelectedPedalNo) != ExchangeEnding::Answered));
    EXPECT_EQ(rig.Sent().size(), 1u);
    EXPECT_TRUE(boxes.All().empty());

    rig.unit.ClearTranscript();
    for (int p : {-1, 5, 1000}) {
        State().SelectedPedalNo = p;
        EXPECT_TRUE((WritePedal(rig.link, State(), State().SelectedPedalNo) != ExchangeEnding::Answered)) << p;
    }
    EXPECT_TRUE(rig.unit.Transcript().isEmpty());
}

TEST(FactoryReset, SendsTheFactoryTableAndKeepsTheOtherBytes) {
    LinkRig rig(Unit(std::vector<PedalImage>(5)));
    State().NumberOfPedals = 5;
    for (int p = 0; p < 5; ++p) State().CommonData[p].fill(static_cast<std::uint8_t>(0x30 + p));
    Recorder rec;
    ScriptedPresenter boxes;
    EXPECT_FALSE((FactoryReset(rig.link, State(), rec) != ExchangeEnding::Answered));
    EXPECT_EQ(rec.events,
              (Texts{"pedal 0 mode 1", "pedal 1 mode 0", "pedal 2 mode 1", "pedal 3 mode 0", "pedal 4 mode 0"}));
    EXPECT_EQ(rig.Sent(), (std::vector<QByteArray>{Hex("94 00 01 01 30 30 30 30 30 30 30 30 30 30 30 30"),
                                                   Hex("94 01 00 00 28 31 31 31 31 31 31 31 31 31 31 31"),
                                                   Hex("94 02 01 02 32 32 32 32 32 32 32 32 32 32 32 32"),
                                                   Hex("94 03 00 00 50 33 33 33 33 33 33 33 33 33 33 33"),
                                                   Hex("94 04 00 00 4f 34 34 34 34 34 34 34 34 34 34 34"),
                                                   Hex("92 19 14 0f 0f 34 34 34 34 34 34 34 34 34 34 34")}));
    EXPECT_EQ(State().OutputMode[2], 1);
    EXPECT_EQ(State().CommonData[2][0], 2);
    EXPECT_TRUE(boxes.All().empty());

    // Pedals outside the table are left alone.
    std::uint8_t mode = 9;
    CommonRecord common{};
    ApplyFactorySetting(5, mode, common);
    ApplyFactorySetting(-1, mode, common);
    EXPECT_EQ(mode, 9);
    EXPECT_EQ(common, CommonRecord{});
}

TEST(FactoryReset, FailedPedalIsReportedAndTheOthersAreStillReset) {
    LinkRig rig;
    Recorder rec;
    ScriptedPresenter boxes;
    ASSERT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Done);
    rec.events.clear();
    int sentSoFar = 0;
    QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&] {
        rig.unit.SetSilent(sentSoFar++ == 1);  // pedal 1's report goes unanswered
    });
    EXPECT_TRUE((FactoryReset(rig.link, State(), rec) != ExchangeEnding::Answered));
    EXPECT_EQ(rec.events, (Texts{"pedal 0 mode 1", "pedal 1 mode 0", "timed out", "pedal 2 mode 1"}));
    EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 3);
    EXPECT_EQ(rig.unit.CommandCount(SET_PARAMETERS), 1);
    EXPECT_TRUE(boxes.All().empty());
}

}  // namespace
}  // namespace tarvik::test
