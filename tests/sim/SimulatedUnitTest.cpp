// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated unit on its own: whatever it is sent, it answers in the firmware's layouts.
#include <gtest/gtest.h>

#include "device/link/LinkRig.h"

namespace tarvik::test {
namespace {

struct Opened {
    SimulatedUnit unit;
    std::vector<QByteArray> answers;
    std::vector<bool> writes;
    Opened() {
        QObject::connect(&unit, &HidBackend::inputReport, [this](const QByteArray& r) { answers.push_back(r); });
        QObject::connect(&unit, &HidBackend::writeDone, [this](bool ok) { writes.push_back(ok); });
        EXPECT_EQ(unit.Open(QStringLiteral("sim:0")), OpenResult::Opened);
    }
    QByteArray Ask(const QByteArray& report) {
        answers.clear();
        unit.Write(report);
        RunEventsFor(2);
        return answers.empty() ? QByteArray() : answers.back();
    }
};

// Pedal and block numbers come from the program and are checked before they index anything: what
// the unit does not have reads as zeros. (Its answers to good numbers are the link tests'.)
TEST(SimulatedUnit, NumbersItDoesNotHaveReadAsZeros) {
    Opened o;
    const std::pair<const char*, const char*> cases[] = {
        {"95 c8 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "95 c8 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"98 02 63 00 00 00 00 00 00 00 00 00 00 00 00 00", "98 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"94 07 05 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d", "94 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"00 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
    };
    for (const auto& [request, answer] : cases) EXPECT_EQ(o.Ask(Hex(request)), Hex(answer)) << request;
    EXPECT_EQ(o.unit.Image().pedals.size(), 3u);
}

// Its misbehaviour on command is exercised by the link tests; these are its own refusals.
TEST(SimulatedUnit, NoAnswerWhenClosedOrToAReportOfTheWrongSizeOrAfterAnUnplug) {
    const QByteArray request = Hex("90 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    for (const QByteArray& report : {request, Hex("90"), QByteArray(17, '\x90')}) {
        Opened o;
        if (report == request) o.unit.Close();
        EXPECT_TRUE(o.Ask(report).isEmpty()) << report.toHex().toStdString();
        EXPECT_EQ(o.writes, std::vector<bool>{false});
    }

    // Unplugged between the report and its answer: the answer never comes, also not after a replug.
    Opened o;
    o.unit.SetAnswerDelayMs(5);
    o.unit.Write(request);
    o.unit.Unplug();
    o.unit.Plug();
    ASSERT_EQ(o.unit.Open(QStringLiteral("sim:0")), OpenResult::Opened);
    RunEventsFor(20);
    EXPECT_TRUE(o.answers.empty());
}

TEST(SimulatedUnit, TheTranscriptKeepsOnlyTheLastLines) {
    Opened o;
    o.unit.SetTranscriptLimit(4);
    for (char pedal = 0; pedal < 5; ++pedal) o.Ask(QByteArray(1, '\x95') + pedal + QByteArray(14, '\0'));
    ASSERT_EQ(o.unit.Transcript().size(), 4);
    EXPECT_EQ(std::pair(o.unit.Transcript().back().sent, o.unit.Transcript().back().bytes),
              std::pair(false, Hex("95 04 00 00 00 00 00 00 00 00 00 00 00 00 00 00")));
    EXPECT_EQ(o.unit.CommandCount(GET_OUTPUT_MODE_AND_DATA), 5);
}

}  // namespace
}  // namespace tarvik::test
