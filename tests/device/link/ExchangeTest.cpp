// One command exchange: answers, time-outs, failures, and reports that are not the answer.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <array>

#include "LinkRig.h"
#include "device/DeviceState.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

using Bytes = std::array<std::uint8_t, REPORT_SIZE>;

UnitImage Firmware(std::uint8_t major, std::uint8_t minor, std::uint8_t revision) {
    UnitImage image = DefaultUnitImage();
    image.firmware = {major, minor, revision};
    return image;
}

TEST(Exchange, AnswerEndsTheWaitTheMomentItArrives) {
    // With an hour-long tick only the answer's arrival can end the wait; the watchdog would
    // otherwise end it as a time-out.
    LinkRig rig(Firmware(2, 7, 9), 3600 * 1000);
    ScriptedPresenter boxes;
    EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_FALSE(rig.watchdogFired);
    const auto& in = State().InputPacketBuffer;
    EXPECT_EQ(in[2], 2);
    EXPECT_EQ(in[3], 7);
    EXPECT_EQ(in[4], 9);
    EXPECT_FALSE(State().Flag_send);
    EXPECT_FALSE(State().Flag_input);
    EXPECT_FALSE(State().Flag_timeout);
    EXPECT_EQ(State().Count_timeout, 0);
    EXPECT_TRUE(boxes.All().empty());
}

TEST(Exchange, SilentUnitTimesOutWithOneAlertAndAConsoleLine) {
    LinkRig rig;
    rig.unit.SetSilent(true);
    ScriptedPresenter boxes;
    ConsoleCapture console;
    State().InputPacketBuffer.fill(0x5A);
    EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"タイムアウト"});
    EXPECT_EQ(console.Lines(), (std::vector<std::string>{"alert_OK_pushed", "timeout"}));
    EXPECT_TRUE(State().Flag_timeout);
    EXPECT_FALSE(State().Flag_send);
    EXPECT_EQ(State().InputPacketBuffer[2], 0x5A);  // nothing taken from a failed exchange
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
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"タイムアウト"});
}

TEST(Exchange, TheExchangeAfterATimeOutSucceedsWithoutAlert) {
    LinkRig rig;
    rig.unit.SetSilentCommands({GET_VERSION_NUMBER});
    ScriptedPresenter boxes;
    EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    boxes.Clear();
    EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    EXPECT_TRUE(boxes.All().empty());
    EXPECT_FALSE(State().Flag_timeout);
    EXPECT_EQ(State().InputPacketBuffer[2], 3);
}

TEST(Exchange, ReportsNobodyWaitsForAreNeverTakenAsALaterAnswer) {
    struct Case {
        const char* name;
        void (*stray)(LinkRig&);
    };
    const Case cases[] = {
        {"unsolicited report",
         [](LinkRig& rig) {
             rig.unit.SendUnsolicited(Hex("90 00 ee ee ee ee ee ee ee ee ee ee ee ee ee ee"));
             RunEventsFor(5);
         }},
        {"late answer of a timed-out exchange",
         [](LinkRig& rig) {
             ScriptedPresenter boxes;
             rig.unit.SetAnswerDelayMs(80);  // the time-out is 30 ticks of 1 ms
             EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
             rig.unit.SetAnswerDelayMs(0);
             RunEventsFor(120);  // the late answer arrives while nothing waits
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        LinkRig rig(Firmware(0xEE, 0xEE, 0xEE));
        c.stray(rig);
        EXPECT_FALSE(State().Flag_input);
        ScriptedPresenter boxes;
        EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
        EXPECT_EQ(State().InputPacketBuffer[2], 3) << "took the stray report";
        EXPECT_TRUE(boxes.All().empty());
    }
}

TEST(Exchange, DamagedReportsAreNotAnswers) {
    LinkRig rig(DefaultUnitImage(), 10);
    rig.unit.SetSilent(true);
    QTimer::singleShot(5, &rig.unit, [&] { emit rig.unit.inputReport(Hex("90 00 ee ee")); });
    QTimer::singleShot(10, &rig.unit, [&] { emit rig.unit.inputReport(QByteArray(17, '\xee')); });
    QTimer::singleShot(15, &rig.unit,
                       [&] { emit rig.unit.inputReport(Hex("90 00 02 01 00 00 00 00 00 00 00 00 00 00 00 00")); });
    ScriptedPresenter boxes;
    EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_EQ(State().InputPacketBuffer, (Bytes{0x90, 0, 2, 1}));
}

TEST(Exchange, PullingTheUnitOutEndsTheWaitAtOnceAsATimeOut) {
    struct Case {
        const char* name;
        void (*arrange)(LinkRig&);
    };
    const Case cases[] = {
        {"unplugged while waiting for the answer",
         [](LinkRig& rig) {
             rig.unit.SetSilent(true);
             QTimer::singleShot(5, &rig.unit, [&rig] { rig.unit.Unplug(); });
         }},
        {"drops off on the command", [](LinkRig& rig) { rig.unit.SetDropOffOnCommand(GET_VERSION_NUMBER); }},
        {"unplugged before the write is confirmed",
         [](LinkRig& rig) {
             rig.unit.SetWriteResultLater(true);
             QObject::connect(&rig.link, &HID_PnP::reportSent, &rig.unit, [&rig] { rig.unit.Unplug(); });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        LinkRig rig(DefaultUnitImage(), 3600 * 1000);
        c.arrange(rig);
        ScriptedPresenter boxes;
        ConsoleCapture console;
        EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
        EXPECT_FALSE(rig.watchdogFired) << "the wait ran into the time-out";
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"タイムアウト"});
        EXPECT_EQ(console.Lines(), (std::vector<std::string>{"alert_OK_pushed", "timeout"}));
        EXPECT_FALSE(State().DeviceDetected);
        EXPECT_FALSE(State().Flag_send);
    }
}

TEST(Exchange, SendFailureShowsTheSendErrorOnly) {
    for (bool resultLater : {false, true}) {
        SCOPED_TRACE(resultLater);
        State() = DeviceState{};
        LinkRig rig;
        rig.unit.SetFailSends(true);
        rig.unit.SetWriteResultLater(resultLater);
        ScriptedPresenter boxes;
        ConsoleCapture console;
        EXPECT_TRUE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"送信エラー"});
        EXPECT_EQ(console.Lines(), std::vector<std::string>{"alert_OK_pushed"});
        EXPECT_FALSE(State().Flag_send);
        EXPECT_FALSE(State().Flag_timeout);

        // The next one goes through.
        rig.unit.SetFailSends(false);
        EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    }
}

TEST(Exchange, NoUnitFailsSilentlyAndTouchesNoBuffer) {
    SimulatedUnit unit;
    unit.Unplug();
    HID_PnP link(unit);
    State().OutputPacketBuffer.fill(0x11);
    State().InputPacketBuffer.fill(0x22);
    ScriptedPresenter boxes;
    ConsoleCapture console;
    EXPECT_TRUE(link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    link.Communicate_AdditionalData();
    EXPECT_TRUE(boxes.All().empty());
    EXPECT_TRUE(console.Lines().empty());
    Bytes out;
    out.fill(0x11);
    Bytes in;
    in.fill(0x22);
    EXPECT_EQ(State().OutputPacketBuffer, out);
    EXPECT_EQ(State().InputPacketBuffer, in);
    EXPECT_TRUE(unit.Transcript().isEmpty());
}

TEST(Exchange, AnExchangeStartedInsideAnotherWaitsItsTurnAndBothGetTheirOwnAnswer) {
    LinkRig rig(Firmware(2, 7, 9), 50);
    rig.unit.SetAnswerDelayMs(20);
    bool innerFailed = true;
    Bytes innerAnswer{};
    Bytes innerOut{};
    QTimer::singleShot(5, &rig.unit, [&] {
        innerFailed = rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON);
        innerAnswer = State().InputPacketBuffer;
        innerOut = State().OutputPacketBuffer;
    });
    ScriptedPresenter boxes;
    State().OutputPacketBuffer[1] = 0x42;
    EXPECT_FALSE(rig.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_FALSE(innerFailed);
    EXPECT_EQ(innerAnswer[2], 3);
    EXPECT_EQ(innerOut[0], GET_NUMBER_OF_PEDALS);
    const auto& in = State().InputPacketBuffer;
    EXPECT_EQ(in[2], 2);
    EXPECT_EQ(in[3], 7);
    EXPECT_EQ(in[4], 9);
    EXPECT_EQ(State().OutputPacketBuffer[0], GET_VERSION_NUMBER);
    EXPECT_EQ(State().OutputPacketBuffer[1], 0x42);
    // One request on the wire at a time: each answer came before the next request.
    std::vector<std::pair<bool, int>> order;
    for (const auto& line : rig.unit.Transcript()) order.emplace_back(line.sent, static_cast<std::uint8_t>(line.bytes[0]));
    EXPECT_EQ(order, (std::vector<std::pair<bool, int>>{
                         {true, 0x90}, {false, 0x90}, {true, 0x91}, {false, 0x91}}));
    EXPECT_TRUE(boxes.All().empty());
}

TEST(Exchange, AdditionalDataRequestWaitsForItsAnswerAndLeavesTheHandshakeIdle) {
    for (bool silent : {false, true}) {
        SCOPED_TRACE(silent);
        State() = DeviceState{};
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

TEST(Exchange, EveryReportIsAnnouncedBothWays) {
    LinkRig rig;
    std::vector<QByteArray> sent, received;
    QObject::connect(&rig.link, &HID_PnP::reportSent, [&](const QByteArray& r) { sent.push_back(r); });
    QObject::connect(&rig.link, &HID_PnP::reportReceived, [&](const QByteArray& r) { received.push_back(r); });
    rig.unit.SendUnsolicited(Hex("96 01"));
    RunEventsFor(5);
    EXPECT_FALSE(rig.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], Hex("91 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], Hex("96 01"));
    EXPECT_EQ(received[1], Hex("91 00 03 00 00 00 00 00 00 00 00 00 00 00 00 00"));
}

}  // namespace
}  // namespace tarvik::test
