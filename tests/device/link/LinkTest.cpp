// SPDX-License-Identifier: GPL-3.0-or-later
// The connection manager: its Waiting/Connected states as the simulated unit comes and goes and the
// signal each change gives; one command exchange (answers, time-outs, failures, reports that are not
// the answer); the report layouts each builder writes.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <array>

#include "LinkRig.h"
#include "device/Reports.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

using Bytes = std::array<std::uint8_t, REPORT_SIZE>;
using Texts = std::vector<std::string>;
constexpr int kHour = 3600 * 1000;

// The wait of a silent unit ends at its thirtieth tick (3 s of 0.1 s ticks); Communicate tells the
// user, takes nothing from the failed exchange, and the next exchange goes through without a box.
TEST(Exchange, SilentUnitTimesOutAtTheThirtiethTickAndTheNextExchangeSucceeds) {
    LinkRig rig(DefaultUnitImage(), kHour);
    rig.unit.SetSilentCommands({GET_VERSION_NUMBER});
    ScriptedPresenter boxes;
    ConsoleCapture console;
    State().InputPacketBuffer.fill(0x5A);
    bool waitingAfter29 = false;
    QTimer::singleShot(0, &rig.unit, [&] {
        for (int tick = 1; tick < EXCHANGE_TIMEOUT_TICKS; ++tick) rig.link.check_INPUT();
        waitingAfter29 = State().Flag_send;
        rig.link.check_INPUT();
    });
    EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON) && waitingAfter29);
    EXPECT_EQ(EXCHANGE_TIMEOUT_TICKS * EXCHANGE_TICK_MS, 3000);
    EXPECT_EQ(boxes.Texts(), Texts{"タイムアウト"});
    EXPECT_EQ(console.Lines(), (Texts{"alert_OK_pushed", "timeout"}));
    EXPECT_EQ(State().InputPacketBuffer[2], 0x5A);

    EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    EXPECT_EQ(boxes.Texts(), Texts{"タイムアウト"});
    EXPECT_EQ(State().InputPacketBuffer[2], 3);
}

TEST(Exchange, ReportsNobodyWaitsForOrDamagedAreNeverTakenAsTheAnswer) {
    LinkRig rig;
    rig.unit.SendUnsolicited(Hex("91 00 ee ee ee ee ee ee ee ee ee ee ee ee ee ee"));
    RunEventsFor(5);  // it arrives while nothing waits
    Report out{}, in{};
    EXPECT_EQ(rig.link.Exchange(GET_NUMBER_OF_PEDALS, out, in), ExchangeEnding::Answered);
    EXPECT_EQ(in, (Bytes{0x91, 0, 3})) << "took a stray report";
}

// Each failure ends the exchange at once (the tick is an hour) and says how; nothing is shown and
// nothing is taken into the answer.
TEST(Exchange, FailuresEndTheWaitAtOnceAndSayHow) {
    using E = ExchangeEnding;
    enum Unplug { Never, WhileWaiting, OnTheWrite, Before };
    const struct {
        const char* name; bool silent, writeDoneLater, failSends; Unplug unplug; E ending; bool connected;
    } cases[] = {
        {"unplugged while waiting for the answer", true, false, false, WhileWaiting, E::TimedOut, false},
        {"unplugged before the write is confirmed", false, true, false, OnTheWrite, E::TimedOut, false},
        {"send fails", false, false, true, Never, E::SendFailed, true},
        {"send fails after the write returned", false, true, true, Never, E::SendFailed, true},
        {"no unit", false, false, false, Before, E::NoUnit, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig(DefaultUnitImage(), kHour);
        rig.unit.SetSilent(c.silent);
        rig.unit.SetWriteResultLater(c.writeDoneLater);
        rig.unit.SetFailSends(c.failSends);
        const auto unplug = [&rig] { rig.unit.Unplug(); };
        if (c.unplug == WhileWaiting) QTimer::singleShot(5, &rig.unit, unplug);
        if (c.unplug == OnTheWrite) QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, unplug);
        if (c.unplug == Before) unplug();
        ScriptedPresenter boxes;
        Report out{}, in{};
        in.fill(0x22);
        EXPECT_EQ(rig.link.Exchange(GET_VERSION_NUMBER, out, in), c.ending);
        EXPECT_FALSE(rig.watchdogFired) << "the wait ran into the time-out";
        EXPECT_TRUE(boxes.All().empty() && !State().Flag_send);
        EXPECT_EQ(std::pair(rig.link.HasDevice(), int(in[2])), std::pair(c.connected, 0x22));
    }
    // Communicate tells the user of a failed send; of no unit it says nothing.
    LinkRig rig;
    ScriptedPresenter boxes;
    ConsoleCapture console;
    rig.unit.SetFailSends(true);
    EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    rig.unit.Unplug();
    EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_EQ(boxes.Texts(), Texts{"送信エラー"});
    EXPECT_EQ(console.Lines(), Texts{"alert_OK_pushed"});
}

TEST(Exchange, AnExchangeStartedInsideAnotherWaitsItsTurnAndBothGetTheirOwnAnswer) {
    LinkRig rig(Unit(std::vector<PedalImage>(3), {2, 7, 9}), 50);
    rig.unit.SetAnswerDelayMs(20);
    QStringList wire;  // every report as the manager announces it
    QObject::connect(&rig.link, &HID_PnP::reportSent, [&](const QByteArray& r) { wire << "> " + r.toHex(' '); });
    QObject::connect(&rig.link, &HID_PnP::reportReceived,
                     [&](const QByteArray& r) { wire << "< " + r.toHex(' '); });
    bool innerFailed = true;
    Bytes innerAnswer{}, innerOut{};
    QTimer::singleShot(5, &rig.unit, [&] {
        innerFailed = rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON);
        innerAnswer = State().InputPacketBuffer;
        innerOut = State().OutputPacketBuffer;
    });
    State().OutputPacketBuffer[1] = 0x42;
    EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_EQ(std::pair(innerFailed, innerAnswer), std::pair(false, Bytes{0x91, 0x42, 3}));
    EXPECT_EQ(innerOut[0], GET_NUMBER_OF_PEDALS);
    EXPECT_EQ(State().InputPacketBuffer, (Bytes{0x90, 0x42, 2, 7, 9}));
    EXPECT_EQ(State().OutputPacketBuffer[0], GET_VERSION_NUMBER);
    EXPECT_FALSE(State().Flag_send || State().Flag_input);
    // One request on the wire at a time: each answer came before the next request.
    EXPECT_EQ(wire, (QStringList{"> 90 42 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                                 "< 90 42 02 07 09 00 00 00 00 00 00 00 00 00 00 00",
                                 "> 91 42 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                                 "< 91 42 03 00 00 00 00 00 00 00 00 00 00 00 00 00"}));
}

TEST(Exchange, AdditionalDataRequestWaitsForItsAnswerAndLeavesTheHandshakeIdle) {
    for (bool silent : {false, true}) {
        SCOPED_TRACE(silent);
        LinkRig rig;
        if (silent) rig.unit.SetSilentCommands({GET_ADDITIONAL_DATA});
        ScriptedPresenter boxes;
        State().SelectedPedalNo = 2;
        State().InputPacketBuffer.fill(0x22);
        rig.link.Communicate_AdditionalData();
        rig.link.Communicate_AdditionalData();  // a second request must not hang on the first
        EXPECT_TRUE(!State().Flag_send && boxes.All().empty());
        EXPECT_EQ(State().InputPacketBuffer[0], 0x22);
        ASSERT_EQ(rig.Sent().size(), 2u);
        EXPECT_EQ(rig.Sent()[0], Hex("98 02 00 ff ff ff ff ff ff ff ff ff ff ff ff ff"));

        rig.unit.SetSilentCommands({});
        EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
        EXPECT_EQ(State().InputPacketBuffer[2], 2);
    }
}

TEST(Connection, TheProbeTakesAUnitThatIsThereAndEveryPlugAndUnplugIsSignalled) {
    LinkRig rig;
    EXPECT_TRUE(rig.link.HasDevice() && rig.unit.IsOpen());
    EXPECT_EQ(rig.link.myDevice(), "sim:0");

    QSignalSpy attached(&rig.link, &HID_PnP::unitAttached);
    QSignalSpy removed(&rig.link, &HID_PnP::unitRemoved);
    for (int round = 1; round <= 2; ++round) {
        rig.unit.Unplug();
        EXPECT_EQ(std::pair(rig.link.HasDevice(), int(removed.count())), std::pair(false, round));
        rig.unit.Plug();
        EXPECT_EQ(std::tuple(rig.link.HasDevice(), int(attached.count()), rig.link.ConnectionSerial()),
                  std::tuple(true, round, round + 1));
    }

    // Another device, or a second unit while one is held, changes nothing.
    emit rig.unit.removed(QStringLiteral("/dev/hidraw7"));
    emit rig.unit.arrived(QStringLiteral("/dev/hidraw8"));
    EXPECT_TRUE(rig.link.HasDevice() && rig.unit.IsOpen());
    EXPECT_EQ(removed.count() + attached.count(), 4);
}

TEST(Connection, AProbeThatFindsNoneIsARemovalAndSaysWhy) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    EXPECT_EQ(std::pair(rig.link.HasDevice(), rig.link.LastOpenResult()), std::pair(false, OpenResult::NoUnit));
    QSignalSpy removed(&rig.link, &HID_PnP::unitRemoved);
    rig.unit.SetOpenResult(OpenResult::PermissionDenied);
    rig.unit.Plug();
    EXPECT_EQ(std::tuple(rig.link.HasDevice(), rig.link.LastOpenResult(), int(removed.count())),
              std::tuple(false, OpenResult::PermissionDenied, 1));
}

TEST(Connection, GuardsKeepANotificationOfTheSameKindFromStartingAgain) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    State().flag_MyNewDeviceCallback = true;
    rig.unit.Plug();
    EXPECT_FALSE(rig.link.HasDevice());
    State().flag_MyNewDeviceCallback = false;
    emit rig.unit.arrived(QStringLiteral("sim:0"));
    ASSERT_TRUE(rig.link.HasDevice());

    State().flag_MyRemovalCallback = true;
    emit rig.unit.removed(QStringLiteral("sim:0"));
    EXPECT_TRUE(rig.link.HasDevice());
    State().flag_MyRemovalCallback = false;
    emit rig.unit.removed(QStringLiteral("sim:0"));
    EXPECT_FALSE(rig.link.HasDevice());
}

TEST(Connection, ASecondManagerDoesNotHearTheFirstOnesUnit) {
    LinkRig current(DefaultUnitImage(), 1, false);
    SimulatedUnit first;
    DeviceState other;
    HID_PnP stale(first, other);
    first.Unplug();
    first.Plug();
    EXPECT_TRUE(stale.HasDevice());
    EXPECT_FALSE(current.link.HasDevice());
}

// The other builders' bytes are pinned by the reports the flows send; nothing reads the rest of this
// request but the unit, so here it must come out as it was.
TEST(Reports, BuildersWriteOnlyTheBytesTheirLayoutNames) {
    Report r{};
    for (int i = 0; i < REPORT_SIZE; ++i) r[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0xA0 + i);
    FillGetAdditionalData(r, 4, 2);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(r.data()), REPORT_SIZE),
              Hex("a0 04 02 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af"));
}

// Where each block lands is pinned by the simulated unit's answers and the read flow; here, the
// block numbers a unit or a caller may bring that have no place in the record.
TEST(Reports, BlockNumbersOutsideTheRecordAreRefusedWithoutTouchingIt) {
    for (int block : {-1, 5, 1 << 20}) {
        EXPECT_EQ(AdditionalBlockSize(block), 0);
        Report r{};
        r.fill(0x33);
        AdditionalRecord additional{};
        EXPECT_FALSE(TakeAdditionalBlock(r, block, additional));
        EXPECT_FALSE(PutAdditionalBlock(r, block, additional));
        EXPECT_EQ(additional, AdditionalRecord{});
        EXPECT_EQ(r[2], 0x33);
    }
}

}  // namespace
}  // namespace tarvik::test
