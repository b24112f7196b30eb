#include "model/StandardChoice.h"

#include "device/DeviceState.h"

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

bool StoreKeyboardChoice(const KeyboardChoice& choice, int pedal) {
    if (!IsPedalIndex(pedal) || !IsComplete(choice)) return false;
    auto& s = State();
    const auto p = static_cast<std::size_t>(pedal);
    s.OutputMode[p] = SIMPLE_KEY_OUTPUT;
    s.CommonData[p][MODIFIER_BYTE] = choice.radio == ModifierRadio::NoModifiers
                                         ? 0
                                         : static_cast<std::uint8_t>(choice.modifiers & LEFT_HAND_MODIFIERS);
    s.CommonData[p][USAGE_ID_BYTE] =
        choice.radio == ModifierRadio::OnlyModifiers ? 0 : static_cast<std::uint8_t>(choice.usageID);
    return true;
}

bool StoreClickChoice(ClickChoice choice, int pedal) {
    if (!IsPedalIndex(pedal) || choice == ClickChoice::None) return false;
    auto& s = State();
    const auto p = static_cast<std::size_t>(pedal);
    auto& common = s.CommonData[p];
    switch (choice) {
    case ClickChoice::Left:
    case ClickChoice::Right:
    case ClickChoice::Center:
        s.OutputMode[p] = SIMPLE_CLICK;
        common[CLICK_BUTTON_BYTE] = choice == ClickChoice::Left    ? CLICK_LEFT
                                    : choice == ClickChoice::Right ? CLICK_RIGHT
                                                                   : CLICK_CENTER;
        return true;
    case ClickChoice::Double:
        s.OutputMode[p] = SIMPLE_DOUBLE_CLICK;
        common[CLICK_BUTTON_BYTE] = CLICK_LEFT;
        common[FIRST_CLICK_LENGTH_BYTE] = DOUBLE_CLICK_FIRST_LENGTH;
        common[SECOND_CLICK_LENGTH_BYTE] = DOUBLE_CLICK_SECOND_LENGTH;
        common[CLICK_INTERVAL_BYTE] = DOUBLE_CLICK_INTERVAL;
        return true;
    case ClickChoice::None: break;
    }
    return false;
}

}  // namespace tarvik
