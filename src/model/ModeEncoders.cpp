// SPDX-License-Identifier: GPL-3.0-or-later
// The encoders themselves are in the mode rows (model/modes).
#include "model/ModeEncoders.h"

#include "model/modes/ModeRow.h"

namespace tarvik::modes {

void Encode(const ModeChoice& choice, PedalRecordRef record) {
    FindModeRow(ModeOf(choice))->encode(choice, record);
}

std::uint16_t WrittenBytes(int mode) {
    const ModeRow* row = FindModeRow(mode);
    return row != nullptr ? LayoutBytes(*row) : 0;
}

}  // namespace tarvik::modes
