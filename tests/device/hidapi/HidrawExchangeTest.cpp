// The command exchange on the path a real unit's reports take: the connection manager over the
// hidapi backend and its I/O thread, with a kernel-like hidraw node as the unit.
#include <gtest/gtest.h>

#include <QTimer>
#include <array>

#include "BackendRig.h"
#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

using Bytes = std::array<std::uint8_t, REPORT_SIZE>;
using Texts = std::vector<std::string>;

struct LinkOverHidraw {
    bool fresh = (State() = DeviceState{}, true);
    BackendRig rig;
    std::shared_ptr<KernelLikeNode> node;
    HID_PnP link;

    // A tick of 10 ms: an exchange times out after 0.3 s.
    explicit LinkOverHidraw(KernelLikeNode::Firmware firmware, HidIoTiming io = {})
        : rig({Vendor("/dev/hidraw7")}, io),
          node(rig.nodes["/dev/hidraw7"] = KernelLikeNode::Create(std::move(firmware))),
          link(*rig.backend) {
        link.SetTickIntervalMs(10);
    }
};

TEST(HidrawExchange, ATenSecondReadSliceHoldsBackNoExchange) {
    HidIoTiming io;
    io.readSliceMs = 10000;
    LinkOverHidraw unit(EchoFirmware, io);
    unit.node->SetAnswerDelay(std::chrono::milliseconds(1));
    ASSERT_TRUE(unit.link.HasDevice());
    ScriptedPresenter boxes;
    for (std::uint8_t command : {0x90, 0x91, 0x95, 0x98, 0x90}) {
        State().OutputPacketBuffer[1] = command;
        EXPECT_FALSE(unit.link.Communicate(command, MESSAGE_ON)) << int(command);
        EXPECT_EQ(State().InputPacketBuffer, (Bytes{command, command, 0xa5}));
    }
    EXPECT_TRUE(boxes.All().empty());
    EXPECT_EQ(unit.node->Writes(), 5);
}

TEST(HidrawExchange, OnlyAnAnswerSizedReportAfterTheWriteIsTheAnswer) {
    const QByteArray echo = Hex("91 00 a5 00 00 00 00 00 00 00 00 00 00 00 00 00");
    const struct {
        const char* name;
        QByteArray before;                // sent by the unit while nothing waited
        std::vector<QByteArray> answers;  // sent by the unit for the write
        bool failed;
        Texts boxes;
        Bytes buffer;
    } cases[] = {
        {"a report from before the write", Hex("77 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e"), {echo}, false, {},
         {0x91, 0, 0xa5}},
        {"a short report, then the answer", {}, {Hex("91 00 01"), echo}, false, {}, {0x91, 0, 0xa5}},
        {"a long report, then the answer", {}, {Hex("91 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f"), echo},
         false, {}, {0x91, 0, 0xa5}},
        {"only a short report", {}, {Hex("91 00 01")}, true, {"タイムアウト"}, {0x22, 0x22, 0x22}},
        {"only a report from before the write", echo, {}, true, {"タイムアウト"}, {0x22, 0x22, 0x22}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkOverHidraw unit([&](const QByteArray&) { return c.answers; });
        if (!c.before.isEmpty()) unit.node->Queue(c.before);
        std::vector<QByteArray> received;
        QObject::connect(&unit.link, &HID_PnP::reportReceived, [&](const QByteArray& r) { received.push_back(r); });
        ScriptedPresenter boxes;
        State().InputPacketBuffer.fill(0x22);
        EXPECT_EQ(unit.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON), c.failed);
        EXPECT_EQ(boxes.Texts(), c.boxes);
        EXPECT_TRUE(std::equal(c.buffer.begin(), c.buffer.begin() + 3, State().InputPacketBuffer.begin()));
        // Every report read after the write reaches the manager as it came; none from before it.
        EXPECT_EQ(received, c.answers);
    }
}

}  // namespace
}  // namespace tarvik::test
