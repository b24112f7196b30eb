// One command exchange: answers, time-outs, failures, and reports that are not the answer.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <array>

#include "LinkRig.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

using Bytes = std::array<std::uint8_t, REPORT_SIZE>;
using Texts = std::vector<std::string>;

TEST(Exchange, AnswerEndsTheWaitTheMomentItArrivesAndEveryReportIsAnnounced) {
    // With an hour-long tick only the answer's arrival can end the wait; the watchdog would
    // otherwise end it as a time-out.
    LinkRig rig(Firmware(2, 7, 9), 3600 * 1000);
    std::vector<QByteArray> sent, received;
    QObject::connect(&rig.link, &HID_PnP::reportSent, [&](const QByteArray& r) { sent.push_back(r); });
    QObject::connect(&rig.link, &HID_PnP::reportReceived, [&](const QByteArray& r) { received.push_back(r); });
    ScriptedPresenter boxes;
    EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_FALSE(rig.watchdogFired);
    EXPECT_EQ(State().InputPacketBuffer, (Bytes{0x90, 0, 2, 7, 9}));
    EXPECT_FALSE(State().Flag_send || State().Flag_input || State().Flag_timeout);
    EXPECT_TRUE(boxes.All().empty());
    EXPECT_EQ(sent, std::vector<QByteArray>{Hex("90 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")});
    EXPECT_EQ(received, std::vector<QByteArray>{Hex("90 00 02 07 09 00 00 00 00 00 00 00 00 00 00 00")});
}

TEST(Exchange, SilentUnitTimesOutOnceAndTheNextExchangeSucceedsWithoutAlert) {
    LinkRig rig;
    rig.unit.SetSilentCommands({GET_VERSION_NUMBER});
    ScriptedPresenter boxes;
    ConsoleCapture console;
    State().InputPacketBuffer.fill(0x5A);
    EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_EQ(boxes.Texts(), Texts{"タイムアウト"});
    EXPECT_EQ(console.Lines(), (Texts{"alert_OK_pushed", "timeout"}));
    EXPECT_TRUE(State().Flag_timeout);
    EXPECT_FALSE(State().Flag_send);
    EXPECT_EQ(State().InputPacketBuffer[2], 0x5A);  // nothing taken from a failed exchange

    EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    EXPECT_EQ(boxes.Texts(), Texts{"タイムアウト"});
    EXPECT_FALSE(State().Flag_timeout);
    EXPECT_EQ(State().InputPacketBuffer[2], 3);
}

TEST(Exchange, RealTimeOutTakesThirtyTicksOfATenthOfASecond) {
    SimulatedUnit unit;
    unit.SetSilent(true);
    HID_PnP link(unit);
    ASSERT_EQ(link.TickIntervalMs(), 100);
    ScriptedPresenter boxes;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    const qint64 ms = clock.elapsed();
    std::printf("real time-out after %lld ms\n", static_cast<long long>(ms));
    EXPECT_GE(ms, 2500);  // a wait that ends far short of 3 s is not the time-out
    EXPECT_EQ(boxes.Texts(), Texts{"タイムアウト"});
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
             ScriptedPresenter boxes;
             rig.unit.Image().pedalCount = 0xEE;
             rig.unit.SetAnswerDelayMs(80);  // the time-out is 30 ticks of 1 ms
             EXPECT_TRUE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
             rig.unit.SetAnswerDelayMs(0);
             rig.unit.Image().pedalCount = -1;
             RunEventsFor(120);  // the late answer arrives while nothing waits
         }},
        {"short and long reports while waiting",
         [](LinkRig& rig) {
             rig.link.SetTickIntervalMs(10);
             rig.unit.SetAnswerDelayMs(20);
             for (const QByteArray& r : {Hex("91 00 ee ee"), QByteArray(17, '\xee')}) {
                 QTimer::singleShot(5, &rig.unit, [&rig, r] { emit rig.unit.inputReport(r); });
             }
         }},
    };
    for (const auto& [name, stray] : cases) {
        SCOPED_TRACE(name);
        LinkRig rig;
        stray(rig);
        ScriptedPresenter boxes;
        EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
        EXPECT_EQ(State().InputPacketBuffer, (Bytes{0x91, 0, 3})) << "took a stray report";
        EXPECT_TRUE(boxes.All().empty());
    }
}

// Each failure ends the exchange at once (the tick is an hour) with its own message, if any.
TEST(Exchange, FailuresEndTheWaitAtOnceWithTheirOwnMessage) {
    const Texts timeout{"タイムアウト"}, timeoutLines{"alert_OK_pushed", "timeout"};
    const Texts sendError{"送信エラー"}, sendErrorLines{"alert_OK_pushed"};
    const struct {
        const char* name;
        void (*arrange)(LinkRig&);
        Texts boxes, console;
        bool connected;
    } cases[] = {
        {"unplugged while waiting for the answer",
         [](LinkRig& rig) {
             rig.unit.SetSilent(true);
             QTimer::singleShot(5, &rig.unit, [&rig] { rig.unit.Unplug(); });
         },
         timeout, timeoutLines, false},
        {"drops off on the command", [](LinkRig& rig) { rig.unit.SetDropOffOnCommand(GET_VERSION_NUMBER); }, timeout,
         timeoutLines, false},
        {"unplugged before the write is confirmed",
         [](LinkRig& rig) {
             rig.unit.SetWriteResultLater(true);
             QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&rig] { rig.unit.Unplug(); });
         },
         timeout, timeoutLines, false},
        {"send fails", [](LinkRig& rig) { rig.unit.SetFailSends(true); }, sendError, sendErrorLines, true},
        {"send fails after the write returned",
         [](LinkRig& rig) {
             rig.unit.SetFailSends(true);
             rig.unit.SetWriteResultLater(true);
         },
         sendError, sendErrorLines, true},
        {"no unit: silently", [](LinkRig& rig) { rig.unit.Unplug(); }, {}, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig(DefaultUnitImage(), 3600 * 1000);
        c.arrange(rig);
        State().InputPacketBuffer.fill(0x22);
        ScriptedPresenter boxes;
        ConsoleCapture console;
        EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
        EXPECT_FALSE(rig.watchdogFired) << "the wait ran into the time-out";
        EXPECT_EQ(boxes.Texts(), c.boxes);
        EXPECT_EQ(console.Lines(), c.console);
        EXPECT_EQ(State().DeviceDetected, c.connected);
        EXPECT_FALSE(State().Flag_send);
        EXPECT_EQ(State().InputPacketBuffer[2], 0x22);
    }
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
    ScriptedPresenter boxes;
    State().OutputPacketBuffer[1] = 0x42;
    EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_FALSE(innerFailed);
    EXPECT_EQ(innerAnswer, (Bytes{0x91, 0x42, 3}));
    EXPECT_EQ(innerOut[0], GET_NUMBER_OF_PEDALS);
    EXPECT_EQ(State().InputPacketBuffer, (Bytes{0x90, 0x42, 2, 7, 9}));
    EXPECT_EQ(State().OutputPacketBuffer[0], GET_VERSION_NUMBER);
    EXPECT_EQ(State().OutputPacketBuffer[1], 0x42);
    // One request on the wire at a time: each answer came before the next request.
    QByteArray order;
    for (const auto& line : rig.unit.Transcript()) order += (line.sent ? ">" : "<") + line.bytes.left(1).toHex();
    EXPECT_EQ(order, ">90<90>91<91");
    EXPECT_TRUE(boxes.All().empty());
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
