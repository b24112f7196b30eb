// SPDX-License-Identifier: GPL-3.0-or-later
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

// Where each block lands is pinned by the simulated unit's answers and the read flow; here, the
// block numbers a unit or a caller may bring that have no place in the record.
TEST(Reports, BlockNumbersOutsideTheRecordAreRefusedWithoutTouchingIt) {
    for (int block : {-1, 5, 1 << 20}) {
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

}  // namespace
}  // namespace tarvik::test
