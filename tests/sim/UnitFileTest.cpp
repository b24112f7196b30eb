// Unit files: every malformed file is refused with one message naming the field; good files
// survive a write and a read unchanged.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "sim/UnitFile.h"

namespace tarvik::test {
namespace {

const char* const kCommon = "01 00 00 00 00 00 00 00 00 00 00 00 00";

QByteArray WithPedal(const QString& pedalFields) {
    return QStringLiteral(R"({"pedals": [{%1}]})").arg(pedalFields).toUtf8();
}

TEST(UnitFile, MalformedFilesAreRefusedWithOneMessageNamingTheField) {
    const QString common = QString::fromLatin1(kCommon);
    struct Case {
        QByteArray json;
        const char* message;
    };
    const Case cases[] = {
        {"{\"pedals\": [", "unit file: not JSON (unterminated array at offset 12)"},
        {"[1, 2]", "unit file: expected a JSON object"},
        {"{}", "pedals: missing"},
        {R"({"pedals": {}})", "pedals: expected a list"},
        {R"({"pedals": [], "pedal_cuont": 3})", "pedal_cuont: unknown field"},
        {R"({"pedals": [1]})", "pedals[0]: expected an object"},
        {R"({"pedals": [{},{},{},{},{},{}]})", "pedals: 6 entries, at most 5"},
        {WithPedal(QStringLiteral(R"("common": "%1")").arg(common)), "pedals[0].mode: missing"},
        {WithPedal(QStringLiteral(R"("mode": 256, "common": "%1")").arg(common)),
         "pedals[0].mode: 256 is outside 0..255"},
        {WithPedal(QStringLiteral(R"("mode": 1.5, "common": "%1")").arg(common)),
         "pedals[0].mode: expected a whole number"},
        {WithPedal(QStringLiteral(R"("mode": "1", "common": "%1")").arg(common)),
         "pedals[0].mode: expected a whole number"},
        {WithPedal(QStringLiteral(R"("mode": 1)")), "pedals[0].common: missing"},
        {WithPedal(QStringLiteral(R"("mode": 1, "common": 5)")), "pedals[0].common: expected hex bytes in a string"},
        {WithPedal(QStringLiteral(R"("mode": 1, "common": "01 02")")), "pedals[0].common: 2 bytes, expected 13"},
        {WithPedal(QStringLiteral(R"("mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 zz")")),
         "pedals[0].common: \"zz\" is not a hex byte (00..ff)"},
        {WithPedal(QStringLiteral(R"("mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 100")")),
         "pedals[0].common: \"100\" is not a hex byte (00..ff)"},
        {WithPedal(QStringLiteral(R"("mode": 1, "common": "%1", "additional": "00")").arg(common)),
         "pedals[0].additional: 1 bytes, expected 63"},
        {WithPedal(QStringLiteral(R"("mode": 1, "common": "%1", "colour": 1)").arg(common)),
         "pedals[0].colour: unknown field"},
        {R"({"pedals": [], "firmware": [2, 1]})", "firmware: expected three numbers 0..255"},
        {R"({"pedals": [], "firmware": "2.1.0"})", "firmware: expected three numbers 0..255"},
        {R"({"pedals": [], "firmware": [2, 300, 0]})", "firmware[1]: 300 is outside 0..255"},
        {R"({"pedals": [], "firmware": [2, -1, 0]})", "firmware[1]: -1 is outside 0..255"},
        {R"({"pedals": [], "pedal_count": 256})", "pedal_count: 256 is outside 0..255"},
        {R"({"pedals": [], "pedal_count": -1})", "pedal_count: -1 is outside 0..255"},
        {R"({"pedals": [], "pedal_count": 1e300})", "pedal_count: expected a whole number"},
        {R"({"pedals": [], "answer_delay_ms": -5})", "answer_delay_ms: -5 is negative"},
        {R"({"pedals": [], "answer_delay_ms": 3600000})", "answer_delay_ms: 3600000 is above 60000"},
        {R"({"pedals": [], "silent_commands": 149})", "silent_commands: expected a list"},
        {R"({"pedals": [], "silent_commands": [149, 5]})", "silent_commands[1]: 5 is not a command code (144..153)"},
        {R"({"pedals": [], "silent_commands": [154]})", "silent_commands[0]: 154 is not a command code (144..153)"},
    };
    for (const Case& c : cases) {
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
    ASSERT_TRUE(ParseUnitFile(WithPedal(QStringLiteral(R"("mode": 9, "common": " 2C 0a  10 03 00 00 02 04 05 00 00 00 00 ")")),
                              image, error))
        << error.toStdString();
    EXPECT_EQ(image.firmware, (std::array<std::uint8_t, 3>{2, 1, 0}));
    ASSERT_EQ(image.pedals.size(), 1u);
    EXPECT_EQ(image.pedals[0].mode, 9);
    EXPECT_EQ(image.pedals[0].common[0], 0x2C);
    EXPECT_EQ(image.pedals[0].common[8], 0x05);
    EXPECT_EQ(image.pedals[0].additional, (std::array<std::uint8_t, ADDITIONAL_DATA_ONE_PEDAL>{}));
    EXPECT_EQ(image.ReportedPedalCount(), 1);
    EXPECT_EQ(image.answerDelayMs, 0);
    EXPECT_TRUE(image.silentCommands.empty());
}

UnitImage Everything() {
    UnitImage image;
    image.firmware = {2, 9, 17};
    for (int p = 0; p < 5; ++p) {
        PedalImage pedal;
        pedal.mode = static_cast<std::uint8_t>(p * 2);
        for (std::size_t i = 0; i < pedal.common.size(); ++i) pedal.common[i] = static_cast<std::uint8_t>(0xF0 + i + p);
        if (p % 2 == 1)
            for (std::size_t i = 0; i < pedal.additional.size(); ++i) pedal.additional[i] = static_cast<std::uint8_t>(i * 4);
        image.pedals.push_back(pedal);
    }
    image.pedalCount = 7;
    image.answerDelayMs = 12;
    image.silentCommands = {0x95, 0x98};
    return image;
}

TEST(UnitFile, WriteAndReadGiveTheSameUnit) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("unit.json"));
    const UnitImage original = Everything();
    QString error;
    ASSERT_TRUE(WriteUnitFile(path, original, error)) << error.toStdString();
    UnitImage back;
    ASSERT_TRUE(ReadUnitFile(path, back, error)) << error.toStdString();
    EXPECT_EQ(back.firmware, original.firmware);
    ASSERT_EQ(back.pedals.size(), original.pedals.size());
    for (std::size_t p = 0; p < back.pedals.size(); ++p) {
        EXPECT_EQ(back.pedals[p].mode, original.pedals[p].mode);
        EXPECT_EQ(back.pedals[p].common, original.pedals[p].common);
        EXPECT_EQ(back.pedals[p].additional, original.pedals[p].additional);
    }
    EXPECT_EQ(back.pedalCount, 7);
    EXPECT_EQ(back.answerDelayMs, 12);
    EXPECT_EQ(back.silentCommands, (std::vector<int>{0x95, 0x98}));
    EXPECT_EQ(UnitFileText(back), UnitFileText(original));

    const QString text = QString::fromUtf8(UnitFileText(original));
    EXPECT_TRUE(text.contains(QStringLiteral("\"common\": \"f0 f1 f2 f3 f4 f5 f6 f7 f8 f9 fa fb fc\"")));
}

TEST(UnitFile, FailedReadsAndWritesSayWhereAndLeaveFilesAlone) {
    QTemporaryDir dir;
    QString error;
    UnitImage image = DefaultUnitImage();

    const QString missing = dir.filePath(QStringLiteral("none.json"));
    EXPECT_FALSE(ReadUnitFile(missing, image, error));
    EXPECT_TRUE(error.startsWith(missing + QStringLiteral(": cannot read"))) << error.toStdString();

    const QString bad = dir.filePath(QStringLiteral("bad.json"));
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"pedals": [], "pedal_count": 999})");
    }
    EXPECT_FALSE(ReadUnitFile(bad, image, error));
    EXPECT_EQ(error, bad + QStringLiteral(": pedal_count: 999 is outside 0..255"));

    const QString nowhere = dir.filePath(QStringLiteral("no/such/dir/unit.json"));
    EXPECT_FALSE(WriteUnitFile(nowhere, image, error));
    EXPECT_TRUE(error.startsWith(nowhere + QStringLiteral(": cannot write"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST(UnitImages, DefaultUnitIsThreePedalsAtTheFactorySetting) {
    const UnitImage image = DefaultUnitImage();
    EXPECT_EQ(image.firmware[0], 2);
    ASSERT_EQ(image.pedals.size(), 3u);
    EXPECT_EQ(image.ReportedPedalCount(), 3);
    EXPECT_EQ(image.pedals[0].mode, 1);
    EXPECT_EQ(image.pedals[0].common[0], 1);
    EXPECT_EQ(image.pedals[1].mode, 0);
    EXPECT_EQ(image.pedals[1].common[1], 0x28);
    EXPECT_EQ(image.pedals[2].mode, 1);
    EXPECT_EQ(image.pedals[2].common[0], 2);
}

}  // namespace
}  // namespace tarvik::test
