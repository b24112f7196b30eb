// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one pedal, as the window and tarvikctl both do: the record, the timing parameters, then
// a read-back of the pedal. Only a read-back that matches makes the written record the state's.
#pragma once

#include <cstdint>

#include "device/ExchangeEnding.h"
#include "model/DeviceState.h"
#include "model/ModeChoice.h"

namespace tarvik {

class HID_PnP;
class FlowLink;

enum class WriteOutcome {
    Stored,   // the unit holds what was written; so does the state
    Differs,  // the unit holds something else; the state now holds what the unit holds
    Failed,   // an exchange failed (see `ending`); nothing was stored
};

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::Failed;
    ExchangeEnding ending = ExchangeEnding::NoUnit;  // of the failed exchange
    // The record that was sent.
    std::uint8_t mode = 0;
    CommonRecord common{};
};

// Encodes `choice` over a copy of pedal `pedal`'s record in `state` (the bytes it does not name
// keep their values) and writes it: SET_OUTPUT_MODE_AND_DATA, SET_PARAMETERS, then
// GET_OUTPUT_MODE_AND_DATA (and the additional data of a multi-chord pedal). SelectedPedalNo names
// the pedal afterwards. A pedal outside 0..4 sends nothing and fails with NoUnit.
WriteResult WriteChoice(HID_PnP& link, DeviceState& state, int pedal, const modes::ModeChoice& choice);
// The same for a whole record.
WriteResult WriteRecord(HID_PnP& link, DeviceState& state, int pedal, std::uint8_t mode, const CommonRecord& common);

// Sends pedal `pedal`'s record of the state, then the timing parameters (the second exchange is not
// made when the first fails), without a read-back. Answered when both were answered, else the
// first failure's ending; a pedal outside 0..4 sends nothing and gives NoUnit.
ExchangeEnding WritePedal(HID_PnP& link, DeviceState& state, int pedal);
// Those two exchanges for any record.
ExchangeEnding SendRecord(FlowLink& unit, int pedal, std::uint8_t mode, const CommonRecord& common);

}  // namespace tarvik
