// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StandardChoice.h"

#include "model/ModeEncoders.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

bool IsComplete(const KeyboardChoice& choice) {
    const bool hasKey = choice.usageID >= 0 && choice.usageID <= Max_UsageID;
    const bool hasModifier = choice.modifiers != 0;
    switch (choice.radio) {
    case ModifierRadio::NoModifiers: return hasKey;
    case ModifierRadio::WithModifiers: return hasKey && hasModifier;
    case ModifierRadio::OnlyModifiers: return hasModifier;
    case ModifierRadio::None: break;
    }
    return false;
}

void StoreKeyboardChoice(const KeyboardChoice& choice, std::uint8_t& mode, CommonRecord& common) {
    if (!IsComplete(choice)) return;
    modes::KeyOutput key;
    if (choice.radio != ModifierRadio::NoModifiers) key.modifiers = choice.modifiers & LEFT_HAND_MODIFIERS;
    if (choice.radio != ModifierRadio::OnlyModifiers) key.usage = static_cast<std::uint8_t>(choice.usageID);
    modes::EncodeKey(key, {mode, common});
}

void StoreClickChoice(ClickChoice choice, std::uint8_t& mode, CommonRecord& common) {
    switch (choice) {
    case ClickChoice::Left:
    case ClickChoice::Right:
    case ClickChoice::Center:
        modes::EncodeClick({choice == ClickChoice::Left    ? CLICK_LEFT
                            : choice == ClickChoice::Right ? CLICK_RIGHT
                                                           : CLICK_CENTER},
                           {mode, common});
        return;
    case ClickChoice::Double:
        // The left double click with the default timing: 15 ms clicks, the second as long, 15 ms apart.
        modes::EncodeDoubleClick(modes::DoubleClick{}, {mode, common});
        return;
    case ClickChoice::None: return;
    }
}

}  // namespace tarvik
