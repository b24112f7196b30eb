// The report layouts: what each builder writes, what it leaves, and where each answer is read.
#include <gtest/gtest.h>

#include "LinkRig.h"
#include "device/Reports.h"

namespace tarvik::test {
namespace {

TEST(Reports, BuildersWriteOnlyTheBytesTheirLayoutNames) {
    const std::pair<void (*)(Report&), const char*> cases[] = {
        {[](Report& r) { FillGetOutputModeAndData(r, 3); }, "a0 03 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af"},
        {[](Report& r) { FillGetAdditionalData(r, 4, 2); }, "a0 04 02 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af"},
        {[](Report& r) { FillAdditionalDataRequest(r, 1, 0); }, "a0 01 00 ff ff ff ff ff ff ff ff ff ff ff ff ff"},
        {[](Report& r) { FillSetOutputModeAndData(r, 2, SIMPLE_DOUBLE_CLICK, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}); },
         "a0 02 02 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d"},
        {[](Report& r) { FillSetParameters(r); }, "a0 19 14 0f 0f a5 a6 a7 a8 a9 aa ab ac ad ae af"},
    };
    for (const auto& [fill, expected] : cases) {
        Report r{};
        for (int i = 0; i < REPORT_SIZE; ++i) r[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0xA0 + i);
        fill(r);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(r.data()), REPORT_SIZE), Hex(expected));
    }
}

TEST(Reports, AdditionalDataTravelsInFourBlocksOfThirteenAndOneOfElevenAndNoOther) {
    const int sizes[] = {13, 13, 13, 13, 11}, offsets[] = {0, 13, 26, 39, 52};
    for (int block = 0; block < 5; ++block) {
        EXPECT_EQ(AdditionalBlockSize(block), sizes[block]) << block;
        EXPECT_EQ(AdditionalBlockOffset(block), offsets[block]) << block;
    }
    // Each block lands in its place from answer byte 2; the last one takes bytes 2..12 only.
    Report in{};
    for (int i = 0; i < REPORT_SIZE; ++i) in[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    AdditionalRecord additional{};
    additional.fill(0xEE);
    ASSERT_TRUE(TakeAdditionalBlock(in, 4, additional));
    ASSERT_TRUE(TakeAdditionalBlock(in, 1, additional));
    EXPECT_EQ(additional[12], 0xEE);
    EXPECT_EQ(additional[13], 2);
    EXPECT_EQ(additional[25], 14);
    EXPECT_EQ(additional[26], 0xEE);
    EXPECT_EQ(additional[51], 0xEE);
    EXPECT_EQ(additional[52], 2);
    EXPECT_EQ(additional[62], 12);

    for (int block : {-1, 5, 1 << 20}) {
        EXPECT_EQ(AdditionalBlockSize(block), 0);
        Report r{};
        r.fill(0x33);
        AdditionalRecord untouched{};
        EXPECT_FALSE(TakeAdditionalBlock(r, block, untouched));
        EXPECT_FALSE(PutAdditionalBlock(r, block, untouched));
        EXPECT_EQ(untouched, AdditionalRecord{});
        EXPECT_EQ(r[2], 0x33);
    }
}

}  // namespace
}  // namespace tarvik::test
