// SPDX-License-Identifier: GPL-3.0-or-later
// The flows both programs run: reading a unit, writing a pedal, the factory reset. They show
// nothing; what went wrong reaches the listener and the result.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "LinkRig.h"
#include "device/Reports.h"
#include "device/UnitFlows.h"
#include "device/WriteFlow.h"
#include "model/FactorySettings.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

using Texts = std::vector<std::string>;

struct Recorder : UnitFlowListener {
    Texts events;
    const DeviceState* state = &State();
    void PedalCountKnown(int count, int reported) override {
        events.push_back("count " + std::to_string(count) + " of " + std::to_string(reported));
    }
    void PedalRecordReady(int pedal) override {
        events.push_back("pedal " + std::to_string(pedal) + " mode " + std::to_string(state->OutputMode[pedal]));
    }
    void ExchangeFailed(ExchangeEnding ending) override {
        events.push_back(ending == ExchangeEnding::TimedOut ? "timed out" : "failed");
    }
};

// A pedal whose every byte is set, from `seed` on.
PedalImage Seeded(int mode, int seed) {
    PedalImage p = Pedal(mode);
    for (std::size_t i = 0; i < p.common.size(); ++i) p.common[i] = static_cast<std::uint8_t>(seed + i);
    for (std::size_t i = 0; i < p.additional.size(); ++i) p.additional[i] = static_cast<std::uint8_t>(seed + 2 * i);
    return p;
}

TEST(ReadUnit, ReadsAtMostFivePedalsIntoTheStateItIsGivenAndTheChordOnesBlockByBlock) {
    const UnitImage image = Unit({Seeded(OUTPUT_AT_CHANGE, 1), Seeded(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 2),
                                  Seeded(WHEEL_ROTATION, 3), Seeded(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 4), Seeded(0xFF, 5)},
                                 {2, 3, 4}, 200);
    LinkRig rig(image);
    DeviceState state;
    Recorder rec;
    rec.state = &state;
    ConsoleCapture console;
    ASSERT_EQ(ReadUnit(rig.link, state, rec), ReadOutcome::Done);
    EXPECT_EQ(rig.Sent().size(), 2u + 5u + 2u * ADDITIONAL_DATA_BLOCKS);
    EXPECT_EQ(console.Lines(), Texts{"The Tarvik reports 200 pedals; only the first 5 are read."});
    EXPECT_EQ(std::tie(state.VersionNumberMajor, state.VersionNumberMinor, state.VersionNumberRevision),
              std::tuple(2, 3, 4));
    EXPECT_EQ(std::pair(state.NumberOfPedals, State().NumberOfPedals), std::pair(5, 0));
    for (int p = 0; p < 5; ++p) {
        const PedalImage& pedal = image.pedals[p];
        const bool multiChord = pedal.mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT;
        EXPECT_EQ(std::tie(state.OutputMode[p], state.CommonData[p], state.AdditionalData[p]),
                  std::tuple(pedal.mode, pedal.common, multiChord ? pedal.additional : AdditionalRecord{})) << p;
    }
    EXPECT_EQ(rec.events, (Texts{"count 5 of 200", "pedal 0 mode 10", "pedal 1 mode 9", "pedal 2 mode 7",
                                 "pedal 3 mode 9", "pedal 4 mode 255"}));

    LinkRig refused(Unit({}, {3, 255, 255}));
    EXPECT_EQ(ReadUnit(refused.link, state, rec), ReadOutcome::Unsupported);
    EXPECT_EQ(std::pair(refused.Sent().size(), int(state.VersionNumberMajor)), std::pair(std::size_t{1}, 3));
}

// Version, count, pedal 0, pedal 1 (multi-chord), its five blocks: each one failing in turn.
TEST(ReadUnit, StopsAtTheFirstFailedExchangeAndStoresNothingOfIt) {
    const UnitImage image = Unit({Seeded(SIMPLE_KEY_OUTPUT, 0x10), Seeded(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 0x40)});
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
        EXPECT_EQ(ReadUnit(rig.link, s, rec), ReadOutcome::Failed);
        EXPECT_EQ(static_cast<int>(rig.Sent().size()), failing + 1) << "went on after the failure";
        EXPECT_TRUE(rec.events.back() == "timed out" && boxes.All().empty());
        EXPECT_EQ(std::pair(int(s.VersionNumberMajor), s.NumberOfPedals),
                  std::pair(failing >= 1 ? 2 : 0xEE, failing >= 2 ? 2 : 99));
        EXPECT_EQ(s.CommonData[0], failing >= 3 ? image.pedals[0].common : before.CommonData[0]);
        EXPECT_EQ(std::tie(s.OutputMode[1], s.CommonData[1], s.AdditionalData[1]),
                  std::tie(before.OutputMode[1], before.CommonData[1], before.AdditionalData[1]));
    }
}

// The unit goes away, or another takes its place, while an answer is on its way: the flow stops
// there at once and goes on with neither unit.
TEST(Flows, StopWhenTheUnitGoesAwayOrIsReplaced) {
    for (const auto& [reset, replaced] : {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
        SCOPED_TRACE(std::string(reset ? "reset" : "read") + (replaced ? ", replaced" : ", unplugged"));
        LinkRig rig(Unit({Pedal(SIMPLE_CLICK), Pedal(SIMPLE_CLICK), Pedal(SIMPLE_CLICK)}), 3600 * 1000);
        Recorder rec;
        ASSERT_TRUE(!reset || ReadUnit(rig.link, State(), rec) == ReadOutcome::Done);
        rig.unit.ClearTranscript();
        rig.unit.SetAnswerDelayMs(5);
        int sentSoFar = 0;
        QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&, replaced = replaced, reset = reset] {
            if (sentSoFar++ != (reset ? 0 : 3)) return;  // reset: pedal 0; read: pedal 1
            QTimer::singleShot(1, &rig.unit, [&, replaced] {
                rig.unit.Unplug();
                if (replaced) rig.unit.Plug();
            });
        });
        if (reset) {
            EXPECT_NE(FactoryReset(rig.link, State(), rec), ExchangeEnding::Answered);
            EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);  // the record in flight
            EXPECT_EQ(rig.unit.CommandCount(SET_PARAMETERS), 0);
        } else {
            EXPECT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Failed);
            EXPECT_EQ(rig.unit.CommandCount(GET_OUTPUT_MODE_AND_DATA), 2);
        }
        EXPECT_FALSE(rig.watchdogFired);
        EXPECT_EQ(rig.link.HasDevice(), replaced);
        EXPECT_EQ(rec.events.back(), reset ? "failed" : "timed out");  // reset: the parameters had no unit
    }
}

// A reset goes on past a failed pedal, and sends the parameters after all.
TEST(Flows, WithoutAUnitNothingIsSent) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    Recorder rec;
    EXPECT_EQ(ReadUnit(rig.link, State(), rec), ReadOutcome::Failed);
    EXPECT_EQ(WriteChoice(rig.link, State(), 0, modes::Click{}).ending, ExchangeEnding::NoUnit);
    EXPECT_EQ(rec.events, Texts{"failed"});
    rec.events.clear();
    State().NumberOfPedals = 2;
    EXPECT_EQ(FactoryReset(rig.link, State(), rec), ExchangeEnding::NoUnit);
    EXPECT_EQ(rec.events, (Texts{"pedal 0 mode 1", "failed", "pedal 1 mode 0", "failed", "failed"}));
    EXPECT_TRUE(rig.unit.Transcript().isEmpty());
}

// The record (encoded over the pedal's own bytes), the parameters, then the pedal read back.
TEST(WriteChoice, SendsTheRecordAndTheParametersThenReadsThePedalBackAndStoresOnlyWhatTheUnitHolds) {
    const CommonRecord own = {0x00, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D};
    const CommonRecord clicked = {0x01, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D};
    // changedByUnit: the unit stores byte 12 as 0x77, not as it was sent.
    const struct { const char* what; bool changedByUnit; WriteOutcome outcome; CommonRecord stored; } cases[] = {
        {"read back as written", false, WriteOutcome::Stored, clicked},
        {"read back otherwise", true, WriteOutcome::Differs,
         {0x01, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x77}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PedalImage pedal = Pedal(SIMPLE_KEY_OUTPUT);
        pedal.common = own;
        LinkRig rig(Unit({Pedal(SIMPLE_CLICK), pedal}));
        State().SelectedPedalNo = 0;
        State().CommonData[1] = own;
        if (c.changedByUnit) {
            QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&](const QByteArray& r) {
                if (static_cast<std::uint8_t>(r[0]) == GET_OUTPUT_MODE_AND_DATA) rig.unit.Image().pedals[1].common[12] = 0x77;
            });
        }
        const WriteResult result = WriteChoice(rig.link, State(), 1, modes::Click{BUTTON_LEFT});
        EXPECT_EQ(std::tie(result.outcome, result.mode, result.common),
                  std::tuple(c.outcome, std::uint8_t{SIMPLE_CLICK}, clicked));
        // Bytes after the parameters still carry the pedal's record from the report before.
        EXPECT_EQ(rig.Sent(), (std::vector<QByteArray>{Hex("94 01 01 01 22 23 24 25 26 27 28 29 2a 2b 2c 2d"),
                                                       Hex("92 19 14 0f 0f 23 24 25 26 27 28 29 2a 2b 2c 2d"),
                                                       Hex("95 01 14 0f 0f 23 24 25 26 27 28 29 2a 2b 2c 2d")}));
        EXPECT_EQ(std::tuple(int(State().OutputMode[1]), State().CommonData[1], State().SelectedPedalNo),
                  std::tuple(SIMPLE_CLICK, c.stored, 1));
    }
}

TEST(WriteChoice, AFailedExchangeAtAnyStepStoresNothing) {
    const struct { int silent; std::size_t sent; } cases[] = {
        {SET_OUTPUT_MODE_AND_DATA, 1}, {SET_PARAMETERS, 2}, {GET_OUTPUT_MODE_AND_DATA, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.silent);
        LinkRig rig;
        rig.unit.SetSilentCommands({c.silent});
        State().CommonData[0].fill(0x5A);
        const DeviceState before = State();
        const WriteResult result = WriteChoice(rig.link, State(), 0, modes::Click{BUTTON_RIGHT});
        EXPECT_EQ(std::tie(result.outcome, result.ending), std::tuple(WriteOutcome::Failed, ExchangeEnding::TimedOut));
        EXPECT_EQ(rig.Sent().size(), c.sent);
        EXPECT_EQ(std::tie(State().OutputMode, State().CommonData, State().AdditionalData),
                  std::tie(before.OutputMode, before.CommonData, before.AdditionalData));
    }
    LinkRig rig;
    for (int p : {-1, 5, 1000}) EXPECT_EQ(WriteChoice(rig.link, State(), p, modes::Click{}).ending, ExchangeEnding::NoUnit) << p;
    EXPECT_TRUE(rig.unit.Transcript().isEmpty());
}

TEST(FactoryReset, SendsTheFactoryTableAndKeepsTheOtherBytes) {
    LinkRig rig(Unit(std::vector<PedalImage>(5)));
    State().NumberOfPedals = 1000;  // never more than the five pedals a unit can have
    for (int p = 0; p < 5; ++p) State().CommonData[p].fill(static_cast<std::uint8_t>(0x30 + p));
    Recorder rec;
    EXPECT_EQ(FactoryReset(rig.link, State(), rec), ExchangeEnding::Answered);
    EXPECT_EQ(rec.events,
              (Texts{"pedal 0 mode 1", "pedal 1 mode 0", "pedal 2 mode 1", "pedal 3 mode 0", "pedal 4 mode 0"}));
    EXPECT_EQ(rig.Sent(), (std::vector<QByteArray>{Hex("94 00 01 01 30 30 30 30 30 30 30 30 30 30 30 30"),
                                                   Hex("94 01 00 00 28 31 31 31 31 31 31 31 31 31 31 31"),
                                                   Hex("94 02 01 02 32 32 32 32 32 32 32 32 32 32 32 32"),
                                                   Hex("94 03 00 00 50 33 33 33 33 33 33 33 33 33 33 33"),
                                                   Hex("94 04 00 00 4f 34 34 34 34 34 34 34 34 34 34 34"),
                                                   Hex("92 19 14 0f 0f 34 34 34 34 34 34 34 34 34 34 34")}));
    // Pedals outside the table are left alone.
    std::uint8_t mode = 9;
    CommonRecord common{};
    ApplyFactorySetting(5, mode, common);
    ApplyFactorySetting(-1, mode, common);
    EXPECT_EQ(std::pair(int(mode), common), std::pair(9, CommonRecord{}));
}

}  // namespace
}  // namespace tarvik::test
