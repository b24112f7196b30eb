// The report layouts: what each builder writes, what it leaves, and where each answer is read.
#include <gtest/gtest.h>

#include "LinkRig.h"
#include "device/DeviceState.h"
#include "device/Reports.h"
#include "device/UnitFlows.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

Report Pattern() {
    Report r{};
    for (int i = 0; i < REPORT_SIZE; ++i) r[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0xA0 + i);
    return r;
}

TEST(Reports, BuildersWriteOnlyTheBytesTheirLayoutNames) {
    CommonRecord common{};
    for (int i = 0; i < NUMBER_OF_COMMON_DATA; ++i) common[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    struct Case {
        const char* name;
        void (*fill)(Report&, const CommonRecord&);
        const char* expected;
    };
    const Case cases[] = {
        {"mode and data request", [](Report& r, const CommonRecord&) { FillGetOutputModeAndData(r, 3); },
         "a0 03 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af"},
        {"additional data block", [](Report& r, const CommonRecord&) { FillGetAdditionalData(r, 4, 2); },
         "a0 04 02 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af"},
        {"advanced dialog's request", [](Report& r, const CommonRecord&) { FillAdditionalDataRequest(r, 1, 0); },
         "a0 01 00 ff ff ff ff ff ff ff ff ff ff ff ff ff"},
        {"set mode and data",
         [](Report& r, const CommonRecord& c) { FillSetOutputModeAndData(r, 2, SIMPLE_DOUBLE_CLICK, c); },
         "a0 02 02 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d"},
        {"set parameters", [](Report& r, const CommonRecord&) { FillSetParameters(r); },
         "a0 19 14 0f 0f a5 a6 a7 a8 a9 aa ab ac ad ae af"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Report r = Pattern();
        c.fill(r, common);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(r.data()), REPORT_SIZE), Hex(c.expected));
    }
}

TEST(Reports, AdditionalDataTravelsInFourFullBlocksAndOneOfEleven) {
    const int sizes[] = {13, 13, 13, 13, 11};
    const int offsets[] = {0, 13, 26, 39, 52};
    ASSERT_EQ(ADDITIONAL_DATA_BLOCKS, 5);
    for (int block = 0; block < 5; ++block) {
        EXPECT_EQ(AdditionalBlockSize(block), sizes[block]) << block;
        EXPECT_EQ(AdditionalBlockOffset(block), offsets[block]) << block;
    }

    // Each block lands in its place; the last one reads answer bytes 2..12 only.
    Report in{};
    for (int i = 0; i < REPORT_SIZE; ++i) in[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    AdditionalRecord additional{};
    additional.fill(0xEE);
    ASSERT_TRUE(TakeAdditionalBlock(in, 4, additional));
    EXPECT_EQ(additional[51], 0xEE);
    EXPECT_EQ(additional[52], 2);
    EXPECT_EQ(additional[62], 12);
    ASSERT_TRUE(TakeAdditionalBlock(in, 1, additional));
    EXPECT_EQ(additional[12], 0xEE);
    EXPECT_EQ(additional[13], 2);
    EXPECT_EQ(additional[25], 14);
    EXPECT_EQ(additional[26], 0xEE);
}

TEST(Reports, BlockNumbersOutsideTheRecordAreRefusedWithoutTouchingIt) {
    for (int block : {-1, 5, 255, 1 << 20}) {
        SCOPED_TRACE(block);
        EXPECT_EQ(AdditionalBlockSize(block), 0);
        Report r{};
        r.fill(0x33);
        AdditionalRecord additional{};
        EXPECT_FALSE(TakeAdditionalBlock(r, block, additional));
        EXPECT_FALSE(PutAdditionalBlock(r, block, additional));
        EXPECT_EQ(additional, AdditionalRecord{});
        EXPECT_EQ(r[2], 0x33);
    }
}

// Writing a left click for pedal 0: the record, then the parameters over the rest of that report.
TEST(Reports, WrittenPedalAndParametersReachTheUnitAsLaidOut) {
    LinkRig rig;
    auto& s = State();
    s.SelectedPedalNo = 0;
    s.OutputMode[0] = SIMPLE_CLICK;
    s.CommonData[0] = {0x01, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D};
    ScriptedPresenter boxes;
    EXPECT_FALSE(WriteSelectedPedal(rig.link));
    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], Hex("94 00 01 01 22 23 24 25 26 27 28 29 2a 2b 2c 2d"));
    EXPECT_EQ(sent[1], Hex("92 19 14 0f 0f 23 24 25 26 27 28 29 2a 2b 2c 2d"));
    EXPECT_EQ(rig.unit.LastParameters(), sent[1]);
    EXPECT_EQ(rig.unit.Image().pedals[0].mode, SIMPLE_CLICK);
    EXPECT_EQ(rig.unit.Image().pedals[0].common, s.CommonData[0]);
}

}  // namespace
}  // namespace tarvik::test
