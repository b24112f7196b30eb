#include "ui/advanced/KeyOutputEncoding.h"

#include <cstddef>

#include "model/DeviceState.h"

namespace tarvik::advanced {

std::uint8_t ModifierByteFromFlags(const ModifierFlags& flags) {
    std::uint8_t byte = 0;
    for (std::size_t bit = 0; bit < flags.size(); ++bit)
        if (flags[bit]) byte |= static_cast<std::uint8_t>(1u << bit);
    return byte;
}

std::uint8_t UsageIdForKeyListIndex(int index) {
    switch (index) {
    case 0: return 4;  // a
    case 1: return 5;  // b
    case 2: return 6;  // c
    default: return 7; // d
    }
}

void EncodeKeyOutput(int row, const ModifierFlags& flags, int keyListIndex) {
    const int p = State().SelectedPedalNo;
    if (!IsPedalIndex(p)) return;
    auto& common = State().CommonData[p];
    common[0] = row == KO_ROW_KEY_ONLY ? 0 : ModifierByteFromFlags(flags);
    common[1] = row == KO_ROW_MODIFIERS_ONLY ? 0 : UsageIdForKeyListIndex(keyListIndex);
    // The mode stays: this tab only ever writes the modifier and key bytes.
}

}  // namespace tarvik::advanced
