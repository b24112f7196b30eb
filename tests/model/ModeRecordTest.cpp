// SPDX-License-Identifier: GPL-3.0-or-later
// Mode records: the pointer move encoder (the advanced dialog's and tarvikctl's) over a record
// whose every byte is known (C0 C1 ... CC), so the bytes it leaves alone show; the records no setting
// form writes; and records field by field.
#include <gtest/gtest.h>

#include "RecordText.h"
#include "model/ModeDecoder.h"
#include "model/ModeEncoders.h"
#include "model/ModeFields.h"
#include "model/PointerMove.h"

namespace tarvik::modes {
namespace {

TEST(PointerMove, WritesAsTheDialogDoes) {
    const struct {
        PointerMoveChoice choice; const char* record;
        int index;  // what the dialog's acceleration index reads afterwards
    } cases[] = {
        {{MoveDirection::LowerLeft, 10, 0, false, true, false, 0}, "06 | ff 01 00 0a 03 e8 00 00 00 00 0a 00 01", 1},
        {{MoveDirection::Up, 100, 3, true, false, true, 5}, "06 | 00 ff 00 64 01 4d 01 00 05 00 64 00 03", 3},
        // Above an index of 1000 the divisor and the flag stay; 0 accelerates at index 1.
        {{MoveDirection::Right, 100, 1500, true, true, false, 0}, "06 | 01 00 00 64 c4 c5 c6 00 00 00 64 05 dc", 1500},
        {{MoveDirection::Right, 100, 0, true, true, false, 0}, "06 | 01 00 00 64 03 e8 01 00 00 00 64 00 01", 1},
        {{MoveDirection::Right, 100, 2, true, true, false, 0}, "06 | 01 00 00 64 01 f4 01 00 00 00 64 00 02", 2},
        // No direction, no repeat radio: those bytes stay. Repeats stop at 65534; fields at 16 bits.
        {{std::nullopt, 7, 0, false, false, false, 9}, "06 | c0 c1 00 07 03 e8 00 c7 c8 00 07 00 01", 1},
        {{MoveDirection::UpperLeft, 70000, -3, true, false, true, 70000}, "06 | ff ff ff ff 03 e8 01 ff fe ff ff 00 01", 1},
        {{MoveDirection::UpperRight, 0, 0, false, false, true, 65535}, "06 | 01 ff 00 00 03 e8 00 ff fe 00 00 00 01", 1},
        {{MoveDirection::UpperLeft, 0, 0, false, false, true, 65534}, "06 | ff ff 00 00 03 e8 00 ff fe 00 00 00 01",
         1},
        {{MoveDirection::LowerRight, 0, 0, false, false, true, -12}, "06 | 01 01 00 00 03 e8 00 00 00 00 00 00 01", 1},
    };
    for (const auto& c : cases) {
        std::uint8_t mode = 0xEE;
        CommonRecord common;
        for (std::size_t i = 0; i < common.size(); ++i) common[i] = static_cast<std::uint8_t>(0xC0 + i);
        const int index = EncodePointerMove(c.choice, {mode, common});
        EXPECT_EQ(test::RecordHex(mode, common), c.record);
        EXPECT_EQ(index, c.index) << c.record;
    }
}

// The forms records are written back with are in the set forms' table; here, the records no form
// writes, one for each check by which a decoder refuses.
TEST(ModeDecoder, GivesNoFormForARecordNoFormWrites) {
    const char* const records[] = {
        "00 | 00 00", "00 | 00 e8", "01 | 00", "01 | 08", "02 | 01 00 00 0f", "02 | 01 0f 02 0f", "03 | 00 01",
        "02 | 01 0f 00 00", "02 | 03 0f 00 0f", "03 | 01 03", "04 | 08 03 77 0f 00 0f", "04 | 00 01 77 0f 00 0f",
        "06 | ff 01 00 00 03 e8 00 00 00 00 00 00 01",  // speed 0
        "07 | 02 77 77 77 77 00 00 00 00 0a 00 00 77", "07 | 01 77 77 77 77 00 00 00 00 00 00 00 77",
        "08 | 01 77 77 77 77 00 00 00 00 00 00 00 77",
        "05 | 00 04 77 77 77 77 00 00 00 00 64 00 05",  // an index without acceleration
        "05 | 00 04 77 77 77 77 00 00 00 00 00 00 00",  // rate 0
        "06 | ff 01 00 64 03 e8 00 00 00 00 64 00 00",  // the form writes index 1
        "06 | ff 01 00 64 03 e8 01 00 00 00 64 05 dc",  // index 1500 keeps an old divisor
        "06 | ff 01 00 65 03 e8 00 00 00 00 64 00 01",  // speed copy differs
        "06 | 02 01 00 64 03 e8 00 00 00 00 64 00 01", "08 | 03 77 77 77 77 00 00 00 00 05 00 00 77",
        "09 | 2c 0a 10 83 00 05 00 04", "09 | 32 32 00 81 00 01 00 00 05",  // three chords; no first key
        "09 | 32 32 00 81 00 01 00 04 00 06",  // a key after the end of the chord
        "0a | 01 00 e9 00 00", "0a | 01 00 04 07 09",  // a click code; bytes of an output that is off
        "0a | 05 00 04 00 00", "0b | 00",
    };
    for (const char* record : records) {
        const test::RecordText r = test::ParseRecord(record);
        EXPECT_FALSE(SetArgs(r.mode, r.common).has_value()) << record;
    }
}

struct Show {
    std::string operator()(std::monostate) const { return "null"; }
    std::string operator()(bool b) const { return b ? "true" : "false"; }
    template <typename Number>  // long long, double
    std::string operator()(Number v) const { return (std::ostringstream() << v).str(); }
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(const std::vector<std::string>& list) const {
        std::string text;
        for (const std::string& s : list) text += (text.empty() ? "" : ", ") + s;
        return "[" + text + "]";
    }
};

std::string FieldsText(const std::string& record, const AdditionalRecord& additional = {}) {
    const test::RecordText r = test::ParseRecord(record);
    std::string text;
    for (const Field& f : DecodeFields(r.mode, r.common, additional))
        text += (text.empty() ? "" : " ") + f.name + "=" + std::visit(Show{}, f.value);
    return text;
}

TEST(ModeFields, NamesWhatTheTablesKnowAndGivesTheRestAsNumbers) {
    const struct { const char* record; const char* fields; } cases[] = {
        {"00 | 11 00", "mode=0 modifiers=[ctrl, rctrl] key=null usage_id=0"}, {"01 | 09", "mode=1 buttons=9"},
        {"02 | 04 0f 05 1e", "mode=2 button=middle first_ms=15 second=5 interval_ms=30"},
        {"04 | 02 01 77 0f 01 0f", "mode=4 modifiers=[shift] button=left first_ms=15 second=hold interval_ms=15"},
        {"05 | 00 e8 77 77 77 77 02 00 14 00 19 00 03",
         "mode=5 modifiers=[] key=0xe8 usage_id=232 rate=2.5 repeats=20 acceleration=true acceleration_index=3"},
        {"06 | 07 01 00 64 01 4d 01 00 00 00 64 00 03",
         "mode=6 direction=null speed=100 repeats=0 acceleration=true acceleration_index=3 acceleration_divisor=333"},
        {"07 | ff 77 77 77 77 00 00 00 00 0a 00 00",
         "mode=7 direction=backward rate=10 repeats=0 acceleration=false acceleration_index=0"},
        {"08 | 02 77 77 77 77 00 00 00 00 05 00 00",
         "mode=8 button=right rate=0.5 repeats=0 acceleration=false acceleration_index=0"},
        {"0a | 02 01 04 80 28", "mode=10 press=null release=rcmd+enter"}, {"0c | 01 02 03", "mode=12"},
    };
    for (const auto& c : cases) EXPECT_EQ(FieldsText(c.record), c.fields) << c.record;
}

TEST(ModeFields, ChordsBeyondTheFirstComeFromTheAdditionalBytesAndStopAtTen) {
    // Chord 2: shift+b+c; chord 3 all 0 (a key byte of 0 is still the chord's first key); chord 10: z.
    AdditionalRecord additional{0x02, 0x05, 0x06};
    additional[8 * 7 + 1] = 0x1d;
    EXPECT_EQ(FieldsText("09 | 2c 0a 10 83 00 05 01 04 00 06", additional),
              "mode=9 on_ms=300 off_ms=10 chords=3 repeats=5 count=series outputs=[ctrl+a, shift+b+c, 0x00]");
    EXPECT_EQ(FieldsText("09 | 00 00 00 7f 00 00 00 04", additional),
              "mode=9 on_ms=0 off_ms=0 chords=127 repeats=0 count=chords "
              "outputs=[a, shift+b+c, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, z]");
}

}  // namespace
}  // namespace tarvik::modes
