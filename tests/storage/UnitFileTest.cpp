// SPDX-License-Identifier: GPL-3.0-or-later
// Unit files: every malformed file is refused with one message naming the field; good files
// survive a write and a read unchanged.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "storage/UnitFile.h"

namespace tarvik::test {
namespace {

// A file with one pedal: `fields` (or several: "}, {" between them), $C a well-formed common record.
QByteArray WithPedal(QString fields) {
    fields.replace(QStringLiteral("$C"), QStringLiteral("\"01 00 00 00 00 00 00 00 00 00 00 00 00\""));
    return QStringLiteral(R"({"pedals": [{%1}]})").arg(fields).toUtf8();
}

auto Fields(const UnitImage& u) {
    std::vector<std::tuple<int, decltype(PedalImage::common), decltype(PedalImage::additional)>> pedals;
    for (const PedalImage& p : u.pedals) pedals.emplace_back(p.mode, p.common, p.additional);
    return std::tuple(u.firmware, pedals, u.pedalCount, u.answerDelayMs, u.silentCommands);
}

TEST(UnitFile, MalformedFilesAreRefusedWithOneMessageNamingTheField) {
    struct Case { QByteArray json; std::string message; };
    const Case cases[] = {
        {"{\"pedals\": [", "unit file: not JSON (unterminated array at offset 12)"},
        {"[1, 2]", "unit file: expected a JSON object"}, {"{}", "pedals: missing"},
        {R"({"pedals": {}})", "pedals: expected a list"},
        {R"({"pedals": [], "pedal_cuont": 3})", "pedal_cuont: unknown field"},
        {R"({"pedals": [1]})", "pedals[0]: expected an object"},
        {R"({"pedals": [{},{},{},{},{},{}]})", "pedals: 6 entries, at most 5"},
        {WithPedal(R"("common": $C)"), "pedals[0].mode: missing"},
        {WithPedal(R"("mode": 256, "common": $C)"), "pedals[0].mode: 256 is outside 0..255"},
        {WithPedal(R"("mode": 1.5, "common": $C)"), "pedals[0].mode: expected a whole number"},
        {WithPedal(R"("mode": 1)"), "pedals[0].common: missing"},
        {WithPedal(R"("mode": 1, "common": 5)"), "pedals[0].common: expected hex bytes in a string"},
        {WithPedal(R"("mode": 1, "common": "01 02")"), "pedals[0].common: 2 bytes, expected 13"},
        // Equal keys: Qt would keep the last one without a word.
        {R"({"pedal_count": 300, "pedals": [], "pedal_count": 1})", "pedal_count: given more than once"},
        {R"({"pedals": [], "pedal_count": 1, "pedal_count": 300})", "pedal_count: given more than once"},
        {R"({"pedals": [], "\u0070edals": []})", "pedals: given more than once"},
        {WithPedal(R"("mode": 1, "common": $C}, {"mode": 1, "common": $C, "common": $C)"),
         "pedals[1].common: given more than once"},
        {WithPedal(R"("mode": 1, "common": $C, "additional": "00")"), "pedals[0].additional: 1 bytes, expected 63"},
        {WithPedal(R"("mode": 1, "common": $C, "colour": 1)"), "pedals[0].colour: unknown field"},
        {R"({"pedals": [], "firmware": [2, 1]})", "firmware: expected three numbers 0..255"},
        {R"({"pedals": [], "firmware": [2, -1, 0]})", "firmware[1]: -1 is outside 0..255"},
        {R"({"pedals": [], "pedal_count": 256})", "pedal_count: 256 is outside 0..255"},
        {R"({"pedals": [], "pedal_count": 1e300})", "pedal_count: too large"},
        {R"({"pedals": [], "pedal_count": -1e300})", "pedal_count: too small"},
        {R"({"pedals": [], "answer_delay_ms": -5})", "answer_delay_ms: -5 is negative"},
        {R"({"pedals": [], "answer_delay_ms": 3600000})", "answer_delay_ms: 3600000 is above 60000"},
        {R"({"pedals": [], "silent_commands": 149})", "silent_commands: expected a list"},
        {R"({"pedals": [], "silent_commands": [149, 5]})", "silent_commands[1]: 5 is not a command code (144..153)"},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    for (const char* bad : {"zz", "100", "+f", "-0", "f", "0xf", "０１"}) {
        all.push_back({WithPedal(QStringLiteral(R"("mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 %1")")
                                     .arg(QString::fromUtf8(bad))),
                       std::string("pedals[0].common: \"") + bad + "\" is not a hex byte (two digits, 00..ff)"});
    }
    for (const Case& c : all) {
        SCOPED_TRACE(c.json.toStdString());
        UnitImage image = DefaultUnitImage();
        const UnitImage before = image;
        QString error;
        EXPECT_FALSE(ParseUnitFile(c.json, image, error));
        EXPECT_EQ(error.toStdString(), c.message);
        EXPECT_EQ(UnitFileText(image), UnitFileText(before)) << "took something from a refused file";
    }
}

TEST(UnitFile, OptionalFieldsTakeTheirDefaults) {
    UnitImage image;
    QString error;
    ASSERT_TRUE(ParseUnitFile(WithPedal(R"("mode": 9, "common": " 2C 0a  10 03 00 00 02 04 05 00 00 00 00 ")"), image, error))
        << error.toStdString();
    UnitImage expected;  // no additional bytes, no delay, nothing silent, the count from the pedals
    expected.firmware = {2, 1, 0};
    expected.pedals = {{9, {0x2C, 0x0A, 0x10, 0x03, 0, 0, 2, 4, 5, 0, 0, 0, 0}, {}}};
    EXPECT_EQ(Fields(image), Fields(expected));
    EXPECT_EQ(image.ReportedPedalCount(), 1);
}

TEST(UnitFile, WriteAndReadGiveTheSameUnit) {
    UnitImage original;
    original.firmware = {2, 9, 17};
    original.pedals.resize(5);
    for (std::uint8_t p = 0; p < 5; ++p) {
        original.pedals[p].mode = 2 * p;
        for (std::uint8_t i = 0; i < 13; ++i) original.pedals[p].common[i] = 0xF0 + i + p;
        for (std::uint8_t i = 0; i < 63 && p % 2 == 1; ++i) original.pedals[p].additional[i] = 4 * i;
    }
    original.pedalCount = 7;
    original.answerDelayMs = 12;
    original.silentCommands = {0x95, 0x98};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unit.json"));
    QString error;
    ASSERT_TRUE(WriteUnitFile(path, original, error)) << error.toStdString();
    UnitImage back;
    ASSERT_TRUE(ReadUnitFile(path, back, error)) << error.toStdString();
    EXPECT_EQ(Fields(back), Fields(original));
    EXPECT_TRUE(UnitFileText(original).contains("\"common\": \"f0 f1 f2 f3 f4 f5 f6 f7 f8 f9 fa fb fc\""));
}

}  // namespace
}  // namespace tarvik::test
