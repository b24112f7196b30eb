// The flows both programs run: reading a unit, writing a pedal, the factory reset.
#include <gtest/gtest.h>

#include <string>

#include "LinkRig.h"
#include "device/DeviceState.h"
#include "device/Reports.h"
#include "device/UnitFlows.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

struct Recorder : UnitFlowListener {
    std::vector<std::string> events;
    void PedalCountKnown(int count, int reported) override {
        events.push_back("count " + std::to_string(count) + " of " + std::to_string(reported));
    }
    void PedalRecordReady(int pedal) override {
        events.push_back("pedal " + std::to_string(pedal) + " mode " +
                         std::to_string(State().OutputMode[static_cast<std::size_t>(pedal)]));
    }
    void ExchangeFailed() override { events.push_back("failed"); }
};

PedalImage Pedal(std::uint8_t mode, std::uint8_t seed) {
    PedalImage p;
    p.mode = mode;
    for (std::size_t i = 0; i < p.common.size(); ++i) p.common[i] = static_cast<std::uint8_t>(seed + i);
    for (std::size_t i = 0; i < p.additional.size(); ++i) p.additional[i] = static_cast<std::uint8_t>(seed + 2 * i);
    return p;
}

UnitImage Unit(std::vector<PedalImage> pedals) {
    UnitImage image;
    image.firmware = {2, 3, 4};
    image.pedals = std::move(pedals);
    return image;
}

void FillStateWith(std::uint8_t b) {
    auto& s = State();
    s.VersionNumberMajor = s.VersionNumberMinor = s.VersionNumberRevision = b;
    s.NumberOfPedals = 99;
    s.OutputMode.fill(b);
    for (auto& c : s.CommonData) c.fill(b);
    for (auto& a : s.AdditionalData) a.fill(b);
}

void ExpectPedalStored(const UnitImage& image, int p) {
    const auto i = static_cast<std::size_t>(p);
    EXPECT_EQ(State().OutputMode[i], image.pedals[i].mode) << "pedal " << p;
    EXPECT_EQ(State().CommonData[i], image.pedals[i].common) << "pedal " << p;
}

void ExpectPedalUntouched(int p, std::uint8_t b) {
    const auto i = static_cast<std::size_t>(p);
    EXPECT_EQ(State().OutputMode[i], b) << "pedal " << p;
    for (std::uint8_t x : State().CommonData[i]) EXPECT_EQ(x, b) << "pedal " << p;
    for (std::uint8_t x : State().AdditionalData[i]) EXPECT_EQ(x, b) << "pedal " << p;
}

TEST(ReadUnit, ReadsEveryPedalWithItsExchangeCount) {
    struct Case {
        const char* name;
        std::vector<PedalImage> pedals;
        int exchanges;
    };
    const Case cases[] = {
        {"no pedals", {}, 2},
        {"one multi-chord pedal", {Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 1)}, 2 + 1 + 5},
        {"three simple pedals", {Pedal(SIMPLE_CLICK, 1), Pedal(SIMPLE_KEY_OUTPUT, 2), Pedal(POINTER_MOVE, 3)}, 5},
        {"five of every kind",
         {Pedal(OUTPUT_AT_CHANGE, 1), Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 2), Pedal(WHEEL_ROTATION, 3),
          Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 4), Pedal(0xFF, 5)},
         2 + 5 + 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        const UnitImage image = Unit(c.pedals);
        LinkRig rig(image);
        Recorder rec;
        ScriptedPresenter boxes;
        ASSERT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Done);
        EXPECT_EQ(static_cast<int>(rig.Sent().size()), c.exchanges);
        EXPECT_EQ(State().VersionNumberMajor, 2);
        EXPECT_EQ(State().VersionNumberMinor, 3);
        EXPECT_EQ(State().VersionNumberRevision, 4);
        const int n = static_cast<int>(c.pedals.size());
        EXPECT_EQ(State().NumberOfPedals, n);
        std::vector<std::string> expected{"count " + std::to_string(n) + " of " + std::to_string(n)};
        for (int p = 0; p < n; ++p) {
            const auto i = static_cast<std::size_t>(p);
            ExpectPedalStored(image, p);
            if (image.pedals[i].mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT) {
                EXPECT_EQ(State().AdditionalData[i], image.pedals[i].additional) << "pedal " << p;
            } else {
                EXPECT_EQ(State().AdditionalData[i], AdditionalRecord{}) << "read though not multi-chord";
            }
            expected.push_back("pedal " + std::to_string(p) + " mode " + std::to_string(image.pedals[i].mode));
        }
        EXPECT_EQ(rec.events, expected);
        EXPECT_TRUE(boxes.All().empty());
    }
}

TEST(ReadUnit, BlockRequestsNameThePedalAndTheBlock) {
    LinkRig rig(Unit({Pedal(SIMPLE_CLICK, 1), Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 2)}));
    Recorder rec;
    ASSERT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Done);
    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 9u);
    EXPECT_EQ(sent[2].left(2), Hex("95 00"));
    EXPECT_EQ(sent[3].left(2), Hex("95 01"));
    for (int block = 0; block < 5; ++block) {
        EXPECT_EQ(sent[static_cast<std::size_t>(4 + block)].left(3), Hex("98 01") + char(block)) << block;
    }
}

// Version, count, pedal 0, pedal 1 (multi-chord), its five blocks: each one failing in turn.
TEST(ReadUnit, StopsAtTheFirstFailedExchangeAndStoresNothingOfIt) {
    const UnitImage image = Unit({Pedal(SIMPLE_KEY_OUTPUT, 0x10), Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 0x40)});
    for (int failing = 0; failing < 9; ++failing) {
        SCOPED_TRACE(failing);
        State() = DeviceState{};
        LinkRig rig(image);
        FillStateWith(0xEE);
        int sentSoFar = 0;
        QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&] {
            if (sentSoFar++ == failing) rig.unit.SetSilent(true);
        });
        Recorder rec;
        ScriptedPresenter boxes;
        EXPECT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Failed);
        EXPECT_EQ(static_cast<int>(rig.Sent().size()), failing + 1) << "went on after the failure";
        ASSERT_FALSE(rec.events.empty());
        EXPECT_EQ(rec.events.back(), "failed");
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"タイムアウト"});

        EXPECT_EQ(State().VersionNumberMajor, failing >= 1 ? 2 : 0xEE);
        EXPECT_EQ(State().NumberOfPedals, failing >= 2 ? 2 : 99);
        if (failing >= 3) {
            ExpectPedalStored(image, 0);
        } else {
            ExpectPedalUntouched(0, 0xEE);
        }
        ExpectPedalUntouched(1, 0xEE);
    }
}

TEST(ReadUnit, StopsWhenTheUnitGoesAwayOrIsReplaced) {
    struct Case {
        const char* name;
        void (*during)(SimulatedUnit&);
    };
    const Case cases[] = {
        {"unplugged", [](SimulatedUnit& u) { u.Unplug(); }},
        {"replaced", [](SimulatedUnit& u) {
             u.Unplug();
             u.Plug();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        LinkRig rig(Unit({Pedal(SIMPLE_CLICK, 1), Pedal(SIMPLE_CLICK, 2), Pedal(SIMPLE_CLICK, 3)}), 3600 * 1000);
        rig.unit.SetAnswerDelayMs(5);
        int sentSoFar = 0;
        QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&] {
            if (sentSoFar++ == 3) QTimer::singleShot(1, &rig.unit, [&] { c.during(rig.unit); });
        });
        Recorder rec;
        ScriptedPresenter boxes;
        EXPECT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Failed);
        EXPECT_FALSE(rig.watchdogFired);
        EXPECT_EQ(rig.unit.CommandCount(GET_OUTPUT_MODE_AND_DATA), 2) << "read on after the unit went";
        EXPECT_EQ(rec.events.back(), "failed");
    }
}

TEST(ReadUnit, MoreThanFivePedalsAreBoundedAndNamed) {
    UnitImage image = Unit({Pedal(0, 1), Pedal(0, 2), Pedal(0, 3), Pedal(0, 4), Pedal(0, 5)});
    image.pedalCount = 200;
    LinkRig rig(image);
    Recorder rec;
    ConsoleCapture console;
    ASSERT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Done);
    EXPECT_EQ(State().NumberOfPedals, 5);
    EXPECT_EQ(rig.unit.CommandCount(GET_OUTPUT_MODE_AND_DATA), 5);
    EXPECT_EQ(rec.events.front(), "count 5 of 200");
    EXPECT_EQ(console.Lines(), std::vector<std::string>{"The Tarvik reports 200 pedals; only the first 5 are read."});
}

TEST(ReadUnit, UnitReportingMorePedalsThanItHasReadsZerosForTheMissingOnes) {
    UnitImage image = Unit({Pedal(SIMPLE_CLICK, 1)});
    image.pedalCount = 3;
    LinkRig rig(image);
    Recorder rec;
    FillStateWith(0xEE);
    ASSERT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Done);
    EXPECT_EQ(State().OutputMode[2], 0);
    EXPECT_EQ(State().CommonData[2], CommonRecord{});
}

TEST(ReadUnit, FirmwareFromMajorVersionThreeIsRefused) {
    struct Case {
        std::array<std::uint8_t, 3> firmware;
        ReadOutcome outcome;
        int exchanges;
    };
    const Case cases[] = {
        {{2, 255, 255}, ReadOutcome::Done, 5},
        {{3, 0, 0}, ReadOutcome::Unsupported, 1},
        {{255, 0, 0}, ReadOutcome::Unsupported, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firmware[0]);
        State() = DeviceState{};
        UnitImage image = DefaultUnitImage();
        image.firmware = c.firmware;
        LinkRig rig(image);
        Recorder rec;
        EXPECT_EQ(ReadUnit(rig.link, rec), c.outcome);
        EXPECT_EQ(static_cast<int>(rig.Sent().size()), c.exchanges);
        EXPECT_EQ(State().VersionNumberMajor, c.firmware[0]);
    }
}

TEST(ReadUnit, WithoutUnitFailsWithoutMessage) {
    SimulatedUnit unit;
    unit.Unplug();
    HID_PnP link(unit);
    Recorder rec;
    ScriptedPresenter boxes;
    EXPECT_EQ(ReadUnit(link, rec), ReadOutcome::Failed);
    EXPECT_EQ(rec.events, std::vector<std::string>{"failed"});
    EXPECT_TRUE(boxes.All().empty());
}

TEST(WriteSelectedPedal, FailedFirstExchangeSendsNoParameters) {
    LinkRig rig;
    rig.unit.SetSilentCommands({SET_OUTPUT_MODE_AND_DATA});
    ScriptedPresenter boxes;
    State().SelectedPedalNo = 1;
    EXPECT_TRUE(WriteSelectedPedal(rig.link));
    EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
    EXPECT_EQ(rig.unit.CommandCount(SET_PARAMETERS), 0);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"タイムアウト"});
}

TEST(WriteSelectedPedal, PedalOutsideTheRecordsIsNotSent) {
    LinkRig rig;
    for (int p : {-1, 5, 1000}) {
        State().SelectedPedalNo = p;
        EXPECT_TRUE(WriteSelectedPedal(rig.link)) << p;
    }
    EXPECT_TRUE(rig.Sent().empty());
}

TEST(FactorySetting, TableWritesOnlyTheBytesItNames) {
    struct Row {
        std::uint8_t mode;
        std::uint8_t byte0;
        std::uint8_t byte1;
    };
    const Row rows[] = {{1, 1, 0x77}, {0, 0, 0x28}, {1, 2, 0x77}, {0, 0, 0x50}, {0, 0, 0x4F}};
    for (int p = 0; p < 5; ++p) {
        SCOPED_TRACE(p);
        std::uint8_t mode = 9;
        CommonRecord common;
        common.fill(0x77);
        ApplyFactorySetting(p, mode, common);
        EXPECT_EQ(mode, rows[p].mode);
        EXPECT_EQ(common[0], rows[p].byte0);
        EXPECT_EQ(common[1], rows[p].byte1);
        for (std::size_t i = 2; i < common.size(); ++i) EXPECT_EQ(common[i], 0x77);
    }
    std::uint8_t mode = 9;
    CommonRecord common{};
    ApplyFactorySetting(5, mode, common);
    ApplyFactorySetting(-1, mode, common);
    ApplyFactorySetting(5);
    EXPECT_EQ(mode, 9);
}

TEST(FactoryReset, UnitEndsWithTheFactoryTableAndKeepsTheOtherBytes) {
    std::vector<PedalImage> pedals;
    for (int p = 0; p < 5; ++p) {
        PedalImage pedal = Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, 0x30);
        pedal.common.fill(static_cast<std::uint8_t>(0x30 + p));
        pedals.push_back(pedal);
    }
    LinkRig rig(Unit(pedals));
    Recorder rec;
    ScriptedPresenter boxes;
    ASSERT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Done);
    rec.events.clear();
    rig.unit.ClearTranscript();

    EXPECT_FALSE(FactoryReset(rig.link, rec));
    EXPECT_EQ(rec.events, (std::vector<std::string>{"pedal 0 mode 1", "pedal 1 mode 0", "pedal 2 mode 1",
                                                    "pedal 3 mode 0", "pedal 4 mode 0"}));
    const std::uint8_t modes[] = {1, 0, 1, 0, 0};
    const std::uint8_t byte0[] = {1, 0, 2, 0, 0};
    const int byte1[] = {0x30, 0x28, 0x32, 0x50, 0x4F};
    for (int p = 0; p < 5; ++p) {
        SCOPED_TRACE(p);
        const auto i = static_cast<std::size_t>(p);
        const PedalImage& stored = rig.unit.Image().pedals[i];
        EXPECT_EQ(stored.mode, modes[p]);
        EXPECT_EQ(stored.common[0], byte0[p]);
        EXPECT_EQ(stored.common[1], byte1[p]);
        for (std::size_t b = 2; b < stored.common.size(); ++b) EXPECT_EQ(stored.common[b], 0x30 + p);
        EXPECT_EQ(State().OutputMode[i], stored.mode);
        EXPECT_EQ(State().CommonData[i], stored.common);
    }
    EXPECT_EQ(rig.unit.LastParameters(), Hex("92 19 14 0f 0f 34 34 34 34 34 34 34 34 34 34 34"));
    EXPECT_TRUE(boxes.All().empty());
}

TEST(FactoryReset, FailedPedalIsReportedAndTheOthersAreStillReset) {
    LinkRig rig;
    Recorder rec;
    ScriptedPresenter boxes;
    ASSERT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Done);
    rec.events.clear();
    int sentSoFar = 0;
    QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&] {
        rig.unit.SetSilent(sentSoFar++ == 1);  // pedal 1's report goes unanswered
    });
    EXPECT_TRUE(FactoryReset(rig.link, rec));
    EXPECT_EQ(rec.events, (std::vector<std::string>{"pedal 0 mode 1", "pedal 1 mode 0", "failed", "pedal 2 mode 1"}));
    EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 3);
    EXPECT_EQ(rig.unit.CommandCount(SET_PARAMETERS), 1);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{
                                 "タイムアウト",
                                 "エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。"}));
}

TEST(FactoryReset, WithoutUnitEndsWithTheFailureText) {
    SimulatedUnit unit;
    unit.Unplug();
    HID_PnP link(unit);
    State().NumberOfPedals = 3;
    State().CommonData[0].fill(0x66);
    Recorder rec;
    ScriptedPresenter boxes;
    EXPECT_TRUE(FactoryReset(link, rec));
    EXPECT_EQ(rec.events, (std::vector<std::string>{"pedal 0 mode 1", "failed", "pedal 1 mode 0", "failed",
                                                    "pedal 2 mode 1", "failed", "failed"}));
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{
                  "エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。"});
    EXPECT_EQ(State().CommonData[0][0], 1);
    EXPECT_EQ(State().CommonData[0][1], 0x66);
}

TEST(FactoryReset, IsNotCarriedOnToAUnitThatTookTheConfirmedOnesPlace) {
    LinkRig rig(DefaultUnitImage(), 3600 * 1000);
    Recorder rec;
    ScriptedPresenter boxes;
    ASSERT_EQ(ReadUnit(rig.link, rec), ReadOutcome::Done);
    rig.unit.ClearTranscript();
    rig.unit.SetAnswerDelayMs(5);
    QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&] {
        QTimer::singleShot(1, &rig.unit, [&] {
            rig.unit.Unplug();
            rig.unit.Plug();
        });
    });
    EXPECT_TRUE(FactoryReset(rig.link, rec));
    EXPECT_FALSE(rig.watchdogFired);
    EXPECT_TRUE(rig.link.HasDevice());
    EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);  // only the one in flight
    EXPECT_EQ(rig.unit.CommandCount(SET_PARAMETERS), 0);
    EXPECT_EQ(boxes.Texts().back(),
              "エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。");
}

TEST(FactoryReset, PedalCountBeyondTheRecordsIsBounded) {
    LinkRig rig(Unit({Pedal(0, 1), Pedal(0, 2), Pedal(0, 3), Pedal(0, 4), Pedal(0, 5)}));
    State().NumberOfPedals = 1000;
    Recorder rec;
    ScriptedPresenter boxes;
    EXPECT_FALSE(FactoryReset(rig.link, rec));
    EXPECT_EQ(rig.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 5);
}

}  // namespace
}  // namespace tarvik::test
