// The simulated unit on its own: whatever it is sent, it answers in the firmware's layouts.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "device/DeviceState.h"
#include "sim/SimulatedUnit.h"

namespace tarvik::test {
namespace {

void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Opened {
    SimulatedUnit unit;
    std::vector<QByteArray> answers;
    std::vector<bool> writes;
    Opened() {
        QObject::connect(&unit, &HidBackend::inputReport, [this](const QByteArray& r) { answers.push_back(r); });
        QObject::connect(&unit, &HidBackend::writeDone, [this](bool ok) { writes.push_back(ok); });
        EXPECT_EQ(unit.Open(QStringLiteral("sim:0")), OpenResult::Opened);
    }
    QByteArray Ask(const char* hex) {
        answers.clear();
        unit.Write(QByteArray::fromHex(hex));
        RunEventsFor(2);
        return answers.empty() ? QByteArray() : answers.back();
    }
};

TEST(SimulatedUnit, AnswersAsTheFirmwareDoes) {
    Opened o;
    o.unit.Image().pedals[2].mode = 9;
    for (std::size_t i = 0; i < 63; ++i) o.unit.Image().pedals[2].additional[i] = static_cast<std::uint8_t>(i);
    struct Case {
        const char* request;
        const char* answer;
    };
    const Case cases[] = {
        {"90 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "90 00 02 01 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"91 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "91 00 03 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"95 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "95 01 00 00 28 00 00 00 00 00 00 00 00 00 00 00"},
        {"98 02 04 00 00 00 00 00 00 00 00 00 00 00 00 00", "98 02 34 35 36 37 38 39 3a 3b 3c 3d 3e 00 00 00"},
        {"98 02 01 00 00 00 00 00 00 00 00 00 00 00 00 00", "98 02 0d 0e 0f 10 11 12 13 14 15 16 17 18 19 00"},
        // Numbers the unit does not have read as zeros.
        {"95 c8 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "95 c8 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"98 02 63 00 00 00 00 00 00 00 00 00 00 00 00 00", "98 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"94 07 05 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d", "94 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"00 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request);
        EXPECT_EQ(o.Ask(c.request), QByteArray::fromHex(c.answer));
    }
    EXPECT_EQ(o.unit.Image().pedals.size(), 3u);
}

TEST(SimulatedUnit, StoresWhatItIsSent) {
    Opened o;
    o.Ask("94 01 05 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d");
    o.Ask("92 19 14 0f 0f 03 04 05 06 07 08 09 0a 0b 0c 0d");
    EXPECT_EQ(o.unit.Image().pedals[1].mode, 5);
    EXPECT_EQ(o.unit.Image().pedals[1].common[12], 0x0d);
    EXPECT_EQ(o.unit.LastParameters(), QByteArray::fromHex("92 19 14 0f 0f 03 04 05 06 07 08 09 0a 0b 0c 0d"));
    EXPECT_EQ(o.unit.CommandCount(0x94), 1);
    EXPECT_EQ(o.unit.CommandCount(0x92), 1);
    EXPECT_EQ(o.unit.Transcript().size(), 4);
}

TEST(SimulatedUnit, NoAnswerFromAUnitThatIsClosedSilentOrGone) {
    struct Case {
        const char* name;
        void (*arrange)(SimulatedUnit&);
        bool writeOk;
    };
    const Case cases[] = {
        {"closed", [](SimulatedUnit& u) { u.Close(); }, false},
        {"failing sends", [](SimulatedUnit& u) { u.SetFailSends(true); }, false},
        {"silent", [](SimulatedUnit& u) { u.SetSilent(true); }, true},
        {"silent for the command", [](SimulatedUnit& u) { u.SetSilentCommands({0x90}); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o;
        c.arrange(o.unit);
        EXPECT_TRUE(o.Ask("90 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00").isEmpty());
        EXPECT_EQ(o.writes, std::vector<bool>{c.writeOk});
    }

    // Unplugged between the report and its answer: the answer never comes, also not after a replug.
    Opened o;
    o.unit.SetAnswerDelayMs(5);
    o.unit.Write(QByteArray::fromHex("90 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    o.unit.Unplug();
    o.unit.Plug();
    ASSERT_EQ(o.unit.Open(QStringLiteral("sim:0")), OpenResult::Opened);
    RunEventsFor(20);
    EXPECT_TRUE(o.answers.empty());
}

TEST(SimulatedUnit, ShortOrLongReportsAreRefused) {
    Opened o;
    o.unit.Write(QByteArray::fromHex("90"));
    o.unit.Write(QByteArray(17, '\x90'));
    RunEventsFor(2);
    EXPECT_EQ(o.writes, (std::vector<bool>{false, false}));
    EXPECT_TRUE(o.answers.empty());
    EXPECT_EQ(o.unit.CommandCount(0x90), 0);
}

TEST(UnitImages, ImageFromStateTakesTheReadPedals) {
    auto& s = State();
    s.VersionNumberMajor = 2;
    s.VersionNumberMinor = 4;
    s.VersionNumberRevision = 6;
    s.NumberOfPedals = 2;
    s.OutputMode[1] = 9;
    s.CommonData[1][12] = 0x77;
    s.AdditionalData[1][62] = 0x88;
    s.OutputMode[2] = 3;  // not one of the unit's pedals
    const UnitImage image = ImageFromState();
    EXPECT_EQ(image.firmware, (std::array<std::uint8_t, 3>{2, 4, 6}));
    ASSERT_EQ(image.pedals.size(), 2u);
    EXPECT_EQ(image.pedals[1].mode, 9);
    EXPECT_EQ(image.pedals[1].common[12], 0x77);
    EXPECT_EQ(image.pedals[1].additional[62], 0x88);

    s.NumberOfPedals = 200;
    EXPECT_EQ(ImageFromState().pedals.size(), 5u);
}

}  // namespace
}  // namespace tarvik::test
