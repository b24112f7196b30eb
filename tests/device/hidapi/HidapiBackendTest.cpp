// The hidapi backend through its seams: a scripted device behind the I/O thread, a scripted device
// list behind hotplug, and the real hidapi on a machine without the unit.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QtCore/qtestsupport_core.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "device/HidapiBackend.h"

namespace tarvik {
namespace {

// A device that a test scripts: reads hand out queued reports or fail, writes are recorded, and
// every call notes the thread it came from.
struct FakeDevice {
    std::mutex mutex;
    std::condition_variable readable;
    std::deque<QByteArray> reads;  // handed out one per read
    bool failReads = false;        // reads fail from now on (the unit was pulled)
    int writeResult = 0;           // 0: the length written; otherwise returned as is
    std::vector<QByteArray> writes;
    std::set<std::thread::id> callThreads;  // every call, the close included
    bool closed = false;

    void Push(const QByteArray& bytes, bool fail = false) {
        std::lock_guard<std::mutex> lock(mutex);
        if (fail) failReads = true;
        else reads.push_back(bytes);
        readable.notify_all();
    }
};

class FakeChannel : public HidChannel {
public:
    explicit FakeChannel(std::shared_ptr<FakeDevice> device) : d_(std::move(device)) {}
    ~FakeChannel() override {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->closed = true;
        d_->callThreads.insert(std::this_thread::get_id());
    }
    int Write(const unsigned char* data, std::size_t length) override {
        std::lock_guard<std::mutex> lock(d_->mutex);
        d_->callThreads.insert(std::this_thread::get_id());
        d_->writes.emplace_back(reinterpret_cast<const char*>(data), qsizetype(length));
        return d_->writeResult != 0 ? d_->writeResult : int(length);
    }
    int ReadTimeout(unsigned char* data, std::size_t length, int ms) override {
        std::unique_lock<std::mutex> lock(d_->mutex);
        d_->callThreads.insert(std::this_thread::get_id());
        d_->readable.wait_for(lock, std::chrono::milliseconds(ms),
                              [&] { return d_->failReads || !d_->reads.empty(); });
        if (d_->failReads) return -1;
        if (d_->reads.empty()) return 0;
        const QByteArray next = d_->reads.front();
        d_->reads.pop_front();
        const std::size_t n = std::min(length, std::size_t(next.size()));
        std::memcpy(data, next.constData(), n);
        return int(n);
    }
    QString Error() override { return QStringLiteral("fake device error"); }

private:
    std::shared_ptr<FakeDevice> d_;
};

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }
HidInterfaceInfo Vendor(const char* path) { return {path, vendorID, productID, 0xFF00, 1, 2}; }
HidInterfaceInfo Keyboard(const char* path) { return {path, vendorID, productID, 0x0001, 6, 0}; }

// A backend whose devices and device list the test owns. Every signal is logged as a line.
struct Rig {
    std::vector<HidInterfaceInfo> listed;
    std::map<QString, std::shared_ptr<FakeDevice>> devices;
    OpenResult openFailure = OpenResult::Failed;
    QStringList log;
    std::unique_ptr<HidapiBackend> backend;

    explicit Rig(std::vector<HidInterfaceInfo> initial = {}) : listed(std::move(initial)) {
        HidapiBackendOptions options;
        options.listInterfaces = [this] { return listed; };
        options.openChannel = [this](const QString& path, OpenResult& why, QString& error) {
            std::unique_ptr<HidChannel> channel;
            if (devices.count(path)) channel = std::make_unique<FakeChannel>(devices[path]);
            why = channel ? OpenResult::Opened : openFailure;
            if (!channel) error = "cannot open " + path;
            return channel;
        };
        options.hotplug.forcePolling = true;
        options.hotplug.pollIntervalMs = 24 * 3600 * 1000;  // the test ticks by hand
        options.readTimeoutMs = 5;
        backend = std::make_unique<HidapiBackend>(std::move(options));
        HidBackend* b = backend.get();
        QObject::connect(b, &HidBackend::arrived, [this](const QString& p) { log << "arrived " + p; });
        QObject::connect(b, &HidBackend::removed, [this](const QString& p) { log << "removed " + p; });
        QObject::connect(b, &HidBackend::writeDone,
                         [this](bool ok) { log << QString::fromLatin1(ok ? "write ok" : "write failed"); });
        QObject::connect(b, &HidBackend::inputReport,
                         [this](const QByteArray& r) { log << "in " + QString::fromLatin1(r.toHex(' ')); });
    }
    // A device at `path`, opened.
    std::shared_ptr<FakeDevice> Open(const QString& path) {
        devices[path] = std::make_shared<FakeDevice>();
        EXPECT_EQ(backend->Open(path), OpenResult::Opened);
        return devices[path];
    }
    bool WaitForLog(int lines = 1) { return QTest::qWaitFor([&] { return log.size() >= lines; }); }
};

// Reads are polled all the while, so each case also shows every device call (close included) on one
// thread that is not the GUI thread.
TEST(HidapiBackendIo, WritesGoOutAsSixteenBytesWithReportIdZeroFromOneIoThread) {
    const struct {
        const char* report;
        int writeResult;  // 0: all of it
        const char *sent, *log, *error;
    } cases[] = {
        {"90000102030405060708090a0b0c0d0e", 0, "0090000102030405060708090a0b0c0d0e", "write ok", ""},
        {"9502", 0, "0095020000000000000000000000000000", "write ok", ""},
        {"92191e0f0f0000000000000000000000ffff", 0, "0092191e0f0f0000000000000000000000", "write ok", ""},
        {"", 0, "0000000000000000000000000000000000", "write ok", ""},
        {"94", -1, "0094000000000000000000000000000000", "write failed", "write failed: fake device error"},
        {"94", 5, "0094000000000000000000000000000000", "write failed", "write failed: short write"},
    };
    for (const auto& c : cases) {
        Rig rig;
        auto device = rig.Open("/dev/hidraw7");
        device->writeResult = c.writeResult;
        rig.backend->Write(Hex(c.report));
        ASSERT_TRUE(rig.WaitForLog()) << c.report;
        EXPECT_EQ(rig.log, QStringList{c.log}) << c.report;
        if (*c.error) {
            EXPECT_EQ(rig.backend->LastError(), c.error);
        }
        rig.backend->Close();
        ASSERT_EQ(device->writes.size(), 1u) << c.report;
        EXPECT_EQ(device->writes[0].toHex(), c.sent);
        EXPECT_TRUE(device->closed);
        ASSERT_EQ(device->callThreads.size(), 1u);
        EXPECT_NE(*device->callThreads.begin(), std::this_thread::get_id());
    }
}

TEST(HidapiBackendIo, InputReportsAreSixteenBytes) {
    const struct { QByteArray read; const char* delivered; } cases[] = {
        {Hex("00000201000000000000000000000000"), "in 00 00 02 01 00 00 00 00 00 00 00 00 00 00 00 00"},
        {Hex("0000030a"), "in 00 00 03 0a 00 00 00 00 00 00 00 00 00 00 00 00"},
        {QByteArray(64, '\x11'), "in 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11"},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.Open("/dev/hidraw7")->Push(c.read);
        ASSERT_TRUE(rig.WaitForLog()) << c.delivered;
        EXPECT_EQ(rig.log, QStringList{c.delivered});
    }
}

TEST(HidapiBackendIo, ReadErrorCountsAsOneRemoval) {
    Rig rig({Vendor("/dev/hidraw7")});
    auto device = rig.Open("/dev/hidraw7");
    device->Push({}, /*fail=*/true);
    ASSERT_TRUE(rig.WaitForLog());
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw7"});
    EXPECT_FALSE(rig.backend->IsOpen());
    EXPECT_EQ(rig.backend->LastError(), QStringLiteral("/dev/hidraw7: read failed (fake device error)"));
    EXPECT_TRUE(device->closed);

    // The node's own removal event, coming later, is not a second removal.
    rig.listed.clear();
    emit rig.backend->Monitor().hidrawRemoved(QStringLiteral("/dev/hidraw7"));
    emit rig.backend->Monitor().pollTick();
    EXPECT_EQ(rig.log, QStringList{"removed /dev/hidraw7"});
}

TEST(HidapiBackendIo, CloseDropsResultsNotYetDelivered) {
    Rig rig;
    auto device = rig.Open("/dev/hidraw7");
    device->Push(Hex("00000201"));
    // The I/O thread takes the report; no events run meanwhile, so its result cannot be delivered yet.
    for (int ms = 0; ms < 5000; ++ms) {
        if (std::lock_guard<std::mutex> lock(device->mutex); device->reads.empty()) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // Neither the closed session nor a new one opened at once gets the old report.
    rig.backend->Close();
    rig.Open("/dev/hidraw7");
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.log.isEmpty()) << rig.log.join(u'|').toStdString();
}

TEST(HidapiBackendIo, AnotherOpenOrTheBackendGoingClosesTheUnit) {
    Rig rig;
    auto first = rig.Open("/dev/hidraw3");
    auto second = rig.Open("/dev/hidraw8");
    EXPECT_TRUE(first->closed);
    EXPECT_FALSE(second->closed);
    EXPECT_EQ(rig.backend->OpenPath(), QStringLiteral("/dev/hidraw8"));
    rig.backend->Write(Hex("90"));
    rig.backend.reset();
    EXPECT_TRUE(second->closed);
}

TEST(HidapiBackendIo, OpenFailuresSayWhy) {
    // PermissionDenied must reach the caller: it is what points the user to the udev rule.
    for (const OpenResult why : {OpenResult::PermissionDenied, OpenResult::NoUnit, OpenResult::Opened}) {
        Rig rig;
        rig.openFailure = why;
        EXPECT_EQ(rig.backend->Open("/dev/hidraw4"), why == OpenResult::Opened ? OpenResult::Failed : why);
        EXPECT_FALSE(rig.backend->IsOpen());
        EXPECT_EQ(rig.backend->LastError(), QStringLiteral("cannot open /dev/hidraw4"));
    }
}

TEST(HidapiBackendHotplug, EventsAndRescansReportOurUnitsOnce) {
    Rig rig({Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw1")});
    EXPECT_EQ(rig.backend->Enumerate(), QStringList{"/dev/hidraw3"});
    auto open = rig.Open("/dev/hidraw3");
    enum Event { Tick, Added, Removed };
    const struct {
        const char* name;
        Event event;
        const char* node;
        std::vector<HidInterfaceInfo> listed;
        QStringList log;
    } steps[] = {
        {"nothing changed", Tick, "", {Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw1")}, {}},
        {"a keyboard node", Added, "/dev/hidraw5", {Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw5")}, {}},
        {"a second unit's vendor node", Added, "/dev/hidraw6",
         {Vendor("/dev/hidraw3"), Keyboard("/dev/hidraw5"), Vendor("/dev/hidraw6")},
         {"arrived /dev/hidraw6"}},
        {"that unit's keyboard node", Added, "/dev/hidraw7",
         {Vendor("/dev/hidraw3"), Vendor("/dev/hidraw6"), Keyboard("/dev/hidraw7")}, {}},
        {"a third unit, seen by polling", Tick, "",
         {Vendor("/dev/hidraw3"), Vendor("/dev/hidraw6"), Vendor("/dev/hidraw8")}, {"arrived /dev/hidraw8"}},
        {"a known unit's node", Removed, "/dev/hidraw6", {Vendor("/dev/hidraw3"), Vendor("/dev/hidraw8")},
         {"removed /dev/hidraw6"}},
        {"some other node", Removed, "/dev/hidraw1", {Vendor("/dev/hidraw3"), Vendor("/dev/hidraw8")}, {}},
        {"one went, one came", Tick, "", {Vendor("/dev/hidraw3"), Vendor("/dev/hidraw9")},
         {"removed /dev/hidraw8", "arrived /dev/hidraw9"}},
        {"a removal without a node name", Removed, "", {Vendor("/dev/hidraw3")}, {"removed /dev/hidraw9"}},
        {"the open unit's node", Removed, "/dev/hidraw3", {}, {"removed /dev/hidraw3"}},
        {"its later rescan", Tick, "", {}, {}},
    };
    for (const auto& s : steps) {
        rig.log.clear();
        rig.listed = s.listed;
        if (s.event == Tick) emit rig.backend->Monitor().pollTick();
        if (s.event == Added) emit rig.backend->Monitor().hidrawAdded(s.node);
        if (s.event == Removed) emit rig.backend->Monitor().hidrawRemoved(s.node);
        EXPECT_EQ(rig.log, s.log) << s.name;
    }
    EXPECT_FALSE(rig.backend->IsOpen());
    EXPECT_TRUE(open->closed);
}

// The real hidapi, on a machine with no unit attached.
TEST(HidapiBackendReal, EnumerateFindsNoUnitHere) {
    if (!QDir(QStringLiteral("/dev")).entryList({QStringLiteral("hidraw*")}, QDir::System).isEmpty())
        GTEST_SKIP() << "this machine has HID devices; the unit may be one of them";
    HidapiBackend backend;
    EXPECT_EQ(backend.Enumerate(), QStringList{});
    EXPECT_FALSE(backend.IsOpen());
}

TEST(HidapiBackendReal, OpenAnythingButAHidrawNodeFailsCleanly) {
    // hidapi itself would crash on some of these; the backend must refuse them first.
    const QString file = QCoreApplication::applicationFilePath();  // a regular file
    const struct { QString path; OpenResult result; QString errorStart; } cases[] = {
        {QStringLiteral("/nonexistent"), OpenResult::NoUnit, QStringLiteral("/nonexistent: no such device")},
        {QString(), OpenResult::NoUnit, QStringLiteral(": no such device")},
        {file, OpenResult::Failed, file + QStringLiteral(": not a hidraw device")},
        {QStringLiteral("/tmp"), OpenResult::Failed, QStringLiteral("/tmp: not a hidraw device")},
        {QStringLiteral("/dev/null"), OpenResult::Failed, QStringLiteral("/dev/null: not a hidraw device")},
    };
    for (const auto& c : cases) {
        HidapiBackend backend;
        bool wrote = true;
        QObject::connect(&backend, &HidBackend::writeDone, [&](bool ok) { wrote = ok; });
        EXPECT_EQ(backend.Open(c.path), c.result) << c.path.toStdString();
        EXPECT_FALSE(backend.IsOpen());
        EXPECT_EQ(backend.OpenPath(), QString());
        EXPECT_TRUE(backend.LastError().startsWith(c.errorStart)) << backend.LastError().toStdString();
        backend.Write(QByteArray(16, '\0'));
        EXPECT_FALSE(wrote);
        EXPECT_EQ(backend.LastError(), QStringLiteral("no unit is open"));
    }
}

TEST(OpenFailure, PermissionDeniedOnlyForAnExistingHidrawNode) {
    using R = OpenResult;
    const struct {
        bool exists, hidraw;
        int openErrno;
        bool accessDenied;
        R expected;
    } cases[] = {
        {false, false, 0, false, R::NoUnit},        {true, false, 0, false, R::Failed},
        {true, false, 0, true, R::Failed},          {true, true, EACCES, false, R::PermissionDenied},
        {true, true, EPERM, false, R::PermissionDenied}, {true, true, 0, true, R::PermissionDenied},
        {true, true, ENODEV, false, R::NoUnit},     {true, true, ENOENT, false, R::NoUnit},
        {true, true, EBUSY, false, R::Failed},      {true, true, 0, false, R::Failed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyOpenFailure(c.exists, c.hidraw, c.openErrno, c.accessDenied), c.expected)
            << c.exists << c.hidraw << c.openErrno << c.accessDenied;
}

}  // namespace
}  // namespace tarvik
