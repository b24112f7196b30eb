// SPDX-License-Identifier: GPL-3.0-or-later
// The round trip: random choices of every mode, encoded over random bytes, are given back by show's
// "set" arguments, which, written over other random bytes, give the same bytes the mode's form writes.
#include <gtest/gtest.h>

#include <random>

#include "cli/SetForm.h"
#include "model/ModeDecoder.h"
#include "model/ModeEncoders.h"
#include "model/RecordText.h"

namespace tarvik::cli {
namespace {

using namespace modes;

// A choice of `mode` drawn from everything its form takes.
ModeChoice RandomChoice(int mode, std::mt19937& rng) {
    const auto in = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const auto byte = [&] { return static_cast<std::uint8_t>(in(0, 255)); };
    const auto u16 = [&](int low) { return static_cast<std::uint16_t>(in(low, 65535)); };
    const auto key = [&] { return static_cast<std::uint8_t>(in(1, Max_KeyUsageID)); };
    const auto button = [&] { return std::array<std::uint8_t, 3>{1, 2, 4}[static_cast<std::size_t>(in(0, 2))]; };
    const auto modifiers = [&] { return static_cast<std::uint8_t>(in(1, 255)); };
    const auto keyOutput = [&] {
        KeyOutput k{byte(), in(0, 3) == 0 ? std::uint8_t{0} : key()};
        if (k.usage == 0 && k.modifiers == 0) k.modifiers = 1;
        return k;
    };
    const auto timing = [&] {
        return DoubleClickTiming{static_cast<std::uint8_t>(in(1, 255)), static_cast<std::uint8_t>(in(0, 1)),
                                 static_cast<std::uint8_t>(in(1, 255))};
    };
    const auto repetition = [&] {
        Repetition r{u16(0), {}};
        if (in(0, 1) == 1) r.accelerate = u16(1);
        return r;
    };
    switch (mode) {
        case 0: return keyOutput();
        case 1: return Click{static_cast<std::uint8_t>(in(1, 7))};
        case 2: return DoubleClick{button(), timing()};
        case 3: return ModifierClick{modifiers(), button()};
        case 4: return ModifierDoubleClick{modifiers(), button(), timing()};
        case 5: return RepeatKey{keyOutput(), u16(1), repetition()};
        case 6: {
            PointerMoveChoice p;
            p.direction = kDirections[static_cast<std::size_t>(in(0, 7))].direction;
            p.speedIndex = in(1, 65535);
            p.setNumber = true;
            p.repeats = in(0, PM_MAX_REPEATS);
            p.accelerated = in(0, 1) == 1;
            p.accelerationIndex = p.accelerated ? in(1, 1000) : 0;
            return p;
        }
        case 7: return Wheel{static_cast<std::uint8_t>(in(0, 1) == 0 ? 1 : 255), u16(1), repetition()};
        case 8: return RepeatClick{button(), u16(1), repetition()};
        case 9: {
            Chord c{static_cast<std::uint16_t>(in(0, 4095)), static_cast<std::uint16_t>(in(0, 4095)), u16(0),
                    in(0, 1) == 1, byte(), {}};
            const int keys = in(1, CHORD_KEYS_MAX);
            for (int k = 0; k < keys; ++k) c.keys[static_cast<std::size_t>(k)] = key();
            return c;
        }
        default: {
            OnChange c;
            if (in(0, 2) > 0) c.press = KeyOutput{byte(), key()};
            if (in(0, 2) > 0) c.release = KeyOutput{byte(), key()};
            return c;
        }
    }
}

// The record with the bytes the mode's form does not write as "--".
std::string NamedBytes(std::uint8_t mode, const CommonRecord& common) {
    std::string text = test::RecordHex(mode, common);
    for (std::size_t i = 0; i < common.size(); ++i)
        if ((WrittenBytes(mode) & (1u << i)) == 0) text.replace(5 + 3 * i, 2, "--");
    return text;
}

TEST(SetForm, ShowsSetArgumentsWriteTheRecordBackForRandomRecordsOfEveryMode) {
    std::mt19937 rng(20240611);
    const auto randomBytes = [&rng](CommonRecord& common) {
        for (std::uint8_t& b : common) b = static_cast<std::uint8_t>(rng() & 0xFF);
    };
    for (int mode = 0; mode <= OUTPUT_AT_CHANGE; ++mode) {
        for (int n = 0; n < 400; ++n) {
            std::uint8_t m = 0, back = 0xEE;
            CommonRecord common, written;
            randomBytes(common);
            randomBytes(written);
            Encode(RandomChoice(mode, rng), {m, common});
            QStringList args;
            for (const std::string& a : SetArgs(m, common).value_or(std::vector<std::string>{}))
                args << QString::fromStdString(a);
            const SetFormResult parsed = ParseSetForm(args);
            ASSERT_TRUE(parsed.choice.has_value()) << test::RecordHex(m, common) << " gave '"
                                                   << args.join(' ').toStdString() << "': " << parsed.error.toStdString();
            Encode(*parsed.choice, {back, written});
            EXPECT_EQ(NamedBytes(back, written), NamedBytes(m, common)) << args.join(' ').toStdString();
        }
    }
}

}  // namespace
}  // namespace tarvik::cli
