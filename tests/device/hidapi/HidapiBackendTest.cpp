// SPDX-License-Identifier: GPL-3.0-or-later
// The hidapi backend through its seams (kernel-like hidraw nodes behind the I/O thread, a scripted
// device list behind hotplug, the real hidapi on a machine without the unit), exchanges over it,
// which interfaces count as the unit and in what order, and how hidraw nodes are heard of.
#include <gtest/gtest.h>

#include <QDir>
#include <QtCore/qtestsupport_core.h>
#include <array>
#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include "BackendRig.h"
#include "device/HID_PnP.h"
#include "device/HidMatch.h"
#include "device/HidapiAccess.h"
#include "device/HotplugMonitor.h"
#include "model/DeviceState.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

TEST(HidapiBackendIo, WritesGoOutAsSixteenBytesWithReportIdZeroFromOneIoThread) {
    const struct { const char* report; std::optional<int> writeResult; const char *sent, *log, *error; } cases[] = {
        {"90000102030405060708090a0b0c0d0e", {}, "0090000102030405060708090a0b0c0d0e", "write ok", ""},
        {"9502", {}, "0095020000000000000000000000000000", "write ok", ""},
        {"92191e0f0f0000000000000000000000ffff", {}, "0092191e0f0f0000000000000000000000", "write ok", ""},
        {"94", -1, "0094000000000000000000000000000000", "write failed", "write failed: Input/output error"},
        {"94", 5, "0094000000000000000000000000000000", "write failed", "write failed: short write"},
    };
    for (const auto& c : cases) {
        BackendRig rig;
        auto node = rig.Open("/dev/hidraw7");
        node->SetWriteResult(c.writeResult);
        rig.backend->Write(Hex(c.report));
        ASSERT_TRUE(rig.WaitForLog()) << c.report;
        EXPECT_EQ(std::pair(rig.log, rig.backend->LastError()), std::pair(QStringList{c.log}, QString(c.error)));
        rig.backend->Close();
        ASSERT_TRUE(node->WaitForClose());
        EXPECT_EQ(node->Written(), std::vector{QByteArray::fromHex(c.sent)}) << c.report;
        // Every call, the close included, on one thread that is not this one.
        EXPECT_EQ(node->CallThreads().size(), 1u);
        EXPECT_FALSE(node->CallThreads().count(std::this_thread::get_id()));
    }
}

TEST(HidapiBackendIo, NothingIsReadWhileNoAnswerIsAwaited) {
    BackendRig rig;
    auto node = rig.Open("/dev/hidraw7", EchoFirmware);
    RunEventsFor(300);
    EXPECT_EQ(node->Reads(), 0);
    // One exchange reads until its answer, then nothing more.
    rig.backend->Write(Hex("91"));
    ASSERT_TRUE(rig.WaitForLog(2));
    const int reads = node->Reads();
    RunEventsFor(300);
    EXPECT_EQ(std::pair(node->Reads(), rig.log.size()), std::pair(reads, qsizetype(2)));
}

TEST(HidapiBackendIo, PullingTheUnitDuringAReadIsOneRemoval) {
    BackendRig rig({Vendor("/dev/hidraw7")});
    auto node = rig.Open("/dev/hidraw7");
    rig.backend->Write(Hex("90"));
    ASSERT_TRUE(node->WaitForBlockedRead());
    node->Pull();
    ASSERT_TRUE(rig.WaitForLog(2));
    EXPECT_EQ(rig.log, (QStringList{"write ok", "removed /dev/hidraw7"}));
    EXPECT_EQ(std::pair(rig.backend->IsOpen(), rig.backend->LastError()),
              std::pair(false, QString("/dev/hidraw7: read failed (No such device)")));
    EXPECT_TRUE(node->WaitForClose());

    // The node's own removal event, coming later, is not a second removal.
    rig.listed.clear();
    emit rig.backend->Monitor().hidrawRemoved(QStringLiteral("/dev/hidraw7"));
    emit rig.backend->Monitor().pollTick();
    EXPECT_EQ(rig.log, (QStringList{"write ok", "removed /dev/hidraw7"}));
}

// With a ten-second read slice the read is still waiting after Close(): Close() did not wait for it.
TEST(HidapiBackendIo, CloseDuringAReadReturnsAndNothingOfThatSessionIsDelivered) {
    BackendRig rig({}, HidIoTiming{.readSliceMs = 10000, .answerTimeoutMs = 60000});
    auto node = rig.Open("/dev/hidraw7");
    rig.backend->Write(Hex("90"));
    ASSERT_TRUE(rig.WaitForLog());
    ASSERT_TRUE(node->WaitForBlockedRead());
    rig.backend->Close();
    EXPECT_TRUE(!rig.backend->IsOpen() && node->WaitForBlockedRead());
    // The answer comes now; the thread takes it, closes the node and tells nobody, not even a
    // session opened meanwhile on the same path.
    auto reopened = rig.Open("/dev/hidraw7");
    node->Queue(Hex("90000201000000000000000000000000"));
    EXPECT_TRUE(node->WaitForClose());
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(rig.log, node->CallThreads().size()), std::pair(QStringList{"write ok"}, std::size_t{1}));
}

TEST(HidapiBackendIo, CloseDropsResultsNotYetDelivered) {
    BackendRig rig;
    auto node = rig.Open("/dev/hidraw7", EchoFirmware);
    rig.backend->Write(Hex("90"));
    // The I/O thread writes and reads the answer; no events run meanwhile, so neither result can
    // have been delivered yet.
    for (int ms = 0; ms < 5000 && (node->Writes() == 0 || node->Unread() > 0); ++ms)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    rig.backend->Close();
    rig.Open("/dev/hidraw7");
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.log.isEmpty()) << rig.log.join(u'|').toStdString();
}

TEST(HidapiBackendIo, AnotherOpenOrTheBackendGoingClosesTheUnit) {
    BackendRig rig;
    auto first = rig.Open("/dev/hidraw3");
    auto second = rig.Open("/dev/hidraw8");
    EXPECT_TRUE(first->WaitForClose());
    EXPECT_EQ(std::pair(second->Closed(), rig.backend->OpenPath()), std::pair(false, QString("/dev/hidraw8")));
    rig.backend->Write(Hex("90"));
    rig.backend.reset();
    EXPECT_TRUE(second->WaitForClose());
}

// PermissionDenied must reach the caller: it is what points the user to the udev rule. Identical
// units are told apart by the serial number each reports, where it reports one.
TEST(HidapiBackendIo, OpenFailuresSayWhyAndEachUnitsSerialNumberIsItsOwn) {
    HidInterfaceInfo second = Vendor("/dev/hidraw8");
    second.serial = QStringLiteral("T-0042");
    BackendRig rig({Vendor("/dev/hidraw7"), second});
    EXPECT_EQ(std::pair(rig.backend->SerialNumberOf("/dev/hidraw8"), rig.backend->SerialNumberOf("/dev/hidraw7")),
              std::pair(QString("T-0042"), QString()));
    for (const OpenResult why : {OpenResult::PermissionDenied, OpenResult::NoUnit, OpenResult::Opened}) {
        rig.openFailure = why;
        EXPECT_EQ(rig.backend->Open("/dev/hidraw4"), why == OpenResult::Opened ? OpenResult::Failed : why);
        EXPECT_EQ(std::pair(rig.backend->IsOpen(), rig.backend->LastError()),
                  std::pair(false, QString("cannot open /dev/hidraw4")));
    }
}

// The connection manager over the backend and its I/O thread: the path a real unit's reports take.
using Bytes = std::array<std::uint8_t, REPORT_SIZE>;

struct LinkOverHidraw {
    bool fresh = (State() = DeviceState{}, true);
    BackendRig rig;
    std::shared_ptr<KernelLikeNode> node;
    HID_PnP link;

    explicit LinkOverHidraw(KernelLikeNode::Firmware firmware, HidIoTiming io = {})
        : rig({Vendor("/dev/hidraw7")}, io),
          node(rig.nodes["/dev/hidraw7"] = KernelLikeNode::Create(std::move(firmware))),
          link(*rig.backend, State()) {
        link.SetTickIntervalMs(10);  // an exchange times out after 0.3 s
    }
};

// An exchange given up on (no answer within 0.3 s) holds back the next one no longer than a read slice.
TEST(HidrawExchange, AnExchangeGivenUpOnHoldsTheNextBackNoLongerThanAReadSlice) {
    bool silent = true;  // to the first report; read on the I/O thread only
    LinkOverHidraw unit(
        [&](const QByteArray& r) { return std::exchange(silent, false) ? Silent(r) : EchoFirmware(r); });
    ScriptedPresenter boxes;
    EXPECT_TRUE(unit.link.Communicate(GET_VERSION_NUMBER, MESSAGE_ON));
    EXPECT_FALSE(unit.link.Communicate(GET_NUMBER_OF_PEDALS, MESSAGE_ON));
    EXPECT_EQ(State().InputPacketBuffer[0], GET_NUMBER_OF_PEDALS);
}

TEST(HidrawExchange, OnlyAnAnswerSizedReportAfterTheWriteIsTheAnswer) {
    const QByteArray echo = Hex("91 00 a5 00 00 00 00 00 00 00 00 00 00 00 00 00");
    // `before` the unit sent while nothing waited, `answers` for the write.
    const struct { const char* name; QByteArray before; std::vector<QByteArray> answers; bool failed; } cases[] = {
        {"a report from before the write", Hex("77 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e"), {echo}, false},
        {"a short report, then the answer", {}, {Hex("91 00 01"), echo}, false},
        {"a long report, then the answer", {},
         {Hex("91 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f"), echo}, false},
        {"only a short report", {}, {Hex("91 00 01")}, true},
        {"only a report from before the write", echo, {}, true},
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
        EXPECT_EQ(boxes.All().size(), c.failed ? 1u : 0u);
        const Bytes& in = State().InputPacketBuffer;
        EXPECT_EQ(std::pair(int(in[0]), int(in[2])), c.failed ? std::pair(0x22, 0x22) : std::pair(0x91, 0xa5));
        // Every report read after the write reaches the manager as it came; none from before it.
        EXPECT_EQ(received, c.answers);
    }
}

TEST(HidapiBackendHotplug, EventsAndRescansReportOurUnitsOnce) {
    BackendRig rig({Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw1")});
    auto open = rig.Open("/dev/hidraw3");
    enum Event { Tick, Added, Removed };
    // listed: "v6" is a unit's vendor node /dev/hidraw6, "k5" a keyboard node /dev/hidraw5.
    const struct { const char* name; Event event; const char* node; QString listed; QStringList log; } steps[] = {
        {"nothing changed", Tick, "", "v3 k1", {}},
        {"a keyboard node", Added, "/dev/hidraw5", "v3 k5", {}},
        {"a second unit's vendor node", Added, "/dev/hidraw6", "v3 k5 v6", {"arrived /dev/hidraw6"}},
        {"a third unit, seen by polling", Tick, "", "v3 v6 v8", {"arrived /dev/hidraw8"}},
        {"a known unit's node", Removed, "/dev/hidraw6", "v3 v8", {"removed /dev/hidraw6"}},
        {"some other node", Removed, "/dev/hidraw1", "v3 v8", {}},
        {"one went, one came", Tick, "", "v3 v9", {"removed /dev/hidraw8", "arrived /dev/hidraw9"}},
        {"a removal without a node name", Removed, "", "v3", {"removed /dev/hidraw9"}},
        {"the open unit's node", Removed, "/dev/hidraw3", "", {"removed /dev/hidraw3"}},
        {"its later rescan", Tick, "", "", {}},
    };
    for (const auto& s : steps) {
        rig.log.clear();
        rig.listed.clear();
        for (const QString& n : s.listed.split(u' ', Qt::SkipEmptyParts)) {
            const QByteArray path = "/dev/hidraw" + n.mid(1).toLatin1();
            rig.listed.push_back(n[0] == u'v' ? Vendor(path) : Keyboard(path));
        }
        if (s.event == Tick) emit rig.backend->Monitor().pollTick();
        if (s.event == Added) emit rig.backend->Monitor().hidrawAdded(s.node);
        if (s.event == Removed) emit rig.backend->Monitor().hidrawRemoved(s.node);
        EXPECT_EQ(rig.log, s.log) << s.name;
    }
    EXPECT_FALSE(rig.backend->IsOpen());
    EXPECT_TRUE(open->WaitForClose());
}

TEST(HidapiBackendReal, EnumerateFindsNoUnitHere) {
    if (!QDir(QStringLiteral("/dev")).entryList({QStringLiteral("hidraw*")}, QDir::System).isEmpty())
        GTEST_SKIP() << "this machine has HID devices; the unit may be one of them";
    HidapiBackend backend;
    EXPECT_EQ(std::pair(backend.Enumerate(), backend.IsOpen()), std::pair(QStringList{}, false));
}

TEST(HidapiBackendReal, OpenAnythingButAHidrawNodeFailsCleanly) {
    // hidapi itself would crash on some of these; the backend must refuse them first.
    const QString file = QCoreApplication::applicationFilePath();  // a regular file
    const struct { QString path; OpenResult result; QString errorStart; } cases[] = {
        {QStringLiteral("/nonexistent"), OpenResult::NoUnit, QStringLiteral("/nonexistent: no such device")},
        {file, OpenResult::Failed, file + QStringLiteral(": not a hidraw device")},
        {QStringLiteral("/dev/null"), OpenResult::Failed, QStringLiteral("/dev/null: not a hidraw device")},
    };
    for (const auto& c : cases) {
        HidapiBackend backend;
        bool wrote = true;
        QObject::connect(&backend, &HidBackend::writeDone, [&](bool ok) { wrote = ok; });
        EXPECT_EQ(backend.Open(c.path), c.result) << c.path.toStdString();
        EXPECT_EQ(std::pair(backend.IsOpen(), backend.OpenPath()), std::pair(false, QString()));
        EXPECT_TRUE(backend.LastError().startsWith(c.errorStart)) << backend.LastError().toStdString();
        backend.Write(QByteArray(16, '\0'));
        EXPECT_FALSE(wrote);
        EXPECT_EQ(backend.LastError(), QStringLiteral("no unit is open"));
    }
}

TEST(OpenFailure, PermissionDeniedOnlyForAnExistingHidrawNode) {
    using R = OpenResult;
    const struct { bool exists, hidraw; int openErrno; bool accessDenied; R expected; } cases[] = {
        {false, false, 0, false, R::NoUnit},        {true, false, 0, true, R::Failed},
        {true, true, EACCES, false, R::PermissionDenied}, {true, true, EPERM, false, R::PermissionDenied},
        {true, true, 0, true, R::PermissionDenied}, {true, true, ENODEV, false, R::NoUnit},
        {true, true, ENOENT, false, R::NoUnit},     {true, true, EBUSY, false, R::Failed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyOpenFailure(c.exists, c.hidraw, c.openErrno, c.accessDenied), c.expected)
            << c.exists << c.hidraw << c.openErrno << c.accessDenied;
}


constexpr int V = vendorID;
constexpr int P = productID;

TEST(MatchingRule, TakesOnlyTheVendorInterfaceOncePerPathInNumericOrder) {
    const struct { const char* name; std::vector<HidInterfaceInfo> devices; QStringList expected; } cases[] = {
        {"empty", {}, {}}, {"vendor interface", {Vendor("/dev/hidraw3")}, {"/dev/hidraw3"}},
        {"the unit's keyboard interface", {Keyboard("/dev/hidraw1")}, {}},
        {"other vendor", {{"/dev/hidraw4", 0x046d, P, 0xFF00, 1, 0}}, {}},
        {"other product", {{"/dev/hidraw4", V, P + 1, 0xFF00, 1, 0}}, {}},
        {"other vendor page", {{"/dev/hidraw4", V, P, 0xFF01, 1, 0}}, {}},
        {"no path", {{"", V, P, 0xFF00, 1, 0}}, {}},
        {"one path each, numbers by value", {Vendor("/dev/hidraw11"), Vendor("/dev/hidraw3"), Vendor("/dev/hidraw11")},
         {"/dev/hidraw3", "/dev/hidraw11"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchingUnitPaths(c.devices), c.expected) << c.name;
}

TEST(MatchingRule, PathOrderIsStrictWithNumbersByValue) {
    const struct { const char* a; const char* b; bool less; } cases[] = {
        {"/dev/hidraw2", "/dev/hidraw10", true}, {"/dev/hidraw10", "/dev/hidraw2", false},
        {"/dev/hidraw2", "/dev/hidraw2", false}, {"/dev/hidraw", "/dev/hidraw0", true},
        {"/dev/hidraw01", "/dev/hidraw1", true}, {"/dev/hidraw1", "/dev/hidraw01", false},
        {"1-2:1.0", "1-10:1.0", true},
    };
    for (const auto& c : cases) EXPECT_EQ(DevicePathLess(c.a, c.b), c.less) << c.a << " < " << c.b;
}

TEST(HotplugStrategyChoice, UdevThenKernelThenPolling) {
    const struct { bool udevRunning, monitorCreatable; HotplugStrategy expected; const char* source; } cases[] = {
        {true, true, HotplugStrategy::UdevMonitor, "udev"},
        {false, true, HotplugStrategy::KernelMonitor, "kernel"},
        {true, false, HotplugStrategy::Polling, nullptr}, {false, false, HotplugStrategy::Polling, nullptr},
    };
    for (const auto& c : cases) {
        const HotplugStrategy s = ChooseHotplugStrategy(c.udevRunning, c.monitorCreatable);
        EXPECT_EQ(s, c.expected) << c.udevRunning << c.monitorCreatable;
        EXPECT_STREQ(MonitorSourceName(s), c.source);
    }
}

TEST(HotplugMonitor, WithoutUdevRunDirNeverListensToUdevdAndPollingTicks) {
    HotplugOptions options;
    options.udevRunDir = QStringLiteral("/nonexistent/run/udev");
    // Kernel monitor, or polling where this machine allows no netlink socket.
    EXPECT_NE(HotplugMonitor(options).Strategy(), HotplugStrategy::UdevMonitor);
    options.forcePolling = true;
    options.pollIntervalMs = 5;
    HotplugMonitor monitor(options);
    EXPECT_EQ(monitor.Strategy(), HotplugStrategy::Polling);
    int ticks = 0;
    QObject::connect(&monitor, &HotplugMonitor::pollTick, [&] { ++ticks; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }));
}

}  // namespace
}  // namespace tarvik::test
