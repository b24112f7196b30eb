// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/KeyOutputEncoding.h"

namespace tarvik::advanced {

std::uint8_t UsageIdForKeyListIndex(int index) {
    switch (index) {
    case 0: return 4;  // a
    case 1: return 5;  // b
    case 2: return 6;  // c
    default: return 7; // d
    }
}

void EncodeKeyOutput(int row, std::uint8_t modifiers, int keyListIndex, CommonRecord& common) {
    common[0] = row == KO_ROW_KEY_ONLY ? 0 : modifiers;
    common[1] = row == KO_ROW_MODIFIERS_ONLY ? 0 : UsageIdForKeyListIndex(keyListIndex);
    // The mode stays: this tab only ever writes the modifier and key bytes.
}

}  // namespace tarvik::advanced
