// SPDX-License-Identifier: GPL-3.0-or-later
// The raw codes of the pedal records, each named once: mouse button codes, pointer direction pairs,
// modifier bits, wheel directions, the second-click code and the chord repeat unit. Each table is
// read both ways (name -> code for the command line, code -> name for show and the description).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Translate.h"

namespace tarvik {

// A raw code of a record, its command-line name and the words the description shows for it.
struct NamedCode {
    std::uint8_t code;
    const char* name;   // command line: "left", "left+right", "forward"
    const char* shown;  // description: what follows the field's label ("[ボタン] ")
};

// Mouse button codes: one bit per button; simultaneous clicks (mode 1 only) add them up.
using ClickCode = NamedCode;
inline constexpr std::array<ClickCode, 7> kClickCodes{{
    {1, "left", TARVIK_TR_NOOP("Description", "左")},
    {2, "right", TARVIK_TR_NOOP("Description", "右")},
    {4, "middle", TARVIK_TR_NOOP("Description", "中央")},
    {3, "left+right", TARVIK_TR_NOOP("Description", "左, 右ボタン 同時クリック")},
    {5, "left+middle", TARVIK_TR_NOOP("Description", "左, 中央ボタン 同時クリック")},
    {6, "right+middle", TARVIK_TR_NOOP("Description", "右, 中央ボタン 同時クリック")},
    {7, "left+right+middle", TARVIK_TR_NOOP("Description", "左, 右, 中央ボタン 同時クリック")},
}};
inline constexpr std::uint8_t BUTTON_LEFT = kClickCodes[0].code;
inline constexpr std::uint8_t BUTTON_RIGHT = kClickCodes[1].code;
inline constexpr std::uint8_t BUTTON_MIDDLE = kClickCodes[2].code;
inline constexpr std::uint8_t ALL_BUTTONS = BUTTON_LEFT | BUTTON_RIGHT | BUTTON_MIDDLE;

const ClickCode* FindClickCode(std::uint8_t code);
// One of left, right, middle (or "center", as the standard dialog calls it); any case.
std::optional<std::uint8_t> SingleButtonByName(std::string_view name);
constexpr bool IsSingleButton(std::uint8_t code) {
    return code == BUTTON_LEFT || code == BUTTON_RIGHT || code == BUTTON_MIDDLE;
}

// Pointer directions: the (MoveX, MoveY) steps of a pointer move, 1 and 255 (-1) per axis.
// The enumerators follow the advanced dialog's radio order.
enum class MoveDirection { Up, UpperRight, Right, LowerRight, Down, LowerLeft, Left, UpperLeft };
struct DirectionPair {
    MoveDirection direction;
    std::uint8_t x;     // 1 right, 255 left, 0 none
    std::uint8_t y;     // 1 down, 255 up, 0 none
    const char* name;   // command line
    const char* shown;  // description
};
// In the order the pointer move encoder looks at the dialog's radios.
inline constexpr std::array<DirectionPair, 8> kDirections{{
    {MoveDirection::Right, 1, 0, "right", TARVIK_TR_NOOP("Description", "右")},
    {MoveDirection::Left, 255, 0, "left", TARVIK_TR_NOOP("Description", "左")},
    {MoveDirection::Down, 0, 1, "down", TARVIK_TR_NOOP("Description", "下")},
    {MoveDirection::Up, 0, 255, "up", TARVIK_TR_NOOP("Description", "上")},
    {MoveDirection::LowerRight, 1, 1, "down-right", TARVIK_TR_NOOP("Description", "右下")},
    {MoveDirection::UpperRight, 1, 255, "up-right", TARVIK_TR_NOOP("Description", "右上")},
    {MoveDirection::UpperLeft, 255, 255, "up-left", TARVIK_TR_NOOP("Description", "左上")},
    {MoveDirection::LowerLeft, 255, 1, "down-left", TARVIK_TR_NOOP("Description", "左下")},
}};

const DirectionPair& DirectionOf(MoveDirection direction);
const DirectionPair* FindDirection(std::uint8_t x, std::uint8_t y);
const DirectionPair* FindDirection(std::string_view name);

// Modifier bits: the USB HID keyboard modifier byte, bit 0 first.
struct ModifierBit {
    std::uint8_t bit;
    const char* name;    // command line
    const char* prefix;  // description: GetModifierName joins these
};
inline constexpr std::array<ModifierBit, 8> kModifierBits{{
    {0x01, "ctrl", TARVIK_TR_NOOP("Description", "(左)control+")},
    {0x02, "shift", TARVIK_TR_NOOP("Description", "(左)shift+")},
    {0x04, "alt", TARVIK_TR_NOOP("Description", "(左)option+")},
    {0x08, "cmd", TARVIK_TR_NOOP("Description", "(左)command+")},
    {0x10, "rctrl", TARVIK_TR_NOOP("Description", "右control+")},
    {0x20, "rshift", TARVIK_TR_NOOP("Description", "右shift+")},
    {0x40, "ralt", TARVIK_TR_NOOP("Description", "右option+")},
    {0x80, "rcmd", TARVIK_TR_NOOP("Description", "右command+")},
}};
inline constexpr std::uint8_t LEFT_HAND_MODIFIERS = 0x0F;
inline constexpr std::uint8_t RIGHT_HAND_MODIFIERS = 0xF0;

// The bit a modifier name (or a common other spelling: control, option, command, super, ...) stands for.
std::optional<std::uint8_t> ModifierByName(std::string_view name);
// The command-line names of the set bits, bit 0 first.
std::vector<std::string> ModifierNames(std::uint8_t modifiers);

// Wheel directions (mode 7, byte 0).
using WheelCode = NamedCode;
inline constexpr std::array<WheelCode, 2> kWheelDirections{{
    {1, "forward", TARVIK_TR_NOOP("Description", "前方")},
    {255, "backward", TARVIK_TR_NOOP("Description", "後方")},
}};
const WheelCode* FindWheelDirection(std::uint8_t code);
const WheelCode* FindWheelDirection(std::string_view name);

// The second click of a double click (mode 2 byte 2, mode 4 byte 4). The unit takes any other
// value as "same".
using SecondClickCode = NamedCode;
inline constexpr std::array<SecondClickCode, 2> kSecondClicks{{
    {0, "same", TARVIK_TR_NOOP("Description", "１番目のクリックと同じ")},
    {1, "hold", TARVIK_TR_NOOP("Description", "ペダルを離すまで")},
}};
const SecondClickCode* FindSecondClick(std::uint8_t code);
const SecondClickCode* FindSecondClick(std::string_view name);

// What a chord setting's repeat count counts (mode 9, bit 7 of byte 3).
struct RepeatUnit {
    bool series;
    const char* name;
    const char* shown;
};
inline constexpr std::array<RepeatUnit, 2> kRepeatUnits{{
    {false, "chords", TARVIK_TR_NOOP("Description", "出力")},
    {true, "series", TARVIK_TR_NOOP("Description", "組")},
}};
const RepeatUnit& RepeatUnitOf(bool series);
const RepeatUnit* FindRepeatUnit(std::string_view name);

}  // namespace tarvik
