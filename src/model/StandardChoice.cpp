#include "model/StandardChoice.h"

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
    mode = SIMPLE_KEY_OUTPUT;
    common[MODIFIER_BYTE] =
        choice.radio == ModifierRadio::NoModifiers ? 0 : static_cast<std::uint8_t>(choice.modifiers & LEFT_HAND_MODIFIERS);
    common[USAGE_ID_BYTE] =
        choice.radio == ModifierRadio::OnlyModifiers ? 0 : static_cast<std::uint8_t>(choice.usageID);
}

void StoreClickChoice(ClickChoice choice, std::uint8_t& mode, CommonRecord& common) {
    switch (choice) {
    case ClickChoice::Left:
    case ClickChoice::Right:
    case ClickChoice::Center:
        mode = SIMPLE_CLICK;
        common[CLICK_BUTTON_BYTE] = choice == ClickChoice::Left    ? CLICK_LEFT
                                    : choice == ClickChoice::Right ? CLICK_RIGHT
                                                                   : CLICK_CENTER;
        return;
    case ClickChoice::Double:
        mode = SIMPLE_DOUBLE_CLICK;
        common[CLICK_BUTTON_BYTE] = CLICK_LEFT;
        common[FIRST_CLICK_LENGTH_BYTE] = DOUBLE_CLICK_FIRST_LENGTH;
        common[SECOND_CLICK_LENGTH_BYTE] = DOUBLE_CLICK_SECOND_LENGTH;
        common[CLICK_INTERVAL_BYTE] = DOUBLE_CLICK_INTERVAL;
        return;
    case ClickChoice::None: return;
    }
}

}  // namespace tarvik
