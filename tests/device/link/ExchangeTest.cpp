// SPDX-License-Identifier: GPL-3.0-or-later
// One command exchange: answers, time-outs, failures, and reports that are not the answer.
#include <gtest/gtest.h>

#include <array>

#include "LinkRig.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

using Bytes = std::array<std::uint8_t, REPORT_SIZE>;
using Texts = std::vector<std::string>;
constexpr int kHour = 3600 * 1000;

TEST(Exchange, AnswerEndsTheWaitTheMomentItArrivesAndEveryReportIsAnnounced) {
    // With an hour-long tick only the answer's arrival can end the wait.
    LinkRig rig(Firmware(2, 7, 9), kHour);
    std::vector<QByteArray> sent, received;
    QObject::connect(&rig.link, &HID_PnP::reportSent, [&](const QByteArray& r) { sent.push_back(r); });
    QObject::connect(&rig.link, &HID_PnP::reportReceived, [&](const QByteArray& r) { received.push_back(r); });
    Report out{}, in{};
    EXPECT_EQ(rig.link.Exchange(GET_VERSION_NUMBER, out, in), ExchangeEnding::Answered);
    EXPECT_FALSE(rig.watchdogFired);
    EXPECT_EQ(in, (Bytes{0x90, 0, 2, 7, 9}));
    EXPECT_EQ(out[0], GET_VERSION_NUMBER);
    EXPECT_FALSE(State().Flag_send || State().Flag_input);
    EXPECT_EQ(sent, std::vector<QByteArray>{Hex("90 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")});
    EXPECT_EQ(received, std::vector<QByteArray>{Hex("90 00 02 07 09 00 00 00 00 00 00 00 00 00 00 00")});
}

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
    EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_TRUE(waitingAfter29);
    EXPECT_EQ(EXCHANGE_TIMEOUT_TICKS * EXCHANGE_TICK_MS, 3000);
    EXPECT_EQ(boxes.Texts(), Texts{"タイムアウト"});
    EXPECT_EQ(console.Lines(), (Texts{"alert_OK_pushed", "timeout"}));
    EXPECT_EQ(State().InputPacketBuffer[2], 0x5A);

    EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    EXPECT_EQ(boxes.Texts(), Texts{"タイムアウト"});
    EXPECT_EQ(State().InputPacketBuffer[2], 3);
}

TEST(Exchange, ReportsNobodyWaitsForOrDamagedAreNeverTakenAsTheAnswer) {
    const std::pair<const char*, void (*)(LinkRig&)> cases[] = {
        {"unsolicited report",
         [](LinkRig& rig) {
             rig.unit.SendUnsolicited(Hex("91 00 ee ee ee ee ee ee ee ee ee ee ee ee ee ee"));
             RunEventsFor(5);
         }},
        {"late answer of a timed-out exchange",
         [](LinkRig& rig) {
             rig.unit.Image().pedalCount = 0xEE;
             rig.unit.SetAnswerDelayMs(50);
             // The thirty ticks come at once, long before the answer, however busy the machine is.
             rig.link.SetTickIntervalMs(kHour);
             QTimer::singleShot(0, &rig.unit, [&rig] {
                 for (int tick = 0; tick < EXCHANGE_TIMEOUT_TICKS; ++tick) rig.link.check_INPUT();
             });
             Report out{}, in{};
             EXPECT_EQ(rig.link.Exchange(GET_NUMBER_OF_PEDALS, out, in), ExchangeEnding::TimedOut);
             rig.unit.SetAnswerDelayMs(0);
             rig.unit.Image().pedalCount = -1;
             RunEventsFor(100);  // the late answer arrives while nothing waits
             rig.link.SetTickIntervalMs(1);
         }},
    };
    for (const auto& [name, stray] : cases) {
        SCOPED_TRACE(name);
        LinkRig rig;
        stray(rig);
        Report out{}, in{};
        EXPECT_EQ(rig.link.Exchange(GET_NUMBER_OF_PEDALS, out, in), ExchangeEnding::Answered);
        EXPECT_EQ(in, (Bytes{0x91, 0, 3})) << "took a stray report";
    }
}

// Each failure ends the exchange at once (the tick is an hour) and says how; nothing is shown and
// nothing is taken into the answer.
TEST(Exchange, FailuresEndTheWaitAtOnceAndSayHow) {
    const struct { const char* name; void (*arrange)(LinkRig&); ExchangeEnding ending; bool connected; } cases[] = {
        {"unplugged while waiting for the answer",
         [](LinkRig& rig) {
             rig.unit.SetSilent(true);
             QTimer::singleShot(5, &rig.unit, [&rig] { rig.unit.Unplug(); });
         },
         ExchangeEnding::TimedOut, false},
        {"drops off on the command", [](LinkRig& rig) { rig.unit.SetDropOffOnCommand(GET_VERSION_NUMBER); },
         ExchangeEnding::TimedOut, false},
        {"unplugged before the write is confirmed",
         [](LinkRig& rig) {
             rig.unit.SetWriteResultLater(true);
             QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&rig] { rig.unit.Unplug(); });
         },
         ExchangeEnding::TimedOut, false},
        {"send fails", [](LinkRig& rig) { rig.unit.SetFailSends(true); }, ExchangeEnding::SendFailed, true},
        {"send fails after the write returned",
         [](LinkRig& rig) {
             rig.unit.SetFailSends(true);
             rig.unit.SetWriteResultLater(true);
         },
         ExchangeEnding::SendFailed, true},
        {"no unit", [](LinkRig& rig) { rig.unit.Unplug(); }, ExchangeEnding::NoUnit, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig(DefaultUnitImage(), kHour);
        c.arrange(rig);
        ScriptedPresenter boxes;
        Report out{}, in{};
        in.fill(0x22);
        EXPECT_EQ(rig.link.Exchange(GET_VERSION_NUMBER, out, in), c.ending);
        EXPECT_FALSE(rig.watchdogFired) << "the wait ran into the time-out";
        EXPECT_TRUE(boxes.All().empty());
        EXPECT_EQ(State().DeviceDetected, c.connected);
        EXPECT_FALSE(State().Flag_send);
        EXPECT_EQ(in[2], 0x22);
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
    LinkRig rig(Firmware(2, 7, 9), 50);
    rig.unit.SetAnswerDelayMs(20);
    bool innerFailed = true;
    Bytes innerAnswer{}, innerOut{};
    QTimer::singleShot(5, &rig.unit, [&] {
        innerFailed = rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON);
        innerAnswer = State().InputPacketBuffer;
        innerOut = State().OutputPacketBuffer;
    });
    State().OutputPacketBuffer[1] = 0x42;
    EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_FALSE(innerFailed);
    EXPECT_EQ(innerAnswer, (Bytes{0x91, 0x42, 3}));
    EXPECT_EQ(innerOut[0], GET_NUMBER_OF_PEDALS);
    EXPECT_EQ(State().InputPacketBuffer, (Bytes{0x90, 0x42, 2, 7, 9}));
    EXPECT_EQ(State().OutputPacketBuffer[0], GET_VERSION_NUMBER);
    // One request on the wire at a time: each answer came before the next request.
    QByteArray order;
    for (const auto& line : rig.unit.Transcript()) order += (line.sent ? ">" : "<") + line.bytes.left(1).toHex();
    EXPECT_EQ(order, ">90<90>91<91");
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
        EXPECT_FALSE(State().Flag_send);
        EXPECT_TRUE(boxes.All().empty());
        EXPECT_EQ(State().InputPacketBuffer[0], 0x22);
        const auto sent = rig.Sent();
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[0], Hex("98 02 00 ff ff ff ff ff ff ff ff ff ff ff ff ff"));

        rig.unit.SetSilentCommands({});
        EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
        EXPECT_EQ(State().InputPacketBuffer[2], 2);
    }
}

}  // namespace
}  // namespace tarvik::test
