// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments of `tarvikctl set PEDAL FORM`: the pedal, the bytes each form writes over a record
// whose every byte is known (C0 C1 ... CC, mode EE), so a byte written by mistake shows as well as a
// byte missed; the refusals; and show's "set" arguments written back.
#include <gtest/gtest.h>

#include "cli/PedalArg.h"
#include "cli/SetForm.h"
#include "model/ModeDecoder.h"
#include "model/ModeEncoders.h"
#include "model/RecordText.h"

namespace tarvik::cli {
namespace {

using namespace modes;

using test::RecordHex;

// The record after the form is written over the known record (or the refusal), and the arguments
// show gives back for that record.
std::pair<std::string, std::string> Written(const QStringList& args) {
    const SetFormResult result = ParseSetForm(args);
    if (!result.choice) return {"refused: " + result.error.toStdString(), ""};
    std::uint8_t mode = 0xEE;
    CommonRecord common;
    for (std::size_t i = 0; i < common.size(); ++i) common[i] = static_cast<std::uint8_t>(0xC0 + i);
    Encode(*result.choice, {mode, common});
    std::string back;
    for (const std::string& a : SetArgs(mode, common).value_or(std::vector<std::string>{"null"}))
        back += (back.empty() ? "" : " ") + a;
    return {RecordHex(mode, common), back};
}

// Each form's row names its mode; the bytes it leaves alone keep their C-values. What show gives
// back is the form as typed unless the row says otherwise: defaults left out, names as the tables
// spell them.
TEST(SetForm, EveryFormWritesItsModeAndOnlyItsBytesAndShowGivesItBack) {
    const struct { QStringList args; const char* bytes; const char* back = nullptr; } cases[] = {
        {{"key", "ctrl+shift+a"}, "00 | 03 04 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"key", "rctrl+rshift+ralt+rcmd+F24"}, "00 | f0 73 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"key", "ctrl+alt"}, "00 | 05 00 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"key", "0x01"}, "00 | 00 01 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "key Error Roll Over"},
        {{"key", "rcmd+ctrl"}, "00 | 81 00 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "key ctrl+rcmd"},
        // A row whose name another row has, and rows that share their name: by usage ID.
        {{"key", "0x9e"}, "00 | 00 9e c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"key", "0xa5"}, "00 | 00 a5 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"key", "cmd+0XE7"}, "00 | 08 e7 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "key cmd+右Commandキー(GUI)"},
        // Names with a '+' of their own, names several rows share, and easier spellings.
        {{"key", "shift+キーパッド +"}, "00 | 02 57 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"key", "]"}, "00 | 00 32 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "key rbracket"},
        {{"key", "Return"}, "00 | 00 28 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "key enter"},
        {{"key", " Control + Page Up "}, "00 | 01 4b c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "key ctrl+pageup"},
        {{"click", "left"}, "01 | 01 c1 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"click", "center"}, "01 | 04 c1 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "click middle"},
        {{"click", "middle+left"}, "01 | 05 c1 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "click left+middle"},
        {{"click", "Left+Right+Middle"}, "01 | 07 c1 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc", "click left+right+middle"},
        {{"double-click"}, "02 | 01 0f 00 0f c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"double-click", "right", "--second", "hold"}, "02 | 02 0f 01 0f c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"double-click", "--first-ms", "1", "middle", "--interval-ms", "255"},
         "02 | 04 01 00 ff c4 c5 c6 c7 c8 c9 ca cb cc", "double-click middle --first-ms 1 --interval-ms 255"},
        {{"double-click", "--first-ms=255", "--second=same", "--interval-ms=1"},
         "02 | 01 ff 00 01 c4 c5 c6 c7 c8 c9 ca cb cc", "double-click --first-ms 255 --interval-ms 1"},
        {{"modifier-click", "rcmd", "right"}, "03 | 80 02 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        {{"modifier-click", "ctrl+alt+cmd+rshift", "middle"}, "03 | 2d 04 c2 c3 c4 c5 c6 c7 c8 c9 ca cb cc"},
        // Byte 2 is kept.
        {{"modifier-double-click", "cmd", "left"}, "04 | 08 01 c2 0f 00 0f c6 c7 c8 c9 ca cb cc"},
        {{"modifier-double-click", "shift", "right", "--second", "hold", "--first-ms", "255", "--interval-ms", "1"},
         "04 | 02 02 c2 ff 01 01 c6 c7 c8 c9 ca cb cc",
         "modifier-double-click shift right --first-ms 255 --second hold --interval-ms 1"},
        // The rate in tenths.
        {{"repeat-key", "a"}, "05 | 00 04 c2 c3 c4 c5 00 00 00 00 64 00 00"},
        {{"repeat-key", "ctrl+down", "--rate", "2.5", "--repeats", "20", "--accelerate", "3"},
         "05 | 01 51 c2 c3 c4 c5 01 00 14 00 19 00 03"},
        {{"repeat-key", "shift", "--rate", "0.1", "--repeats", "65535"}, "05 | 02 00 c2 c3 c4 c5 00 ff ff 00 01 00 00"},
        {{"repeat-key", "F13", "--rate", "6553.5", "--accelerate", "65535"},
         "05 | 00 68 c2 c3 c4 c5 01 00 00 ff ff ff ff"},
        {{"repeat-key", "a", "--rate", "007"}, "05 | 00 04 c2 c3 c4 c5 00 00 00 00 46 00 00", "repeat-key a --rate 7"},
        // Every byte, as the advanced dialog writes it: not accelerating, divisor 1000 and index 1.
        {{"pointer", "down-left"}, "06 | ff 01 00 64 03 e8 00 00 00 00 64 00 01"},
        {{"pointer", "up", "--speed", "1", "--repeats", "65534", "--accelerate", "3"},
         "06 | 00 ff 00 01 01 4d 01 ff fe 00 01 00 03"},
        {{"pointer", "right", "--speed", "65535", "--accelerate", "1000"}, "06 | 01 00 ff ff 00 01 01 00 00 ff ff 03 e8"},
        {{"pointer", "down-right", "--accelerate", "16"}, "06 | 01 01 00 64 00 3f 01 00 00 00 64 00 10"},
        {{"pointer", "up-right", "--accelerate", "1"}, "06 | 01 ff 00 64 03 e8 01 00 00 00 64 00 01"},
        {{"pointer", "up", "--repeats", "1"}, "06 | 00 ff 00 64 03 e8 00 00 01 00 64 00 01"},
        {{"pointer", "left"}, "06 | ff 00 00 64 03 e8 00 00 00 00 64 00 01"},
        {{"pointer", "up-left"}, "06 | ff ff 00 64 03 e8 00 00 00 00 64 00 01"},
        {{"pointer", "down"}, "06 | 00 01 00 64 03 e8 00 00 00 00 64 00 01"},
        // The lower fields; the gap stays.
        {{"wheel", "forward"}, "07 | 01 c1 c2 c3 c4 00 00 00 00 0a 00 00 cc"},
        {{"wheel", "backward", "--rate", "65535", "--repeats", "1", "--accelerate", "2"},
         "07 | ff c1 c2 c3 c4 01 00 01 ff ff 00 02 cc"},
        {{"wheel", "Forward", "--rate", "1"}, "07 | 01 c1 c2 c3 c4 00 00 00 00 01 00 00 cc", "wheel forward --rate 1"},
        {{"repeat-click", "left"}, "08 | 01 c1 c2 c3 c4 00 00 00 00 64 00 00 cc"},
        {{"repeat-click", "middle", "--rate", "0.5", "--repeats", "3", "--accelerate", "7"},
         "08 | 04 c1 c2 c3 c4 01 00 03 00 05 00 07 cc"},
        // One chord, twelve-bit times.
        {{"chord", "a"}, "09 | 32 32 00 81 00 01 00 04 00 00 00 00 00"},
        {{"chord", "ctrl+alt+delete"}, "09 | 32 32 00 81 00 01 05 2a 00 00 00 00 00", "chord ctrl+alt+backspace"},
        {{"chord", "shift+a+b+c+d+e+f", "--on-ms", "4095", "--off-ms", "0", "--repeats", "0", "--count", "chords"},
         "09 | ff 00 f0 01 00 00 02 04 05 06 07 08 09"},
        {{"chord", "a", "--on-ms", "300", "--off-ms", "10", "--count", "series"},
         "09 | 2c 0a 10 81 00 01 00 04 00 00 00 00 00", "chord a --on-ms 300 --off-ms 10"},
        {{"chord", "rcmd+F13+キーパッド +", "--repeats", "65535", "--on-ms", "0", "--off-ms", "4095"},
         "09 | 00 ff 0f 81 ff ff 80 68 57 00 00 00 00",
         "chord rcmd+F13+キーパッド + --on-ms 0 --off-ms 4095 --repeats 65535"},
        {{"on-change"}, "0a | 00 00 00 00 00 c5 c6 c7 c8 c9 ca cb cc"},
        {{"on-change", "--press", "a"}, "0a | 01 00 04 00 00 c5 c6 c7 c8 c9 ca cb cc"},
        {{"on-change", "--release", "ctrl+F24"}, "0a | 02 00 00 01 73 c5 c6 c7 c8 c9 ca cb cc"},
        {{"on-change", "--press", "shift+a", "--release", "none"}, "0a | 01 02 04 00 00 c5 c6 c7 c8 c9 ca cb cc", "on-change --press shift+a"},
        {{"on-change", "--press=None", "--release", "rcmd+0x28"}, "0a | 02 00 00 80 28 c5 c6 c7 c8 c9 ca cb cc", "on-change --release rcmd+enter"},
        {{"on-change", "--release", "b", "--press", "a"}, "0a | 03 00 04 00 05 c5 c6 c7 c8 c9 ca cb cc", "on-change --press a --release b"},
    };
    for (const auto& c : cases) {
        const std::string typed = c.args.join(' ').toStdString();
        const auto [bytes, back] = Written(c.args);
        EXPECT_EQ(bytes, c.bytes) << typed;
        EXPECT_EQ(back, c.back != nullptr ? c.back : typed) << typed;
    }
}

// PEDAL: an index, the pedal's name for this unit's count, or an English alias; a word that can
// name no pedal is refused before the unit is read.
TEST(PedalArgument, NamesAPedalOfThisUnitOrSaysWhichItHas) {
    const char* const kThree = "; its pedals: 0 中央ペダル (center), 1 左ペダル (left), 2 右ペダル (right)";
    const struct {
        const char* text; int count;
        std::string named;  // the index, or the refusal
    } cases[] = {
        {"0", 3, "0"}, {"left", 3, "1"}, {" Right ", 3, "2"}, {"右ペダル", 3, "2"}, {"右", 3, "2"},
        {"右ペダル", 2, "0"}, {"far-left", 5, "3"},
        {"3", 3, std::string("this unit has no pedal '3'") + kThree},
        {"far-left", 3, std::string("this unit has no pedal 'far-left'") + kThree},
        {"0", 0, "this unit reports no pedals"},
        {"7", 5, "pedal 7: a unit has at most 5 pedals, numbered 0 to 4"},
        {"99999999999", 3, "pedal 99999999999: a unit has at most 5 pedals, numbered 0 to 4"},
        {"foo", 5, "'foo' names no pedal; give an index 0..4, a name such as 左ペダル, or center, left, right, "
                   "far-left, far-right"},
    };
    for (const auto& c : cases) {
        QString error;
        const bool possible = IsPedalArgument(QString::fromUtf8(c.text), error);
        const int pedal = possible ? ResolvePedal(QString::fromUtf8(c.text), c.count, error) : -1;
        EXPECT_EQ(pedal >= 0 ? std::to_string(pedal) : error.toStdString(), c.named) << c.text << " of " << c.count;
    }
}

TEST(SetForm, RefusalsNameTheArgumentAndWhatItAllows) {
    const std::string forms = "allowed key, click, double-click, modifier-click, modifier-double-click, repeat-key, "
                              "pointer, wheel, repeat-click, chord, on-change";
    const std::string key = "; allowed modifiers and one key joined by '+' (ctrl+shift+a), or modifiers alone";
    const std::string buttons = "allowed left, right, middle, or several joined by '+' (left+right)";
    const std::string rate = "allowed 0.1..6553.5 per second, at most one decimal";
    const std::string chord = "; allowed modifiers and 1 to 6 keys joined by '+' (ctrl+a+b)";
    const std::string output = "; allowed none, or modifiers and one key joined by '+' (ctrl+a)";
    const struct { QStringList args; std::string says; } cases[] = {
        {{}, "FORM missing; " + forms},
        {{"clik", "left"}, "FORM 'clik': unknown; did you mean click?"},
        {{"frobnicate"}, "FORM 'frobnicate': unknown; " + forms},
        {{"key"}, "key: KEYSPEC missing; usage: key KEYSPEC"},
        {{"key", "a", "--rate", "2"}, "key: unknown option '--rate'; key takes no options"},
        {{"key", "ctrl+aa"}, "KEYSPEC 'ctrl+aa': unknown key 'aa'; did you mean ctrl+a or ctrl+at?"},
        {{"key", "crtl+a"}, "KEYSPEC 'crtl+a': unknown key 'crtl'; did you mean ctrl+a?"},
        {{"key", "capslock"}, "KEYSPEC 'capslock': unknown key 'capslock'; did you mean Caps Lock?"},
        {{"key", "ctrl+zzzzzzzz"}, "KEYSPEC 'ctrl+zzzzzzzz': unknown key 'zzzzzzzz'" + key +
                                       "; a key by its name or its usage ID in hex, 0x01..0xe7"},
        {{"key", "a+b"}, "KEYSPEC 'a+b': 2 keys" + key},
        {{"key", "a+ctrl"}, "KEYSPEC 'a+ctrl': modifiers come before the keys; did you mean ctrl+a?"},
        {{"key", ""}, "KEYSPEC '': empty" + key},
        {{"key", "ctrl+"}, "KEYSPEC 'ctrl+': ends with '+'" + key},
        {{"key", "ctrl++a"}, "KEYSPEC 'ctrl++a': empty name between two '+'" + key},
        {{"key", "0x00"}, "KEYSPEC '0x00': 0x00 is no key of the key table; allowed usage IDs 0x01..0xe7"},
        {{"key", "0xe8"}, "KEYSPEC '0xe8': 0xe8 is no key of the key table; allowed usage IDs 0x01..0xe7"},
        {{"key", "a+---"}, "KEYSPEC 'a+---': '---' names several keys (0xa5, 0xa6, 0xa7, …); give its usage ID in hex"},
        {{"click", "left+left"}, "BUTTONS 'left+left': 'left' twice; " + buttons},
        {{"click", "lfet"}, "BUTTONS 'lfet': unknown button 'lfet'; " + buttons + "; did you mean left?"},
        // "left" is taken already: suggesting it would give left+left.
        {{"click", "left+lfet"}, "BUTTONS 'left+lfet': unknown button 'lfet'; " + buttons},
        {{"double-click", "left+right"}, "BUTTON 'left+right': allowed left, right or middle"},
        {{"double-click", "--first-ms", "0"}, "--first-ms '0': allowed 1..255 ms"},
        {{"double-click", "--interval-ms", "256"}, "--interval-ms '256': allowed 1..255 ms"},
        {{"double-click", "--second", "long"}, "--second 'long': allowed same or hold"},
        {{"double-click", "--first-ms"},
         "--first-ms: value missing; usage: double-click [BUTTON] [--first-ms N] [--second same|hold] [--interval-ms N]"},
        {{"double-click", "--first-ms", "9", "--first-ms", "9"}, "--first-ms: given twice"},
        {{"double-click", "--frist-ms", "9"},
         "double-click: unknown option '--frist-ms'; options: --first-ms, --second, --interval-ms; did you mean --first-ms?"},
        {{"modifier-click", "a", "left"},
         "MODIFIERS 'a': 'a' is no modifier; allowed ctrl, shift, alt, cmd, rctrl, rshift, ralt or rcmd, several joined by '+'"},
        {{"modifier-click", "ctrl"}, "modifier-click: BUTTON missing; usage: modifier-click MODIFIERS BUTTON"},
        {{"repeat-key", "a", "--rate", "0"}, "--rate '0': " + rate},
        {{"repeat-key", "a", "--rate", "2.55"}, "--rate '2.55': " + rate},
        {{"repeat-key", "a", "--rate", "6553.6"}, "--rate '6553.6': " + rate},
        {{"repeat-key", "a", "--repeats", "65536"}, "--repeats '65536': allowed 0..65535 (0: until the pedal is released)"},
        {{"repeat-key", "a", "--accelerate", "0"}, "--accelerate '0': allowed 1..65535"},
        {{"repeat-key", "a", "--speed", "3"}, "repeat-key: unknown option '--speed'; options: --rate, --repeats, --accelerate"},
        {{"pointer", "upleft"},
         "DIRECTION 'upleft': allowed right, left, down, up, down-right, up-right, up-left or down-left; did you mean up-left?"},
        {{"pointer", "up", "--speed", "0"}, "--speed '0': allowed 1..65535 dots per second"},
        {{"pointer", "up", "--accelerate", "1001"}, "--accelerate '1001': allowed 1..1000"},
        {{"pointer", "up", "--repeats", "65535"}, "--repeats '65535': allowed 0..65534 (0: until the pedal is released)"},
        {{"wheel", "up"}, "DIRECTION 'up': allowed forward or backward"},
        {{"wheel", "forward", "--rate", "2.5"}, "--rate '2.5': allowed 1..65535 per second, whole numbers"},
        {{"repeat-click", "left+right"}, "BUTTON 'left+right': allowed left, right or middle"},
        {{"chord", "ctrl"}, "KEYSPEC 'ctrl': no key" + chord},
        {{"chord", "a+b+c+d+e+f+g"}, "KEYSPEC 'a+b+c+d+e+f+g': 7 keys" + chord},
        {{"chord", "a", "--on-ms", "4096"}, "--on-ms '4096': allowed 0..4095 ms"},
        {{"chord", "a", "--count", "serie"}, "--count 'serie': allowed chords or series; did you mean series?"},
        {{"on-change", "--press", "ctrl"}, "--press 'ctrl': no key" + output},
        {{"on-change", "--release", "a+b"}, "--release 'a+b': 2 keys" + output},
        {{"on-change", "a"}, "on-change: unexpected argument 'a'; usage: on-change [--press OUTPUT] [--release OUTPUT]"},
    };
    for (const auto& c : cases) {
        const SetFormResult result = ParseSetForm(c.args);
        EXPECT_EQ(result.choice ? "taken" : result.error.toStdString(), c.says) << c.args.join(' ').toStdString();
    }
}

TEST(SetForm, EveryFormsExampleWritesItsMode) {
    const auto& forms = SetForms();
    ASSERT_EQ(forms.size(), std::size_t{OUTPUT_AT_CHANGE + 1});
    for (std::size_t mode = 0; mode < forms.size(); ++mode) {
        const SetFormResult result = ParseSetForm(QString::fromUtf8(forms[mode].example).split(' '));
        ASSERT_TRUE(result.choice.has_value()) << forms[mode].example << ": " << result.error.toStdString();
        EXPECT_EQ(ModeOf(*result.choice), static_cast<int>(mode)) << forms[mode].example;
    }
}

}  // namespace
}  // namespace tarvik::cli
