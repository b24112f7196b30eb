// SPDX-License-Identifier: GPL-3.0-or-later
// Each mode's description is in its row (model/modes).
#include "model/PedalContents.h"

#include "model/DeviceState.h"
#include "model/modes/ModeRow.h"

namespace tarvik {

std::string PedalContentsText(const DeviceState& state, int pedal) {
    if (!IsPedalIndex(pedal)) return {};
    const auto p = static_cast<std::size_t>(pedal);
    const modes::ModeRow* row = modes::FindModeRow(state.OutputMode[p]);
    return row != nullptr ? row->describe(state.CommonData[p], state.AdditionalData[p]) : "default";
}

std::string PedalContentsText() {
    return PedalContentsText(State(), State().SelectedPedalNo);
}

}  // namespace tarvik
