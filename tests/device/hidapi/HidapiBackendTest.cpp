// The hidapi backend through its seams: a scripted device behind the I/O thread, a scripted device
// list behind hotplug, and the real hidapi on a machine without the unit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <map>
#include <thread>

#include "FakeChannel.h"
#include "device/HidapiBackend.h"

namespace tarvik {
namespace {

using testing_support::FakeChannel;
using testing_support::FakeDevice;

constexpr int V = vendorID;
constexpr int P = productID;

// Lets queued calls from the I/O thread arrive until `done` holds; gives up after a safety limit.
template <class Pred>
bool WaitUntil(Pred done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

// A backend whose devices and device list the test owns. Every signal is logged as a line.
struct Rig {
    std::vector<HidInterfaceInfo> listed;
    std::map<QString, std::shared_ptr<FakeDevice>> devices;
    OpenResult openFailure = OpenResult::Failed;
    int listCalls = 0;
    QStringList log;
    std::unique_ptr<HidapiBackend> backend;

    explicit Rig(std::vector<HidInterfaceInfo> initial = {}) : listed(std::move(initial)) {
        HidapiBackendOptions options;
        options.listInterfaces = [this] {
            ++listCalls;
            return listed;
        };
        options.openChannel = [this](const QString& path, OpenResult& why,
                                     QString& error) -> std::unique_ptr<HidChannel> {
            auto it = devices.find(path);
            if (it == devices.end()) {
                why = openFailure;
                error = QStringLiteral("cannot open ") + path;
                return nullptr;
            }
            why = OpenResult::Opened;
            return std::make_unique<FakeChannel>(it->second);
        };
        options.hotplug.forcePolling = true;
        options.hotplug.pollIntervalMs = 24 * 3600 * 1000;  // the test ticks by hand
        options.readTimeoutMs = 5;
        backend = std::make_unique<HidapiBackend>(std::move(options));
        QObject::connect(backend.get(), &HidBackend::arrived, [this](const QString& p) { log << "arrived " + p; });
        QObject::connect(backend.get(), &HidBackend::removed, [this](const QString& p) { log << "removed " + p; });
        QObject::connect(backend.get(), &HidBackend::writeDone,
                         [this](bool ok) { log << (ok ? QStringLiteral("writeDone ok") : QStringLiteral("writeDone failed")); });
        QObject::connect(backend.get(), &HidBackend::inputReport,
                         [this](const QByteArray& r) { log << "input " + QString::fromLatin1(r.toHex(' ')); });
    }
    std::shared_ptr<FakeDevice> Plug(const QString& path) {
        auto device = std::make_shared<FakeDevice>();
        devices[path] = device;
        return device;
    }
    void Tick() { emit backend->Monitor().pollTick(); }
};

HidInterfaceInfo Vendor(const char* path) { return {path, V, P, 0xFF00, 1, 2}; }
HidInterfaceInfo Keyboard(const char* path) { return {path, V, P, 0x0001, 6, 0}; }

TEST(HidapiBackendIo, WriteGoesOutWithReportIdZero) {
    struct Case {
        const char* name;
        QByteArray report;
        QByteArray sent;
    };
    const Case cases[] = {
        {"sixteen bytes", Hex("90000102030405060708090a0b0c0d0e"), Hex("0090000102030405060708090a0b0c0d0e")},
        {"short, padded", Hex("9502"), Hex("0095020000000000000000000000000000")},
        {"long, cut", Hex("92191e0f0f0000000000000000000000ffff"), Hex("0092191e0f0f0000000000000000000000")},
        {"empty", QByteArray(), Hex("0000000000000000000000000000000000")},
    };
    for (const Case& c : cases) {
        Rig rig;
        auto device = rig.Plug("/dev/hidraw7");
        ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
        rig.backend->Write(c.report);
        ASSERT_TRUE(WaitUntil([&] { return !rig.log.isEmpty(); })) << c.name;
        EXPECT_EQ(rig.log, QStringList{"writeDone ok"}) << c.name;
        rig.backend->Close();
        ASSERT_EQ(device->writes.size(), 1u) << c.name;
        EXPECT_EQ(device->writes[0].toHex(' '), c.sent.toHex(' ')) << c.name;
    }
}

TEST(HidapiBackendIo, InputReportsAreSixteenBytes) {
    struct Case {
        const char* name;
        QByteArray read;
        const char* delivered;
    };
    const Case cases[] = {
        {"exact", Hex("00000201000000000000000000000000"), "input 00 00 02 01 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"short", Hex("0000030a"), "input 00 00 03 0a 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"long", QByteArray(64, '\x11'), "input 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11"},
    };
    for (const Case& c : cases) {
        Rig rig;
        auto device = rig.Plug("/dev/hidraw7");
        ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
        device->PushRead(c.read);
        ASSERT_TRUE(WaitUntil([&] { return !rig.log.isEmpty(); })) << c.name;
        EXPECT_EQ(rig.log, QStringList{c.delivered}) << c.name;
    }
}

TEST(HidapiBackendIo, EveryDeviceCallIsMadeOnOneThreadOffTheGuiThread) {
    Rig rig;
    auto device = rig.Plug("/dev/hidraw7");
    ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
    rig.backend->Write(Hex("90"));
    device->PushRead(Hex("0000020100"));
    rig.backend->Write(Hex("91"));
    ASSERT_TRUE(WaitUntil([&] { return rig.log.size() == 3; }));
    rig.backend->Close();
    std::lock_guard<std::mutex> lock(device->mutex);
    ASSERT_EQ(device->callThreads.size(), 1u);
    const std::thread::id io = *device->callThreads.begin();
    EXPECT_NE(io, std::this_thread::get_id());
    EXPECT_TRUE(device->closed);
    EXPECT_EQ(device->closeThread, io);
}

TEST(HidapiBackendIo, ReadErrorCountsAsRemoval) {
    Rig rig({Vendor("/dev/hidraw7")});
    auto device = rig.Plug("/dev/hidraw7");
    ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
    device->FailReads();
    ASSERT_TRUE(WaitUntil([&] { return !rig.log.isEmpty(); }));
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw7"});
    EXPECT_FALSE(rig.backend->IsOpen());
    EXPECT_EQ(rig.backend->OpenPath(), QString());
    EXPECT_EQ(rig.backend->LastError(), QStringLiteral("/dev/hidraw7: read failed (fake device error)"));
    EXPECT_TRUE(device->closed);

    // The node's own removal event, coming later, is not a second removal.
    rig.listed.clear();
    emit rig.backend->Monitor().hidrawRemoved(QStringLiteral("/dev/hidraw7"));
    rig.Tick();
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw7"});
}

TEST(HidapiBackendIo, FailedWritesAreReported) {
    struct Case {
        const char* name;
        int writeResult;
        const char* error;
    };
    const Case cases[] = {
        {"error", -1, "write failed: fake device error"},
        {"short", 5, "write failed: short write"},
    };
    for (const Case& c : cases) {
        Rig rig;
        auto device = rig.Plug("/dev/hidraw7");
        device->writeResult = c.writeResult;
        ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
        rig.backend->Write(Hex("94"));
        ASSERT_TRUE(WaitUntil([&] { return !rig.log.isEmpty(); })) << c.name;
        EXPECT_EQ(rig.log, QStringList{"writeDone failed"}) << c.name;
        EXPECT_EQ(rig.backend->LastError(), QString::fromUtf8(c.error)) << c.name;
    }
}

TEST(HidapiBackendIo, WriteWithoutUnitFailsAtOnce) {
    Rig rig;
    rig.backend->Write(Hex("90"));
    EXPECT_EQ(rig.log, QStringList{"writeDone failed"});
    EXPECT_EQ(rig.backend->LastError(), QStringLiteral("no unit is open"));
}

TEST(HidapiBackendIo, CloseDropsResultsNotYetDelivered) {
    Rig rig;
    auto device = rig.Plug("/dev/hidraw7");
    ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
    device->PushRead(Hex("00000201"));
    ASSERT_TRUE(WaitUntil([&] {
        std::lock_guard<std::mutex> lock(device->mutex);
        return device->reads.empty();
    }));
    rig.backend->Close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.log.isEmpty()) << rig.log.join(u'|').toStdString();

    // Nor does a new session get the old one's report.
    ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.log.isEmpty());
}

TEST(HidapiBackendIo, OpeningAnotherUnitClosesTheFirst) {
    Rig rig;
    auto first = rig.Plug("/dev/hidraw3");
    auto second = rig.Plug("/dev/hidraw8");
    ASSERT_EQ(rig.backend->Open("/dev/hidraw3"), OpenResult::Opened);
    ASSERT_EQ(rig.backend->Open("/dev/hidraw8"), OpenResult::Opened);
    EXPECT_TRUE(first->closed);
    EXPECT_FALSE(second->closed);
    EXPECT_EQ(rig.backend->OpenPath(), QStringLiteral("/dev/hidraw8"));
}

TEST(HidapiBackendIo, DestroyingWithAnOpenUnitStopsTheThread) {
    Rig rig;
    auto device = rig.Plug("/dev/hidraw7");
    ASSERT_EQ(rig.backend->Open("/dev/hidraw7"), OpenResult::Opened);
    rig.backend->Write(Hex("90"));
    rig.backend.reset();
    EXPECT_TRUE(device->closed);
}

TEST(HidapiBackendIo, OpenFailuresSayWhy) {
    struct Case {
        OpenResult reported;
        OpenResult expected;
    };
    const Case cases[] = {
        {OpenResult::PermissionDenied, OpenResult::PermissionDenied},
        {OpenResult::NoUnit, OpenResult::NoUnit},
        {OpenResult::Failed, OpenResult::Failed},
        {OpenResult::Opened, OpenResult::Failed},  // no device but "opened": still a failure
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.openFailure = c.reported;
        EXPECT_EQ(rig.backend->Open("/dev/hidraw4"), c.expected);
        EXPECT_FALSE(rig.backend->IsOpen());
        EXPECT_EQ(rig.backend->OpenPath(), QString());
        EXPECT_EQ(rig.backend->LastError(), QStringLiteral("cannot open /dev/hidraw4"));
    }
}

TEST(HidapiBackendHotplug, RescanReportsMatchingArrivalsAndRemovals) {
    Rig rig({Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw1")});
    EXPECT_EQ(rig.backend->Enumerate(), QStringList{"/dev/hidraw3"});

    struct Step {
        const char* name;
        std::vector<HidInterfaceInfo> listed;
        QStringList log;
    };
    const Step steps[] = {
        {"nothing changed", {Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw1")}, {}},
        {"a keyboard interface came", {Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw1"), Keyboard("/dev/hidraw6")}, {}},
        {"a second unit came", {Vendor("/dev/hidraw3"), Vendor("/dev/hidraw8")}, {"arrived /dev/hidraw8"}},
        {"the first went", {Vendor("/dev/hidraw8")}, {"removed /dev/hidraw3"}},
        {"one went, one came", {Vendor("/dev/hidraw9")}, {"removed /dev/hidraw8", "arrived /dev/hidraw9"}},
        {"all gone", {}, {"removed /dev/hidraw9"}},
    };
    for (const Step& s : steps) {
        rig.log.clear();
        rig.listed = s.listed;
        rig.Tick();
        EXPECT_EQ(rig.log, s.log) << s.name;
    }
}

TEST(HidapiBackendHotplug, AddedNodesAreCheckedByEnumeration) {
    Rig rig;
    rig.listed = {Keyboard("/dev/hidraw5")};
    emit rig.backend->Monitor().hidrawAdded(QStringLiteral("/dev/hidraw5"));
    EXPECT_TRUE(rig.log.isEmpty());
    // A unit's interfaces arrive one node at a time; the vendor one is told once.
    rig.listed = {Keyboard("/dev/hidraw5"), Vendor("/dev/hidraw6")};
    emit rig.backend->Monitor().hidrawAdded(QStringLiteral("/dev/hidraw6"));
    rig.listed.push_back(Keyboard("/dev/hidraw7"));
    emit rig.backend->Monitor().hidrawAdded(QStringLiteral("/dev/hidraw7"));
    EXPECT_EQ(rig.log, QStringList{"arrived /dev/hidraw6"});
}

TEST(HidapiBackendHotplug, RemovalEvents) {
    Rig rig({Vendor("/dev/hidraw3"), Vendor("/dev/hidraw8")});
    auto device = rig.Plug("/dev/hidraw8");
    ASSERT_EQ(rig.backend->Open("/dev/hidraw8"), OpenResult::Opened);

    // A known unit's node: told without asking hidapi again.
    const int before = rig.listCalls;
    rig.listed = {Vendor("/dev/hidraw8")};
    emit rig.backend->Monitor().hidrawRemoved(QStringLiteral("/dev/hidraw3"));
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw3"});
    EXPECT_EQ(rig.listCalls, before);

    // Some other node: re-enumerate, nothing of ours changed.
    rig.log.clear();
    emit rig.backend->Monitor().hidrawRemoved(QStringLiteral("/dev/hidraw1"));
    EXPECT_TRUE(rig.log.isEmpty());
    EXPECT_EQ(rig.listCalls, before + 1);

    // The open unit's node: closed, told once.
    rig.listed.clear();
    emit rig.backend->Monitor().hidrawRemoved(QStringLiteral("/dev/hidraw8"));
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw8"});
    EXPECT_FALSE(rig.backend->IsOpen());
    EXPECT_TRUE(device->closed);
    rig.Tick();
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw8"});
}

TEST(HidapiBackendHotplug, RemovalWithoutNodeNameRescans) {
    Rig rig({Vendor("/dev/hidraw3")});
    rig.listed.clear();
    emit rig.backend->Monitor().hidrawRemoved(QString());
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw3"});
}

// The real hidapi, on a machine with no unit attached.
bool MachineHasHidraw() {
    return !QDir(QStringLiteral("/dev")).entryList({QStringLiteral("hidraw*")}, QDir::System).isEmpty();
}

TEST(HidapiBackendReal, EnumerateFindsNoUnitHere) {
    if (MachineHasHidraw()) GTEST_SKIP() << "this machine has HID devices; the unit may be one of them";
    HidapiBackend backend;
    EXPECT_EQ(backend.Enumerate(), QStringList{});
    EXPECT_FALSE(backend.IsOpen());
}

TEST(HidapiBackendReal, OpenMissingNodeFailsCleanly) {
    HidapiBackend backend;
    EXPECT_EQ(backend.Open(QStringLiteral("/nonexistent")), OpenResult::NoUnit);
    EXPECT_FALSE(backend.IsOpen());
    EXPECT_EQ(backend.OpenPath(), QString());
    EXPECT_TRUE(backend.LastError().startsWith(QStringLiteral("/nonexistent: no such device")))
        << backend.LastError().toStdString();
    bool result = true;
    QObject::connect(&backend, &HidBackend::writeDone, [&](bool ok) { result = ok; });
    backend.Write(QByteArray(16, '\0'));
    EXPECT_FALSE(result);
}

TEST(HidapiBackendReal, OpenAnythingButAHidrawNodeFailsCleanly) {
    // hidapi itself would crash on some of these; the backend must refuse them first.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("hidraw0"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x90\x00\x02\x01");
    f.close();
    struct Case {
        QString path;
        QString error;
    };
    const Case cases[] = {
        {file, file + QStringLiteral(": not a hidraw device")},
        {dir.path(), dir.path() + QStringLiteral(": not a hidraw device")},
        {QStringLiteral("/dev/null"), QStringLiteral("/dev/null: not a hidraw device")},
        {QString(), QStringLiteral(": no such device")},
    };
    for (const Case& c : cases) {
        HidapiBackend backend;
        EXPECT_EQ(backend.Open(c.path), c.path.isEmpty() ? OpenResult::NoUnit : OpenResult::Failed)
            << c.path.toStdString();
        EXPECT_FALSE(backend.IsOpen());
        EXPECT_EQ(backend.LastError(), c.error);
    }
}

TEST(OpenFailure, Classification) {
    struct Case {
        bool exists;
        bool hidraw;
        int openErrno;
        bool accessDenied;
        OpenResult expected;
    };
    const Case cases[] = {
        {false, false, 0, false, OpenResult::NoUnit},
        {true, false, 0, false, OpenResult::Failed},
        {true, false, 0, true, OpenResult::Failed},
        {true, true, EACCES, false, OpenResult::PermissionDenied},
        {true, true, EPERM, false, OpenResult::PermissionDenied},
        {true, true, 0, true, OpenResult::PermissionDenied},
        {true, true, ENODEV, false, OpenResult::NoUnit},
        {true, true, ENOENT, false, OpenResult::NoUnit},
        {true, true, EBUSY, false, OpenResult::Failed},
        {true, true, 0, false, OpenResult::Failed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyOpenFailure(c.exists, c.hidraw, c.openErrno, c.accessDenied), c.expected)
            << c.exists << c.hidraw << c.openErrno << c.accessDenied;
}

}  // namespace
}  // namespace tarvik
