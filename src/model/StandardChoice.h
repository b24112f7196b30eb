// SPDX-License-Identifier: GPL-3.0-or-later
// The standard edits of one pedal (a key with left-hand modifiers, or a click) and the setting each
// choice hands back to be written.
#pragma once

#include <cstdint>
#include <optional>

#include "model/ModeChoice.h"
#include "model/ModeLayout.h"
#include "model/OutputCodes.h"
#include "model/PedalRecord.h"

namespace tarvik {

// Left-hand modifier bits of the ModifierByte that the dialog offers, and the right-hand ones it cannot show.
inline constexpr std::uint8_t MODIFIER_CTRL = kModifierBits[0].bit;
inline constexpr std::uint8_t MODIFIER_SHIFT = kModifierBits[1].bit;
inline constexpr std::uint8_t MODIFIER_ALT = kModifierBits[2].bit;
inline constexpr std::uint8_t MODIFIER_GUI = kModifierBits[3].bit;
inline constexpr std::uint8_t MODIFIERS_RIGHT_HAND = RIGHT_HAND_MODIFIERS;

// Record bytes the dialog reads.
inline constexpr int MODIFIER_BYTE = layout::KEY_MODIFIERS;
inline constexpr int USAGE_ID_BYTE = layout::KEY_USAGE;
inline constexpr int CLICK_BUTTON_BYTE = layout::CLICK_BUTTON;

// Mouse button codes as the dialog names them.
inline constexpr std::uint8_t CLICK_LEFT = BUTTON_LEFT;
inline constexpr std::uint8_t CLICK_RIGHT = BUTTON_RIGHT;
inline constexpr std::uint8_t CLICK_CENTER = BUTTON_MIDDLE;

enum class ModifierRadio { None, NoModifiers, WithModifiers, OnlyModifiers };

struct KeyboardChoice {
    ModifierRadio radio = ModifierRadio::None;
    std::uint8_t modifiers = 0;  // the four check boxes
    int usageID = -1;            // the selected key, -1 when none
};

// True when the choice can be written: a key where the radio needs one, a modifier where it needs one.
bool IsComplete(const KeyboardChoice& choice);

// A complete keyboard choice as a key output: the modifier boxes only where the radio takes them
// (left-hand ones; a right-hand one the record held is dropped), the key only where it takes one.
modes::KeyOutput KeyOutputOf(const KeyboardChoice& choice);

enum class ClickChoice { None, Left, Right, Center, Double };

// A click choice: one button, or the left double click at the default timing. No click chosen is
// the loaded record as it is (`mode` and `common`), when it is a click the model can name.
std::optional<modes::ModeChoice> ClickModeChoice(ClickChoice choice, std::uint8_t mode, const CommonRecord& common);

}  // namespace tarvik
