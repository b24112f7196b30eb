// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StandardChoice.h"

#include "model/ModeDecoder.h"
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

modes::KeyOutput KeyOutputOf(const KeyboardChoice& choice) {
    modes::KeyOutput key;
    if (choice.radio != ModifierRadio::NoModifiers) key.modifiers = choice.modifiers & LEFT_HAND_MODIFIERS;
    if (choice.radio != ModifierRadio::OnlyModifiers) key.usage = static_cast<std::uint8_t>(choice.usageID);
    return key;
}

std::optional<modes::ModeChoice> ClickModeChoice(ClickChoice choice, std::uint8_t mode, const CommonRecord& common) {
    switch (choice) {
    case ClickChoice::Left: return modes::Click{CLICK_LEFT};
    case ClickChoice::Right: return modes::Click{CLICK_RIGHT};
    case ClickChoice::Center: return modes::Click{CLICK_CENTER};
    // 15 ms clicks, the second as long, 15 ms apart.
    case ClickChoice::Double: return modes::DoubleClick{};
    case ClickChoice::None: break;
    }
    return modes::DecodeChoice(mode, common);
}

}  // namespace tarvik
